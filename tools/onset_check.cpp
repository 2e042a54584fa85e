// Plays a click track (sixteenth notes on a wood block at 208 beats per
// minute) in real time through the built-in synthesizer into FluidSynth's
// file driver, then finds the clicks in the recording and says how far they
// lie from an even grid. Exits 0 when the 99th percentile is within
// --limit-ms (or no limit is given), 1 when it is not, 77 when the machine
// has no SoundFont or FluidSynth no file driver.
//
//   quillsong_onset_check [--period FRAMES] [--bars N] [--wav FILE] [--limit-ms MS]

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "editor/CoreServices.h"
#include "model/NoteBar.h"
#include "model/Observer.h"
#include "model/Song.h"
#include "model/Track.h"
#include "playback/SoundEngine.h"
#include "playback/midi/DeviceDirectory.h"
#include "playback/midi/FluidSynthBackend.h"
#include "tools/ClickTrackAnalysis.h"

namespace {

constexpr int kSkipped = 77;
constexpr int kTempo = 208;
constexpr int kWoodBlock = 76;
constexpr int kStepsPerSixteenth = 6;

struct Options {
    int periodFrames = 64;
    int bars = 8;
    std::string wav;
    double limitMs = 0.0;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--period") {
            options.periodFrames = std::stoi(value);
        } else if (name == "--bars") {
            options.bars = std::stoi(value);
        } else if (name == "--wav") {
            options.wav = value;
        } else if (name == "--limit-ms") {
            options.limitMs = std::stod(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.bars > 0 && options.periodFrames > 0;
}

// The synthesizer as the only device, recording into a file in real time.
class RecordingDirectory : public midi::DeviceDirectory {
public:
    RecordingDirectory(std::string soundFont, const Options& options)
        : m_soundFont(std::move(soundFont)), m_options(options) {}

    std::vector<std::string> Names() const override { return {"recording synthesizer"}; }

    std::unique_ptr<midi::OutputBackend> Open(int /*id*/) const override {
        return std::make_unique<midi::FluidSynthBackend>(
            m_soundFont, midi::FluidSynthBackend::Audio::System, std::vector<std::string>{"file"},
            std::vector<midi::FluidSynthBackend::Setting>{
                {"audio.period-size", std::to_string(m_options.periodFrames)},
                {"audio.file.name", m_options.wav},
                {"audio.file.type", "wav"},
                {"audio.file.format", "s16"}});
    }

private:
    std::string m_soundFont;
    Options m_options;
};

class EndWaiter : public Observer {
public:
    void Update(Subject*, int) override {
        std::lock_guard lock(m_mutex);
        m_ended = true;
        m_changed.notify_all();
    }
    void Wait() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_ended; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_ended = false;
};

std::unique_ptr<Song> ClickSong(int bars) {
    auto song =
        std::make_unique<Song>("Clicks", "Onset check", bars, kTempo, Song::TimeSignature{4, 4}, 0);
    const int slot = song->AddPercussionTrack();
    song->GetTrack(slot)->SetProgram(kWoodBlock);
    for (int bar = 0; bar < bars; ++bar) {
        auto& noteBar = dynamic_cast<NoteBar&>(*song->GetBar(slot, bar));
        for (int step = 0; step < noteBar.GetSteps(); step += kStepsPerSixteenth) {
            noteBar.InsertNote(step, 'C', 5, Note::NoAccidental, 16, false, false);
        }
    }
    return song;
}

// Plays the song to its end on the recording device; false when the device
// would not open.
bool Record(Song& song, const std::string& soundFont, const Options& options) {
    SoundEngine& engine = SoundEngine::Instance();
    engine.SetDeviceDirectory(std::make_shared<RecordingDirectory>(soundFont, options));
    engine.OpenDevice(0, false);
    if (!engine.IsDeviceOpen()) {
        return false;
    }
    engine.SetTimeSignature(4, 4);
    engine.SetTempo(kTempo, false);
    song.ApplyTrackSoundSettings();
    engine.SetStartBar(0);
    EndWaiter waiter;
    engine.Attach(&waiter, SoundEngine::EndAspect);
    engine.Play(&song);
    waiter.Wait();
    engine.WaitUntilStopped();
    engine.Detach(&waiter, SoundEngine::EndAspect);
    // Closing the driver finishes the file.
    engine.CloseDevice();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CoreServices::Install();
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--period FRAMES] [--bars N] [--wav FILE] [--limit-ms MS]\n",
                     argv[0]);
        return 2;
    }
    const auto soundFont = midi::FluidSynthBackend::FindSoundFont();
    if (!soundFont) {
        std::printf("skipped: no General MIDI SoundFont in %s\n",
                    midi::FluidSynthBackend::kSoundFontFolder);
        return kSkipped;
    }
    const bool keepWav = !options.wav.empty();
    if (!keepWav) {
        options.wav = (std::filesystem::temp_directory_path() /
                       ("quillsong-onsets-" + std::to_string(options.periodFrames) + ".wav"))
                          .string();
    }
    auto song = ClickSong(options.bars);
    if (!Record(*song, *soundFont, options)) {
        std::printf("skipped: FluidSynth's file driver would not open (see the log above)\n");
        return kSkipped;
    }
    ClickTrackAnalysis analysis;
    std::string error;
    const bool loaded = analysis.Load(options.wav, error);
    if (!keepWav) {
        std::filesystem::remove(options.wav);
    }
    if (!loaded) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const double spacingMs = 60000.0 / kTempo / 4.0;
    const ClickTrackAnalysis::Figures figures = analysis.CompareWithGrid(spacingMs);
    const std::size_t expected = static_cast<std::size_t>(options.bars) * 16;
    std::printf(
        "period %d frames at %d Hz: %zu of %zu clicks; deviation from the grid "
        "median %.3f ms, p99 %.3f ms, max %.3f ms\n",
        options.periodFrames, analysis.SampleRate(), figures.onsets, expected, figures.medianMs,
        figures.p99Ms, figures.maxMs);
    if (figures.onsets != expected) {
        std::fprintf(stderr, "expected %zu clicks in the recording\n", expected);
        return 1;
    }
    if (options.limitMs > 0.0 && figures.p99Ms > options.limitMs) {
        std::fprintf(stderr, "p99 %.3f ms is over the limit of %.3f ms\n", figures.p99Ms,
                     options.limitMs);
        return 1;
    }
    return 0;
}
