#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>

#include "files/MidiExportReader.h"
#include "files/MidiExporter.h"
#include "files/SongFiles.h"
#include "model/ChordBar.h"
#include "model/InstrumentCombo.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "platform/ProgramPaths.h"
#include "playback/MessageRecorder.h"
#include "playback/SoundEngine.h"
#include "support/LargestSong.h"
#include "support/PatternFolderTest.h"

// Songs with an accompaniment track: the file holds the tracks its style
// expands to, each with a channel of its own, and another player sounds them.
namespace {

namespace fs = std::filesystem;

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr const char* kFluidSynth = "/usr/bin/fluidsynth";

struct StyleTrack {
    int type;
    const char* name;
    int program;  // the drum key on a percussion track
    int volume;
};

class MidiExportAccompanimentTest : public PatternFolderTest {
protected:
    MidiExportAccompanimentTest() : PatternFolderTest("midi-accomp") {}

    // A 4/4 style whose every variation is a quarter note on beats 1 and 3.
    void WriteStyle(const std::string& file, const std::vector<StyleTrack>& tracks) {
        Song pattern("pattern", "test", Track::kMaxPatternRows, 100, {4, 4}, 0);
        for (size_t t = 0; t < tracks.size(); ++t) {
            const int slot = tracks[t].type == PercussionTrack ? pattern.AddPercussionTrack()
                             : tracks[t].type == BassTrack     ? pattern.AddBassTrack()
                                                               : pattern.AddTrebleTrack();
            ASSERT_EQ(slot, static_cast<int>(t));
            Track& track = *pattern.GetTrack(slot);
            track.SetTitle(tracks[t].name);
            static_cast<InstrumentCombo*>(track.GetSelector())
                ->SetProgram(tracks[t].program, false);
            track.GetVolumeSlider()->SetValue(tracks[t].volume, false);
            const int octave = tracks[t].type == BassTrack ? 3 : 5;
            for (int p = 0; p < Track::kMaxPatternRows; ++p) {
                auto* bar = static_cast<NoteBar*>(track.GetBar(p));
                bar->InsertNote(0, 'C', octave, Note::NoAccidental, 4, false, false);
                bar->InsertNote(48, 'C', octave, Note::NoAccidental, 4, false, false);
            }
        }
        SongFiles::Save(pattern, (dir / "Pattern" / file).string());
    }
    void WriteBandStyle() {
        WriteStyle("44_Band.qsx", {{TrebleTrack, "Keys", 4, 70},
                                   {BassTrack, "Bass", 33, 100},
                                   {PercussionTrack, "Drums", 42, 80}});
    }
    // Two bars with a chord each, a treble track after the accompaniment.
    void MakeSong(int accompanimentVolume) {
        song = std::make_unique<Song>("s", "a", 2, 120, Song::TimeSignature{4, 4}, 0);
        song->AddAccompanimentTrack();
        song->AddTrebleTrack();
        Chord(0, "C");
        Chord(1, "G");
        song->GetTrack(0)->SetVolume(accompanimentVolume);
    }
    void Chord(int bar, const char* name) {
        static_cast<ChordBar*>(song->GetBar(0, bar))->GetBeatBox(0)->SelectText(name, false);
    }
    MidiExportReader::File Export(const std::string& name = "song.mid") {
        path = dir / name;
        MidiExporter::WriteFile(*song, path.string());
        return MidiExportReader::Read(path);
    }
    static std::string NameOf(const MidiExportReader::File& file, size_t track) {
        const auto names = file.Only(track, "track_name");
        return names.empty() ? "" : names[0].values.at("name");
    }
    static int ControllerOf(const MidiExportReader::File& file, size_t track) {
        return file.Only(track, "control_change").at(0).Int("value");
    }
    static int ProgramOf(const MidiExportReader::File& file, size_t track) {
        return file.Only(track, "program_change").at(0).Int("program");
    }
    // Every channel event of the track is on its channel, a valid one.
    static void ExpectOneValidChannel(const MidiExportReader::File& file, size_t track) {
        const int channel = file.Channel(track);
        EXPECT_TRUE(channel >= 0 && channel < 16) << NameOf(file, track) << ": " << channel;
        for (const auto& event : file.tracks.at(track)) {
            if (event.values.count("channel") != 0) {
                EXPECT_EQ(event.Int("channel"), channel) << NameOf(file, track);
            }
        }
    }
    // Renders the file with FluidSynth; the loudness of the recording.
    double RenderedRms(const fs::path& midi) {
        EXPECT_TRUE(fs::exists(kFluidSynth) && fs::exists(kSoundFont))
            << "scripts/setup.sh installs fluidsynth and fluid-soundfont-gm";
        const fs::path wav = fs::path(midi).replace_extension(".wav");
        int status = 0;
        const std::string output =
            MidiExportReader::Shell(std::string(kFluidSynth) + " -ni -q -F '" + wav.string() +
                                        "' " + kSoundFont + " '" + midi.string() + "'",
                                    status);
        EXPECT_EQ(status, 0) << output;
        long samples = 0;
        const double rms = MidiExportReader::Rms(wav, &samples);
        EXPECT_GT(samples, 44100) << "at least half a second of stereo";
        return rms;
    }

