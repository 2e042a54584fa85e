#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PlaybackSongs.h"
#include "model/ChordBar.h"
#include "model/ChordCombo.h"
#include "platform/Exception.h"
#include "platform/ProgramPaths.h"
#include "playback/OfflineRenderer.h"
#include "playback/SampleSpool.h"
#include "playback/WavWriter.h"
#include "playback/midi/FluidSynthBackend.h"

namespace {

namespace fs = std::filesystem;
using playback_test::MakeSong;
using playback_test::Put;

// A WAV file as read back byte by byte, without our writer's code.
struct Wav {
    std::string riff, wave, fmt, data;
    std::uint32_t riffSize = 0, fmtSize = 0, sampleRate = 0, byteRate = 0, dataSize = 0;
    std::uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;  // interleaved

    static Wav Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
        Wav wav;
        if (bytes.size() < 44) {
            return wav;
        }
        auto tag = [&](size_t at) {
            return std::string(bytes.begin() + long(at), bytes.begin() + long(at) + 4);
        };
        auto u32 = [&](size_t at) {
            return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                   std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24;
        };
        auto u16 = [&](size_t at) { return std::uint16_t(bytes[at] | bytes[at + 1] << 8); };
        wav.riff = tag(0);
        wav.riffSize = u32(4);
        wav.wave = tag(8);
        wav.fmt = tag(12);
        wav.fmtSize = u32(16);
        wav.format = u16(20);
        wav.channels = u16(22);
        wav.sampleRate = u32(24);
        wav.byteRate = u32(28);
        wav.blockAlign = u16(32);
        wav.bits = u16(34);
        wav.data = tag(36);
        wav.dataSize = u32(40);
        for (size_t at = 44; at + 1 < bytes.size(); at += 2) {
            wav.samples.push_back(static_cast<std::int16_t>(u16(at)));
        }
        return wav;
    }

    // Loudness of the left channel between two moments.
    double Rms(double fromMs, double toMs) const {
        const auto from = size_t(fromMs * sampleRate / 1000.0);
        const auto to = std::min(size_t(toMs * sampleRate / 1000.0), samples.size() / 2);
        double sum = 0.0;
        for (size_t i = from; i < to; ++i) {
            sum += double(samples[2 * i]) * samples[2 * i];
        }
        return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
    }

    // The largest magnitude of any sample, in 16-bit steps.
    int Peak() const {
        int peak = 0;
        for (const std::int16_t sample : samples) {
            peak = std::max(peak, std::abs(int(sample)));
        }
        return peak;
    }
    double PeakDb() const { return 20.0 * std::log10(Peak() / 32767.0); }
};

class ScratchFolder : public playback_test::PlaybackFixture {
protected:
    void SetUp() override {
        PlaybackFixture::SetUp();
        dir = fs::temp_directory_path() / ("quillsong-render-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::remove_all(dir);
        PlaybackFixture::TearDown();
    }
    fs::path dir;
};

using WavWriterTest = ScratchFolder;

TEST_F(WavWriterTest, WritesAStereoSixteenBitHeaderAndClippedSamples) {
    const fs::path path = dir / "out.wav";
    {
        WavWriter wav(path.string(), 22050);
        const std::vector<float> left = {0.0f, 0.5f, -1.0f, 2.0f};
        const std::vector<float> right = {1.0f, -0.5f, -3.0f, NAN, 7.0f};
        wav.Write(left, right);
        EXPECT_FALSE(fs::exists(path)) << "the file takes its name only when complete";
        wav.Close();
        EXPECT_EQ(wav.Frames(), 4u) << "frames as long as the shorter channel";
    }
    const Wav wav = Wav::Read(path);
    EXPECT_EQ(wav.riff, "RIFF");
    EXPECT_EQ(wav.wave, "WAVE");
    EXPECT_EQ(wav.fmt, "fmt ");
    EXPECT_EQ(wav.data, "data");
    EXPECT_EQ(wav.fmtSize, 16u);
    EXPECT_EQ(wav.format, 1) << "PCM";
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.sampleRate, 22050u);
    EXPECT_EQ(wav.byteRate, 22050u * 4);
    EXPECT_EQ(wav.blockAlign, 4);
    EXPECT_EQ(wav.bits, 16);
    EXPECT_EQ(wav.dataSize, 16u);
    EXPECT_EQ(wav.riffSize, 36u + 16);
    EXPECT_EQ(wav.samples,
              (std::vector<std::int16_t>{0, 32767, 16384, -16384, -32767, -32767, 32767, 0}));
    EXPECT_EQ(fs::file_size(path), 44u + 16);
}

TEST_F(WavWriterTest, AFailedOrAbandonedWriteLeavesNoFile) {
    EXPECT_THROW(WavWriter((dir / "missing" / "out.wav").string(), 44100), IOException);
    const fs::path path = dir / "kept.wav";
    std::ofstream(path) << "an earlier file";
    {
        WavWriter wav(path.string(), 44100);
        const std::vector<float> samples(100, 0.25f);
        wav.Write(samples, samples);
    }
    EXPECT_EQ(fs::file_size(path), 15u) << "an unfinished render never replaces a file";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "no scratch file left";
}

