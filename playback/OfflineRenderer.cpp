#include "playback/OfflineRenderer.h"

#include <cmath>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "model/Song.h"
#include "playback/NoteHighlightEvent.h"
#include "playback/SampleSpool.h"
#include "playback/SoundEngine.h"
#include "playback/WavWriter.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/CShortMsg.h"
#include "playback/midi/FluidSynthBackend.h"

namespace {

// Hands the engine's messages to the synthesizer in memory. A message the
// synthesizer refuses is dropped, as playback drops a device's refusals.
class SynthInput : public midi::MidiOutput {
public:
    explicit SynthInput(midi::FluidSynthBackend& synth) : m_synth(synth) {}

    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override {
        try {
            m_synth.SendShort(status, data1, data2, midi::CShortMsg::BytesOnWire(status));
        } catch (const midi::CMIDIOutException&) {
        }
    }

private:
    midi::FluidSynthBackend& m_synth;
};

// Puts the engine's output back however the render ends.
class OutputRedirect {
public:
    OutputRedirect(SoundEngine& engine, midi::MidiOutput* output)
        : m_engine(engine), m_previous(engine.Output()) {
        m_engine.SetOutput(output);
    }
    ~OutputRedirect() { m_engine.SetOutput(m_previous); }
    OutputRedirect(const OutputRedirect&) = delete;
    OutputRedirect& operator=(const OutputRedirect&) = delete;

private:
    SoundEngine& m_engine;
    midi::MidiOutput* m_previous;
};

// The song's timeline in samples: renders up to a moment, releasing on the
// way every group whose moment has come, each exactly at its moment.
class SampleClock {
public:
    SampleClock(midi::FluidSynthBackend& synth, SampleSpool& spool)
        : m_synth(synth), m_spool(spool), m_left(kChunkFrames), m_right(kChunkFrames) {}

    void Start(std::unique_ptr<NoteEvent> group, double nowMs) {
        group->Fire();
        // As with the release timers: a group ends one millisecond before
        // its duration is up, and one too short for that ends at once.
        const int delay = group->Duration() - 1;
        if (delay < 1) {
            group->Release();
            return;
        }
        m_releases.emplace(nowMs + delay, std::move(group));
    }

    void AdvanceTo(double ms) {
        while (!m_releases.empty() && m_releases.begin()->first <= ms) {
            RenderTo(m_releases.begin()->first);
            m_releases.begin()->second->Release();
            m_releases.erase(m_releases.begin());
        }
        RenderTo(ms);
    }

    void ReleaseAll() {
        for (auto& [moment, group] : m_releases) {
            group->Release();
        }
        m_releases.clear();
    }

private:
    static constexpr std::size_t kChunkFrames = 4096;

    void RenderTo(double ms) {
        const auto target =
            static_cast<std::uint64_t>(std::llround(ms * m_spool.SampleRate() / 1000.0));
        while (m_spool.Frames() < target) {
            const std::size_t frames = static_cast<std::size_t>(
                std::min<std::uint64_t>(kChunkFrames, target - m_spool.Frames()));
            std::span<float> left(m_left.data(), frames);
            std::span<float> right(m_right.data(), frames);
            m_synth.Render(left, right);
            m_spool.Write(left, right);
        }
    }

    midi::FluidSynthBackend& m_synth;
    SampleSpool& m_spool;
    std::vector<float> m_left;
    std::vector<float> m_right;
    std::multimap<double, std::unique_ptr<NoteEvent>> m_releases;
};

std::string SoundFontOrBest(const std::string& path) {
    if (!path.empty()) {
        return path;
    }
    if (auto found = midi::FluidSynthBackend::FindSoundFont()) {
        return *found;
    }
    throw midi::CMIDIOutException(std::string("no General MIDI SoundFont in ") +
                                  midi::FluidSynthBackend::kSoundFontFolder);
}

// Plays every step of the song onto the clock. The events are the engine's;
// highlighting is left out, as nothing is shown.
double PlaySteps(SoundEngine& engine, const Song& song, SampleClock& clock) {
    const double msPerStep = engine.PlaybackMsPerStep();
    const int stepsPerBar = engine.StepsPerBar();
    SoundEngine::EventList events;
    for (int bar = 0; bar < song.GetNumBars(); ++bar) {
        engine.SetBeatCounters(-1);
        for (int step = 0; step < stepsPerBar; ++step) {
            engine.CollectStepEvents(song, bar, step, events);
            std::erase_if(events, [](const auto& event) {
                return dynamic_cast<const NoteHighlightEvent*>(event.get()) != nullptr;
            });
            if (events.empty()) {
                continue;
            }
            const double now = static_cast<double>(bar * stepsPerBar + step) * msPerStep;
            clock.AdvanceTo(now);
            for (auto& group : SoundEngine::GroupByDuration(events)) {
                clock.Start(std::move(group), now);
            }
        }
    }
    const double end = static_cast<double>(song.GetNumBars()) * stepsPerBar * msPerStep;
    clock.AdvanceTo(end);
    return end;
}

}  // namespace

OfflineRenderer::Outcome OfflineRenderer::RenderToWav(Song& song, const std::string& wavPath,
                                                      const std::string& soundFontPath) {
    SoundEngine& engine = SoundEngine::Instance();
    midi::FluidSynthBackend synth(SoundFontOrBest(soundFontPath),
                                  midi::FluidSynthBackend::Audio::Memory);
    SynthInput input(synth);
    OutputRedirect redirect(engine, &input);

    const Song::TimeSignature signature = song.GetTimeSignature();
    engine.SetTimeSignature(signature.numerator, signature.denominator);
    song.ApplyTrackSoundSettings();
    Outcome outcome;
    outcome.error = engine.PrepareToPlay(song, 0);
    if (outcome.error != SoundEngine::NoError) {
        engine.FinishWithSong(song);
        return outcome;
    }
    try {
        // The peak is known only at the end, so the render is kept at full
        // precision until then and scaled on its way into the file.
        SampleSpool spool(wavPath + ".render.part", synth.SampleRate());
        SampleClock clock(synth, spool);
        const double end = PlaySteps(engine, song, clock);
        clock.ReleaseAll();
        clock.AdvanceTo(end + kTailMs);
        WavWriter wav(wavPath, spool.SampleRate());
        spool.CopyTo(wav, spool.GainToPeakAt(kPeakDb));
        wav.Close();
        outcome.seconds = static_cast<double>(wav.Frames()) / wav.SampleRate();
    } catch (...) {
        engine.SetBeatCounters(0);
        engine.FinishWithSong(song);
        throw;
    }
    engine.SetBeatCounters(0);
    engine.FinishWithSong(song);
    return outcome;
}