    fs::path path;
    std::unique_ptr<Song> song;
};

TEST_F(MidiExportAccompanimentTest, TheStylesTracksComeFirstScaledByTheAccompanimentVolume) {
    WriteBandStyle();
    MakeSong(50);
    ASSERT_EQ(SoundEngine::Instance().GetStyleName(), "Band");
    const auto file = Export();
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(file.declaredTracks, 5);
    EXPECT_EQ(file.trackChunks, 5);
    EXPECT_EQ(NameOf(file, 1), "Keys");
    EXPECT_EQ(NameOf(file, 2), "Bass");
    EXPECT_EQ(NameOf(file, 3), "Drums");
    EXPECT_EQ(NameOf(file, 4), "Track 2");

    // Pitched: volume x 50% through controller 7 (70 -> 35% -> 44, 100 ->
    // 50% -> 63), velocities of their own dynamics.
    EXPECT_EQ(ControllerOf(file, 1), 44);
    EXPECT_EQ(ControllerOf(file, 2), 63);
    EXPECT_EQ(ProgramOf(file, 1), 4);
    EXPECT_EQ(ProgramOf(file, 2), 33);
    // Drums: full controller, program 0, MF x 80% x 50% = 0.24 in the velocity.
    EXPECT_EQ(file.Channel(3), 9);
    EXPECT_EQ(ControllerOf(file, 3), 127);
    EXPECT_EQ(ProgramOf(file, 3), 0);
    std::vector<std::uint32_t> ticks;
    for (const auto& on : file.Only(3, "note_on")) {
        EXPECT_EQ(on.Int("velocity"), 30);
        EXPECT_EQ(on.Int("note"), 42);
        ticks.push_back(on.tick);
    }
    EXPECT_EQ(ticks, (std::vector<std::uint32_t>{0, 48, 96, 144}));
    for (const auto& on : file.Only(1, "note_on")) {
        EXPECT_EQ(on.Int("velocity"), 76);
    }
    EXPECT_EQ(file.Only(1, "note_on").size(), 4u);

    std::set<int> pitched;
    for (size_t track : {1u, 2u, 4u}) {
        ExpectOneValidChannel(file, track);
        EXPECT_NE(file.Channel(track), 9);
        pitched.insert(file.Channel(track));
    }
    EXPECT_EQ(pitched.size(), 3u) << "each pitched track has a channel of its own";
    EXPECT_TRUE(song->GeneratedAccompaniment().empty()) << "the expansion is freed";
}

TEST_F(MidiExportAccompanimentTest, AStyleThatCannotBeReadLeavesTheAccompanimentOut) {
    WriteBandStyle();
    for (const char* style : {"Gone", "[N/A]"}) {
        MakeSong(100);
        SoundEngine::Instance().SetStyleName(style);
        const auto file = Export();
        ASSERT_EQ(file.error, "");
        EXPECT_EQ(file.declaredTracks, 2) << style;
        EXPECT_EQ(file.trackChunks, 2) << style;
        EXPECT_EQ(NameOf(file, 1), "Track 2") << style;
        EXPECT_TRUE(song->GeneratedAccompaniment().empty());
    }
}

TEST_F(MidiExportAccompanimentTest, EveryTrackGetsAValidChannelWhenTheEngineRunsShort) {
    // Nine treble tracks hold nine melodic channels and the accompaniment
    // track one more; seven pitched style tracks cannot all get one from
    // the engine.
    std::vector<StyleTrack> style;
    const char* names[] = {"P1", "P2", "P3", "P4", "P5", "P6", "Piano"};
    for (int i = 0; i < 7; ++i) {
        style.push_back({TrebleTrack, names[i], i < 6 ? 40 + i : 0, 100});
    }
    style.push_back({PercussionTrack, "Drums", 38, 100});
    WriteStyle("44_Big.qsx", style);
    song = BuildLargestSong(1);
    Chord(0, "C");
    ASSERT_EQ(SoundEngine::Instance().GetStyleName(), "Big");

    const auto file = Export();
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.trackChunks, 1 + 8 + 16);
    EXPECT_EQ(file.declaredTracks, 25);
    std::set<int> distinct;
    for (size_t track = 1; track < file.tracks.size(); ++track) {
        ExpectOneValidChannel(file, track);
        const bool drums = track == 8 || track >= 18;
        if (drums) {
            EXPECT_EQ(file.Channel(track), 9) << NameOf(file, track);
        } else {
            EXPECT_NE(file.Channel(track), 9) << NameOf(file, track);
        }
        if (!drums && track != 7) {
            distinct.insert(file.Channel(track));
        }
    }
    EXPECT_EQ(distinct.size(), 15u) << "six style tracks and nine treble tracks";
    // Sixteen channels are not enough: the last shares with a piano track.
    ASSERT_EQ(NameOf(file, 7), "Piano");
    EXPECT_EQ(ProgramOf(file, 9), 0);
    bool sharesWithAPiano = false;
    for (size_t track = 9; track < 18; ++track) {
        sharesWithAPiano |= file.Channel(track) == file.Channel(7) && ProgramOf(file, track) == 0;
    }
    EXPECT_TRUE(sharesWithAPiano);
}

