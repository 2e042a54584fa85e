#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/MidiExportReader.h"
#include "files/MidiExporter.h"
#include "model/InstrumentCombo.h"
#include "model/MelodicBar.h"
#include "model/PercussionBar.h"
#include "model/Song.h"
#include "platform/Exception.h"
#include "platform/ProgramPaths.h"
#include "support/FileSizeLimit.h"
#include "support/PatternFolderTest.h"

// The exported file as another program reads it: tracks, event order,
// ticks, velocities, ties and markings.
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class MidiExportTest : public PatternFolderTest {
protected:
    MidiExportTest() : PatternFolderTest("midi-export") {}

    Song& NewSong(int bars, int tempo, Song::TimeSignature time = {4, 4}, int key = 0) {
        song = std::make_unique<Song>("Song", "Me", bars, tempo, time, key);
        return *song;
    }
    NoteBar* BarOf(int track, int bar) { return static_cast<NoteBar*>(song->GetBar(track, bar)); }
    // A plain note of the written value (4 a quarter) at the step.
    Note* Put(int track, int bar, int step, char letter, int octave = 5, int value = 4) {
        return BarOf(track, bar)
            ->InsertNote(step, letter, octave, Note::NoAccidental, value, false, false);
    }
    MidiExportReader::File Export(const std::string& name = "song.mid") {
        path = dir / name;
        MidiExporter::WriteFile(*song, path.string());
        return MidiExportReader::Read(path);
    }
    std::vector<int> Velocities(const MidiExportReader::File& file, size_t track) {
        std::vector<int> velocities;
        for (const auto& on : file.Only(track, "note_on")) {
            velocities.push_back(on.Int("velocity"));
        }
        return velocities;
    }

    fs::path path;
    std::unique_ptr<Song> song;
};

TEST_F(MidiExportTest, AOneNoteSongGivesAConductorTrackAndANoteTrack) {
    NewSong(1, 120).AddTrebleTrack();
    Put(0, 0, 0, 'C');
    const auto file = Export();
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(file.type, 1);
    EXPECT_EQ(file.division, 24);
    EXPECT_EQ(file.declaredTracks, 2);
    EXPECT_EQ(file.trackChunks, 2);
    EXPECT_EQ(file.trailingBytes, 0);
    EXPECT_EQ(file.Lines(0),
              (Lines{"0 text text=Created with Quillsong3",
                     "0 time_signature numerator=4 denominator=4 clocks_per_click=24 "
                     "notated_32nd_notes_per_beat=8",
                     "0 key_signature key=C", "0 set_tempo tempo=500000", "0 end_of_track"}));
    const int channel = SoundEngine::Instance().TrackChannel(0);
    ASSERT_GE(channel, 0);
    const std::string ch = "channel=" + std::to_string(channel);
    // Full volume, piano, and the note for its whole length (playback lets
    // go one step early; a file does not need to).
    EXPECT_EQ(
        file.Lines(1),
        (Lines{"0 track_name name=Track 1", "0 control_change " + ch + " control=7 value=127",
               "0 program_change " + ch + " program=0", "0 note_on " + ch + " note=60 velocity=76",
               "24 note_off " + ch + " note=60 velocity=0", "96 end_of_track"}));
}

TEST_F(MidiExportTest, TimeAndKeySignaturesAndTheEnginesTempo) {
    struct Case {
        Song::TimeSignature time;
        int key;
        int tempo;
        std::string timeLine;
        std::string keyLine;
        int microseconds;
    };
    const std::vector<Case> cases = {
        // x/8 counts dotted quarters: 90 quarters a minute.
        {{6, 8}, 0, 60, "6 denominator=8 clocks_per_click=36", "C", 666666},
        {{2, 2}, -3, 100, "2 denominator=2 clocks_per_click=48", "Eb", 300000},
        {{3, 4}, 2, 90, "3 denominator=4 clocks_per_click=24", "D", 666666},
        {{4, 4}, 6, 208, "4 denominator=4 clocks_per_click=24", "F#", 288461},
    };
    for (const Case& c : cases) {
        NewSong(1, c.tempo, c.time, c.key).AddBassTrack();
        const auto file = Export();
        ASSERT_EQ(file.error, "");
        EXPECT_EQ(
            file.Lines(0),
            (Lines{"0 text text=Created with Quillsong3",
                   "0 time_signature numerator=" + c.timeLine + " notated_32nd_notes_per_beat=8",
                   "0 key_signature key=" + c.keyLine,
                   "0 set_tempo tempo=" + std::to_string(c.microseconds), "0 end_of_track"}))
            << c.time.numerator << "/" << c.time.denominator;
    }
    // The tempo the transport shows is the one written, and the song keeps it.
    NewSong(1, 120).AddTrebleTrack();
    SoundEngine::Instance().SetTempo(90, false);
    EXPECT_EQ(Export().Only(0, "set_tempo").at(0).Int("tempo"), 666666);
    EXPECT_EQ(song->GetTempo(), 90);
}

