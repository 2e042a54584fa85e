#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/CommandLine.h"
#include "app/CommandLinePlayer.h"
#include "app/SongConverter.h"
#include "editor/ToolsManager.h"
#include "files/SongFiles.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "platform/ProgramPaths.h"
#include "playback/FakeDeviceDirectory.h"
#include "support/EngineReset.h"

namespace {

namespace fs = std::filesystem;

// Playing and rendering from the command line, in this process, with a
// device that keeps a journal of what it was sent.
class CommandLinePlayerTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        dir = fs::temp_directory_path() / ("quillsong-play-cli-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        engine.SetDeviceDirectory(device);
        engine.SetLeadIn(20);
    }
    void TearDown() override {
        engine.Stop();
        engine.WaitUntilStopped();
        engine.SetDeviceDirectory(nullptr);
        engine.SetLeadIn(SoundEngine::kDefaultLeadInMs);
        if (engine.IsMetronomeOn()) {
            engine.ToggleMetronome();
        }
        fs::remove_all(dir);
        EngineReset::TearDown();
    }

    // A song of quarter notes saved to a file; "A" first adds a chord track.
    std::string WriteSong(const std::string& name, int bars, int tempo,
                          bool accompaniment = false) {
        Song song("n", "a", bars, tempo, Song::TimeSignature{4, 4}, 0);
        if (accompaniment) {
            song.AddAccompanimentTrack();
        }
        const int slot = song.AddTrebleTrack();
        for (int bar = 0; bar < bars; ++bar) {
            auto& noteBar = dynamic_cast<NoteBar&>(*song.GetBar(slot, bar));
            for (int step = 0; step < 96; step += 24) {
                noteBar.InsertNote(step, 'C', 5, Note::NoAccidental, 4, false, false);
            }
        }
        const std::string path = (dir / name).string();
        SongFiles::Save(song, path);
        return path;
    }

    static CommandLine Line(std::vector<std::string> arguments) {
        return CommandLine::Parse(arguments);
    }

    // Note Ons and Note Offs the device received, as counts.
    std::pair<int, int> NotesOnDevice() const {
        int ons = 0;
        int offs = 0;
        for (const std::string& message : device->MessagesTo(0)) {
            ons += message.starts_with("90 ") ? 1 : 0;
            offs += message.starts_with("80 ") ? 1 : 0;
        }
        return {ons, offs};
    }

    SoundEngine& engine = SoundEngine::Instance();
    std::shared_ptr<FakeDeviceDirectory> device = std::make_shared<FakeDeviceDirectory>(
        std::vector<FakeDevice>{FakeDevice::Working("Synth")});
    fs::path dir;
    std::ostringstream out;
    std::ostringstream errors;
};

TEST_F(CommandLinePlayerTest, PlaysToTheEndPrintingEveryBeat) {
    // Songs are read at tempo 208 at most: two bars last 2.3 seconds.
    const CommandLine line = Line({"--play", WriteSong("song.qs", 2, 208)});
    ASSERT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_EQ(CommandLinePlayer::Run(line, out, errors), 0);
    std::string expected;
    for (int bar = 1; bar <= 2; ++bar) {
        for (int beat = 1; beat <= 4; ++beat) {
            expected += "Bar " + std::to_string(bar) + ", beat " + std::to_string(beat) + "\n";
        }
    }
    EXPECT_EQ(out.str(), expected) << "each beat once, and nothing for the end";
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(NotesOnDevice(), std::make_pair(8, 8));
    EXPECT_EQ(device->Journal().front(), "open 0") << "the device the settings name";
    EXPECT_EQ(device->Journal().back(), "close 0");
    EXPECT_FALSE(engine.IsActive());
    EXPECT_TRUE(ToolsManager::Instance().DirtyRects().empty())
        << "no areas to repaint pile up without a score on screen";
}