using SampleSpoolTest = ScratchFolder;

// The gain that brings a spool's peak to -1 dBFS, from the peak of what was
// written, whichever channel and sign it has.
TEST_F(SampleSpoolTest, GainBringsThePeakToTheLevelAndLeavesSilenceAlone) {
    const float minusOneDb = std::pow(10.0f, -1.0f / 20);
    struct Case {
        const char* name;
        std::vector<float> left, right;
        float gain;
    };
    const std::vector<Case> cases = {
        {"nothing written", {}, {}, 1.0f},
        {"all zero", {0.0f, 0.0f}, {0.0f, -0.0f}, 1.0f},
        {"under half a 16-bit step", {1e-5f, -1e-5f}, {0.0f, 1e-5f}, 1.0f},
        {"quiet, peak on the right", {0.01f, -0.02f}, {0.05f, 0.0f}, minusOneDb / 0.05f},
        {"negative peak", {-0.25f, 0.1f}, {0.2f, 0.0f}, minusOneDb / 0.25f},
        {"over full scale", {2.0f, 0.5f}, {-1.5f, 0.0f}, minusOneDb / 2.0f},
        {"not a number aside", {NAN, 0.5f}, {INFINITY, 0.0f}, minusOneDb / 0.5f},
    };
    for (const Case& c : cases) {
        SampleSpool spool((dir / "spool").string(), 44100);
        spool.Write(c.left, c.right);
        EXPECT_NEAR(spool.GainToPeakAt(-1.0), c.gain, c.gain * 1e-5f) << c.name;
        EXPECT_TRUE(std::isfinite(spool.GainToPeakAt(-1.0))) << c.name;
    }
}

TEST_F(SampleSpoolTest, CopiesEveryFrameScaledAndLeavesNoScratchFile) {
    const fs::path path = dir / "out.wav";
    {
        SampleSpool spool((dir / "spool").string(), 22050);
        // More than one chunk of reading back, in writes of uneven size.
        std::vector<float> left(5000), right(5000);
        for (size_t i = 0; i < left.size(); ++i) {
            left[i] = float(i % 100) / 1000.0f;
            right[i] = -left[i];
        }
        spool.Write(left, right);
        spool.Write(std::vector<float>{0.125f}, std::vector<float>{0.25f, 0.5f});
        EXPECT_EQ(spool.Frames(), 5001u);
        EXPECT_EQ(spool.Peak(), 0.25f);
        WavWriter wav(path.string(), spool.SampleRate());
        spool.CopyTo(wav, 2.0f);
        wav.Close();
    }
    const Wav wav = Wav::Read(path);
    EXPECT_EQ(wav.sampleRate, 22050u);
    ASSERT_EQ(wav.samples.size(), 2u * 5001);
    for (size_t i = 0; i < 5000; ++i) {
        ASSERT_EQ(wav.samples[2 * i], WavWriter::ToSample(float(i % 100) / 1000.0f * 2)) << i;
        ASSERT_EQ(wav.samples[2 * i + 1], -wav.samples[2 * i]) << i;
    }
    EXPECT_EQ(wav.samples[10000], WavWriter::ToSample(0.25f));
    EXPECT_EQ(wav.samples[10001], WavWriter::ToSample(0.5f));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "only the WAV file is left";
}

class OfflineRendererTest : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        // The small SoundFont keeps the tests quick; any General MIDI one will do.
        const std::string small =
            std::string(midi::FluidSynthBackend::kSoundFontFolder) + "/TimGM6mb.sf2";
        if (fs::exists(small)) {
            soundFont = small;
        } else if (auto best = midi::FluidSynthBackend::FindSoundFont()) {
            soundFont = *best;
        } else {
            GTEST_SKIP() << "no General MIDI SoundFont installed";
        }
    }

    Wav Render(Song& song, OfflineRenderer::Outcome* outcome = nullptr) {
        const fs::path path = dir / "song.wav";
        const auto result = OfflineRenderer::RenderToWav(song, path.string(), soundFont);
        if (outcome != nullptr) {
            *outcome = result;
        }
        return Wav::Read(path);
    }

    std::string soundFont;
};