TEST_F(MidiExportTest, TiedNotesSoundAsOneAndNotesEndBeforeTheNextBegins) {
    NewSong(2, 120).AddTrebleTrack();
    Track& track = *song->GetTrack(0);
    Put(0, 0, 0, 'C');
    Put(0, 0, 24, 'D');
    Note* e = Put(0, 0, 48, 'E');
    Put(0, 0, 72, 'E');
    Note* g = Put(0, 0, 72, 'G');
    Note* gNextBar = Put(0, 1, 0, 'G');
    Put(0, 1, 24, 'G');
    // The last note ends with the song.
    Put(0, 1, 48, 'A', 5, 2);
    // Two tied quarters, and a tie of three quarters across the bar line.
    ASSERT_TRUE(track.AddTie(e));
    ASSERT_TRUE(track.AddTie(g));
    ASSERT_TRUE(track.AddTie(gNextBar));

    const auto file = Export();
    ASSERT_EQ(file.error, "");
    Lines notes;
    for (const auto& event : file.tracks.at(1)) {
        if (event.type == "note_on" || event.type == "note_off" || event.type == "end_of_track") {
            notes.push_back(std::to_string(event.tick) + " " + event.type + " " +
                            std::to_string(event.Int("note")));
        }
    }
    EXPECT_EQ(notes, (Lines{"0 note_on 60", "24 note_off 60", "24 note_on 62", "48 note_off 62",
                            "48 note_on 64", "72 note_on 67", "96 note_off 64", "144 note_off 67",
                            "144 note_on 69", "192 note_off 69", "192 end_of_track -1"}));
}

TEST_F(MidiExportTest, ADelayOf200TicksIsWrittenInTwoBytes) {
    NewSong(3, 120).AddTrebleTrack();
    // A dotted half, then two eighth-note triplet members from step 72: the
    // last note ends at tick 88, 200 ticks before the end of the third bar.
    ASSERT_NE(BarOf(0, 0)->InsertNote(0, 'E', 5, Note::NoAccidental, 2, true, false), nullptr);
    ASSERT_NE(BarOf(0, 0)->InsertNote(72, 'C', 5, Note::NoAccidental, 8, false, true), nullptr);
    ASSERT_NE(BarOf(0, 0)->InsertNote(80, 'D', 5, Note::NoAccidental, 8, false, true), nullptr);
    const auto file = Export();
    ASSERT_EQ(file.error, "");
    const auto& last = file.tracks.at(1).back();
    EXPECT_EQ(last.Line(), "288 end_of_track");
    EXPECT_EQ(last.delta, 200u);
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes(std::istreambuf_iterator<char>(in), {});
    const std::vector<unsigned char> ending = {0x81, 0x48, 0xFF, 0x2F, 0x00};
    ASSERT_GE(bytes.size(), ending.size());
    EXPECT_EQ(std::vector<unsigned char>(bytes.end() - 5, bytes.end()), ending);
}

TEST_F(MidiExportTest, MarkingsCarryAcrossBarsAndStartAgainAtMfInEveryTrack) {
    NewSong(2, 120).AddTrebleTrack();
    song->AddBassTrack();
    for (int bar = 0; bar < 2; ++bar) {
        for (int step = 0; step < 96; step += 24) {
            Put(0, bar, step, 'C');
        }
    }
    Put(1, 0, 0, 'C', 3);
    Put(1, 1, 0, 'C', 3);
    ASSERT_TRUE(BarOf(0, 0)->AddMark(24, DynamicMark::PP));
    ASSERT_TRUE(BarOf(0, 0)->AddMark(72, DynamicMark::FF));
    ASSERT_TRUE(BarOf(0, 1)->AddMark(24, DynamicMark::SF));
    ASSERT_TRUE(BarOf(0, 1)->AddMark(48, DynamicMark::P));
    ASSERT_TRUE(BarOf(0, 1)->AddMark(72, DynamicMark::Accent));
    // Marks that name no level leave the level as it is.
    ASSERT_TRUE(BarOf(1, 1)->AddMark(0, DynamicMark::Cresc));

    const auto file = Export();
    ASSERT_EQ(file.error, "");
    // MF 76, PP 38, FF 101 carried into the next bar, FF + SF 0.8 + 0.3
    // clipped to 127 for its note only, P 50, P + ACCENT 0.4 + 0.2 = 0.6.
    EXPECT_EQ(Velocities(file, 1), (std::vector<int>{76, 38, 38, 101, 101, 127, 50, 76}));
    EXPECT_EQ(Velocities(file, 2), (std::vector<int>{76, 76}));
}