TEST_F(CommandLinePlayerTest, CtrlCStopsWithNothingLeftSounding) {
    const CommandLine line = Line({"--play", WriteSong("long.qs", 40, 208), "--metronome"});
    EXPECT_TRUE(line.metronome);
    std::thread interrupter([this] {
        // Once the music is under way, as a user would.
        for (int i = 0; i < 400 && engine.CurrentBar() < 1; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        ::kill(::getpid(), SIGINT);
    });
    const int code = CommandLinePlayer::Run(line, out, errors);
    interrupter.join();
    EXPECT_EQ(code, CommandLinePlayer::kInterruptedExit);
    EXPECT_TRUE(out.str().starts_with("Bar 1, beat 1\n"));
    const auto [ons, offs] = NotesOnDevice();
    EXPECT_GE(ons, 4);
    EXPECT_EQ(ons, offs) << "every note and click was released before the device closed";
    EXPECT_EQ(device->Journal().back(), "close 0");
    EXPECT_FALSE(engine.IsActive());
}

TEST_F(CommandLinePlayerTest, SongsThatCannotBeReadOrPlayedSayWhy) {
    EXPECT_EQ(CommandLinePlayer::Run(Line({"--play", (dir / "none.qs").string()}), out, errors), 1);
    EXPECT_EQ(errors.str(), "File do not exists\n");

    errors.str("");
    // Nothing beside the program: the chord track has no style to play.
    ProgramPaths::OverrideExecutableDir(dir.string());
    const std::string song = WriteSong("chords.qs", 1, 208, true);
    const int code = CommandLinePlayer::Run(Line({"--play", song}), out, errors);
    ProgramPaths::OverrideExecutableDir("");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(errors.str(), "No accompaniment style available\n");
    EXPECT_EQ(NotesOnDevice().first, 0);
}

// Apart from the player's tests: it renders in this thread only, and
// FluidSynth's OpenMP runtime is no thread-sanitizer material.
using WavExportTest = CommandLinePlayerTest;

TEST_F(WavExportTest, RendersAWavFileOrSaysWhyNot) {
    const fs::path wav = dir / "out.wav";
    const CommandLine line = Line({"-o", wav.string(), WriteSong("song.qs", 1, 120)});
    EXPECT_EQ(SongConverter::Run(line, errors), 0) << errors.str();
    ASSERT_TRUE(fs::exists(wav));
    // 96 steps at 120 are 2 seconds, then a second to fade: 3 s of 16-bit stereo.
    EXPECT_NEAR(double(fs::file_size(wav) - 44) / (44100 * 4), 3.0, 0.001);
    EXPECT_TRUE(device->Journal().empty()) << "rendering never touches the output device";

    ProgramPaths::OverrideExecutableDir(dir.string());
    const std::string chords = WriteSong("chords.qs", 1, 120, true);
    const fs::path failed = dir / "failed.wav";
    const int code = SongConverter::Run(Line({"-o", failed.string(), chords}), errors);
    ProgramPaths::OverrideExecutableDir("");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(errors.str(), "No accompaniment style available\n");
    EXPECT_FALSE(fs::exists(failed));
}

// Reported as exported at -23 dBFS, far quieter than other programs' exports.
TEST_F(WavExportTest, TheExampleMinuetPeaksAtMinusOneDb) {
    const fs::path minuet =
        fs::path(QUILLSONG_TEST_DATA) / ".." / ".." / "examples" / "PianoMinuet.qs";
    const fs::path wav = dir / "minuet.wav";
    ASSERT_EQ(SongConverter::Run(Line({"-o", wav.string(), minuet.string()}), errors), 0)
        << errors.str();
    std::ifstream in(wav, std::ios::binary);
    in.seekg(44);
    int peak = 0;
    for (char bytes[2]; in.read(bytes, 2);) {
        const auto sample = std::int16_t(std::uint8_t(bytes[0]) | std::uint8_t(bytes[1]) << 8);
        peak = std::max(peak, std::abs(int(sample)));
    }
    EXPECT_NEAR(20 * std::log10(peak / 32767.0), -1.0, 0.05);
}

}  // namespace