// Exporting used to ask the engine for a channel for a track that had none,
// and the expanded tracks told the engine their instruments: either sent a
// Program Change to the open device in the middle of an export.
TEST_F(MidiExportAccompanimentTest, ExportSendsNothingToTheDevice) {
    WriteBandStyle();
    SoundEngine& engine = SoundEngine::Instance();
    struct Case {
        const char* what;
        const char* style;
        bool resetTable;
        int trackChunks;
    };
    const Case cases[] = {
        {"the style's tracks have no channel of the engine's", "Band", false, 5},
        {"the song's treble track has no channel after a reset", "[N/A]", true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MakeSong(100);
        engine.SetStyleName(c.style);
        if (c.resetTable) {
            engine.ResetChannels();
        }
        ASSERT_EQ(engine.TrackChannel(1) < 0, c.resetTable);
        MessageRecorder device;
        engine.SetOutput(&device);
        const auto file = Export();
        engine.SetOutput(nullptr);
        ASSERT_EQ(file.error, "");
        EXPECT_EQ(file.trackChunks, c.trackChunks);
        EXPECT_TRUE(device.Messages().empty());
    }
}

TEST_F(MidiExportAccompanimentTest, FluidSynthPlaysTheAccompaniment) {
    WriteBandStyle();
    // Only the accompaniment has notes: what sounds comes from its style.
    MakeSong(100);
    ASSERT_EQ(Export("band.mid").error, "");
    const double band = RenderedRms(path);
    // Without its style the same song has no notes at all.
    SoundEngine::Instance().SetStyleName("[N/A]");
    ASSERT_EQ(Export("silent.mid").error, "");
    const double silent = RenderedRms(path);
    // FluidSynth dithers its 16-bit output, so silence measures about 1.
    EXPECT_GE(silent, 0.0);
    EXPECT_LT(silent, 10.0);
    EXPECT_GT(band, 100.0) << "silent file: " << silent;
}

}  // namespace