TEST_F(MidiExportTest, DrumsPlayAtFullVolumeAndTheirVolumeShowsInTheVelocities) {
    NewSong(1, 120).AddPercussionTrack();
    Track& drums = *song->GetTrack(0);
    static_cast<InstrumentCombo*>(drums.GetSelector())->SetProgram(42, true);
    drums.SetVolume(50);
    Put(0, 0, 0, 'C');
    Put(0, 0, 24, 'C');
    Put(0, 0, 48, 'C');
    ASSERT_TRUE(BarOf(0, 0)->AddMark(24, DynamicMark::SF));
    ASSERT_TRUE(BarOf(0, 0)->AddMark(48, DynamicMark::FFF));

    const auto file = Export();
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(file.Lines(1)[1], "0 control_change channel=9 control=7 value=127");
    EXPECT_EQ(file.Lines(1)[2], "0 program_change channel=9 program=0");
    // MF at half volume 0.6 x 0.5 = 0.3; with SF 0.3 + 0.3; FFF 0.9 x 0.5.
    EXPECT_EQ(Velocities(file, 1), (std::vector<int>{38, 76, 57}));
    for (const auto& on : file.Only(1, "note_on")) {
        EXPECT_EQ(on.Int("note"), 42);
        EXPECT_EQ(on.Int("channel"), 9);
    }
}

TEST_F(MidiExportTest, KeysOutsideTheMidiRangeAreLeftOut) {
    NewSong(1, 120).AddTrebleTrack();
    song->AddBassTrack();
    // A above the highest G is key 129; C flat below the lowest C is -1.
    ASSERT_NE(Put(0, 0, 0, 'A', 10), nullptr);
    ASSERT_NE(Put(0, 0, 0, 'C', 5), nullptr);
    ASSERT_NE(BarOf(1, 0)->InsertNote(0, 'C', 0, Note::Flat, 4, false, false), nullptr);
    ASSERT_NE(Put(1, 0, 24, 'G', 10), nullptr);
    ASSERT_EQ(BarOf(0, 0)->MidiKeyOf(*BarOf(0, 0)->GetChordAt(0)->GetNote(0)), 129);

    const auto file = Export();
    ASSERT_EQ(file.error, "");
    std::vector<int> keys;
    for (size_t track = 1; track < 3; ++track) {
        for (const auto& event : file.tracks.at(track)) {
            if (event.type == "note_on" || event.type == "note_off") {
                keys.push_back(event.Int("note"));
            }
        }
    }
    EXPECT_EQ(keys, (std::vector<int>{60, 60, 127, 127}));
}

TEST_F(MidiExportTest, TracksTheEngineHasNoChannelForGetOne) {
    NewSong(1, 120).AddTrebleTrack();
    song->AddBassTrack();
    song->AddPercussionTrack();
    for (int track = 0; track < 3; ++track) {
        Put(track, 0, 0, 'C', track == 1 ? 3 : 5);
    }
    SoundEngine::Instance().ResetChannels();
    const auto file = Export();
    ASSERT_EQ(file.error, "");
    const int treble = file.Channel(1);
    const int bass = file.Channel(2);
    EXPECT_TRUE(treble >= 0 && treble < 16 && treble != 9) << treble;
    EXPECT_TRUE(bass >= 0 && bass < 16 && bass != 9) << bass;
    EXPECT_NE(treble, bass);
    EXPECT_EQ(file.Channel(3), 9);
    // Every channel event of a track is on the track's channel.
    for (size_t track = 1; track < 4; ++track) {
        for (const auto& event : file.tracks.at(track)) {
            if (event.values.count("channel") != 0) {
                EXPECT_EQ(event.Int("channel"), file.Channel(track)) << event.Line();
            }
        }
    }
}

TEST_F(MidiExportTest, WriteFailuresAreReportedAndLeaveNoFileBehind) {
    NewSong(4, 120).AddTrebleTrack();
    for (int bar = 0; bar < 4; ++bar) {
        for (int step = 0; step < 96; step += 6) {
            Put(0, bar, step, 'C', 5, 16);
        }
    }
    try {
        MidiExporter::WriteFile(*song, (dir / "missing" / "song.mid").string());
        ADD_FAILURE() << "a file in a missing folder was reported written";
    } catch (const IOException& e) {
        EXPECT_STREQ(e.what(), "Write file error");
    }

    // The disk fills up after the file was created.
    const fs::path full = dir / "full.mid";
    std::string message = "nothing reported";
    {
        const FileSizeLimit limit(200);
        ASSERT_TRUE(limit.IsActive());
        try {
            MidiExporter::WriteFile(*song, full.string());
        } catch (const IOException& e) {
            message = e.what();
        }
    }
    EXPECT_EQ(message, "Write file error");
    EXPECT_FALSE(fs::exists(full));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "only the Pattern folder is left";
}

}  // namespace