// Two bars of 4/4 at tempo 120 are 96 * 2 steps of 20.83 ms: 4 seconds, and
// a second to fade. A quarter note on the first beat of each bar sounds
// there and nowhere else.
TEST_F(OfflineRendererTest, NotesSoundAtTheirStepsOnTheSampleClock) {
    auto song = MakeSong("T", 2, 120);
    engine.SetTempo(120, false);
    Put(*song, 0, 0, 0, "A5", 4);
    Put(*song, 0, 1, 0, "A5", 4);
    midi::MidiOutput* before = engine.Output();
    OfflineRenderer::Outcome outcome;
    const Wav wav = Render(*song, &outcome);

    EXPECT_EQ(outcome.error, SoundEngine::NoError);
    EXPECT_EQ(wav.sampleRate, 44100u);
    const double expectedSeconds = 2 * 96 * (60.0 / 120 / 24) + 1.0;
    EXPECT_NEAR(outcome.seconds, expectedSeconds, 0.001);
    EXPECT_NEAR(double(wav.samples.size()) / 2 / wav.sampleRate, expectedSeconds, 0.001);
    const double firstNote = wav.Rms(20, 400);
    const double secondNote = wav.Rms(2020, 2400);
    const double between = wav.Rms(1200, 1950);
    EXPECT_GT(firstNote, 100.0);
    EXPECT_GT(secondNote, 100.0);
    EXPECT_LT(between, firstNote / 20) << "silent between the notes";
    EXPECT_LT(wav.Rms(0, 0.5), 1.0) << "nothing before the first step";
    EXPECT_EQ(engine.Output(), before) << "the engine's output is given back";
    EXPECT_TRUE(recorder.NoteOns().empty()) << "no note went to the engine's own output";
}

// The synthesizer alone leaves a song far below full scale (the example
// minuet peaked at -23 dBFS, a lone quiet note at -60, nine tracks of loud
// chords at -6); the export brings each to -1 dBFS, never clipping. Louder
// than full scale is lowered the same way (the spool's tests).
TEST_F(OfflineRendererTest, WavExportPeaksAtMinusOneDb) {
    struct Case {
        const char* name;
        std::string tracks;
        int volume;
        std::vector<const char*> chord;
    };
    const std::vector<Case> cases = {
        {"one quiet note", "T", 20, {"C5"}},
        {"nine loud tracks of chords", "TTTTTTTTT", 100, {"C4", "E4", "G4", "C5", "E5"}},
    };
    for (const Case& c : cases) {
        auto song = MakeSong(c.tracks, 1, 120);
        engine.SetTempo(120, false);
        for (int track = 0; track < song->GetNumTracks(); ++track) {
            song->GetTrack(track)->SetVolume(c.volume);
            for (const char* pitch : c.chord) {
                Put(*song, track, 0, 0, pitch, 2);
            }
        }
        const Wav wav = Render(*song);
        EXPECT_NEAR(wav.PeakDb(), OfflineRenderer::kPeakDb, 0.05) << c.name;
        EXPECT_LT(wav.Peak(), 32767) << c.name << " clips";
    }
}

TEST_F(OfflineRendererTest, WavExportOfSilenceStaysSilent) {
    auto song = MakeSong("T", 1, 120);
    const Wav wav = Render(*song);
    ASSERT_FALSE(wav.samples.empty());
    EXPECT_EQ(wav.Peak(), 0) << "a song of rests is not raised to a hiss";
}

TEST_F(OfflineRendererTest, TheMetronomeSettingIsRenderedToo) {
    auto song = MakeSong("T", 1, 120);
    engine.SetTempo(120, false);
    const double quiet = Render(*song).Rms(0, 2000);
    SetMetronome(true);
    const double clicking = Render(*song).Rms(0, 2000);
    EXPECT_LT(quiet, 1.0) << "a bar of rest without the metronome is silence";
    EXPECT_GT(clicking, 50.0);
}

TEST_F(OfflineRendererTest, TheAccompanimentPlaysInTheStyleChosen) {
    auto song = MakeSong("A", 1, 120);
    static_cast<ChordBar*>(song->GetBar(0, 0))->GetBeatBox(0)->SelectText("C", false);
    const std::string style = song->GetTrack(0)->GetStyleName();
    if (style.empty() || style == "[N/A]") {
        GTEST_SKIP() << "no 4/4 style beside the test program";
    }
    OfflineRenderer::Outcome outcome;
    const Wav wav = Render(*song, &outcome);
    EXPECT_EQ(outcome.error, SoundEngine::NoError);
    EXPECT_GT(wav.Rms(0, 2000), 50.0) << "style " << style << " plays under the chord";
    EXPECT_TRUE(song->GeneratedAccompaniment().empty());
}

TEST_F(OfflineRendererTest, AnAccompanimentWithoutStyleWritesNoFile) {
    // An empty folder beside the program: no style fits.
    ProgramPaths::OverrideExecutableDir(dir.string());
    auto song = MakeSong("AT", 1, 120);
    ProgramPaths::OverrideExecutableDir("");
    OfflineRenderer::Outcome outcome;
    Render(*song, &outcome);
    EXPECT_EQ(outcome.error, SoundEngine::NoAccompanimentStyle);
    EXPECT_FALSE(fs::exists(dir / "song.wav"));
    EXPECT_EQ(engine.Output(), &recorder);
}

}  // namespace
