#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/ChordBar.h"
#include "model/DynamicMark.h"
#include "model/NewSongBuilder.h"
#include "model/RecordBytes.h"
#include "model/SongRecord.h"
#include "model/StyleCombo.h"
#include "support/NoteBarTestKit.h"
#include "support/RecordingObserver.h"
#include "support/SongFidelity.h"

// The undo history's record of a song: a song made again from it is the
// recorded song in every field, parents, observers and geometry included,
// whatever happens to the song after the record was made.
namespace {

using namespace notebar_test;

class SongRecordTest : public EngineReset {
protected:
    // The chord track comes first, so the treble track is in slot 1.
    static NoteBar& TrebleBar(Song& song, int bar) {
        return static_cast<NoteBar&>(*song.GetBar(1, bar));
    }

    // Chords, accidentals, dots, triplets, ties across a bar line, marks,
    // lyrics (one measured wider than its layout box), chord boxes in
    // both spellings with sub-styles, free texts, and every control changed.
    std::unique_ptr<Song> EveryKindOfContent() {
        auto song = MakeSong(4, 4, 3);
        song->AddAccompanimentTrack();
        Track& treble = *song->GetTrack(1);
        Track& drums = *song->GetTrack(3);
        treble.ShowLyrics();
        drums.ShowLyrics();
        auto& first = static_cast<NoteBar&>(*treble.GetBar(0));
        Put(first, 0, "C#5", 4);
        Put(first, 0, "E5", 4);
        Put(first, 24, "Bb4", 8, true);
        Put(first, 48, "G5", 2);
        Put(static_cast<NoteBar&>(*treble.GetBar(1)), 0, "G5", 4);
        EXPECT_TRUE(treble.AddTie(At(first, 48)));
        Put(static_cast<NoteBar&>(*treble.GetBar(1)), 24, "A5", 8, false, true);
        EXPECT_TRUE(first.AddMark(0, DynamicMark::FF));
        first.GetLyrics().begin()->second->SetText("Twin");
        first.GetLyrics().rbegin()->second->SetText("twinkle twinkle little");
        Put(static_cast<NoteBar&>(*song->GetBar(2, 2)), 0, "D3", 1);
        auto& beat = static_cast<NoteBar&>(*drums.GetBar(0));
        Put(beat, 0, "C5", 4);
        Put(beat, 48, "C5", 8);
        EXPECT_TRUE(beat.AddMark(48, DynamicMark::Accent));
        auto& chords = static_cast<ChordBar&>(*song->GetBar(0, 1));
        chords.GetBeatBox(0)->SetChordNumber(14, false);
        chords.GetBeatBox(0)->SetSubStyle(ChordCombo::FillIn);
        chords.GetBeatBox(2)->SetSharps(false);
        chords.GetBeatBox(2)->SetChordNumber(17, false);
        song->GetTitleText()->SetText("Lullaby");
        song->GetAuthorText()->SetText("");
        song->AddUserText(300, 400)->SetText("softly");
        song->AddUserText(900, 120)->MoveTo(950, 140);
        treble.SetTitle("Flute");
        treble.SetProgram(73);
        treble.SetVolume(35);
        treble.SetMuted(true);
        drums.GetVolumeSlider()->SetChanged(true);
        static_cast<StyleCombo*>(song->GetTrack(0)->GetSelector())->SetStyles({"Pop", "Waltz"});
        song->GetTrack(0)->GetSelector()->SetIndex(1, false);
        song->SetTempo(132);
        song->Relayout();
        first.GetLyrics().rbegin()->second->Measure();
        return song;
    }

    RecordingObserver view;
    RecordingObserver oneBarOnly;
};

TEST_F(SongRecordTest, RebuildingGivesTheRecordedSongInEveryField) {
    struct Case {
        const char* song;
        std::function<std::unique_ptr<Song>()> make;
    };
    const std::vector<Case> cases = {
        {"the first song", [] { return NewSongBuilder::FirstStartSong(); }},
        {"every kind of content", [this] { return EveryKindOfContent(); }},
        {"6/8 in three flats", [] { return MakeSong(6, 8, 5, -3); }},
        {"no tracks at all",
         [] {
             return std::make_unique<Song>("t", "a", 4, 90, Song::TimeSignature{3, 4}, 2);
         }},
        {"observed as the window observes it, one bar by one more",
         [this] {
             auto song = EveryKindOfContent();
             for (const int aspect : {8, 9, 10}) {
                 song->Attach(&view, aspect);
             }
             song->GetBar(1, 2)->Attach(&oneBarOnly, 3);
             Put(TrebleBar(*song, 1), 48, "D5", 4);
             return song;
         }},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<Song> song = c.make();
        const std::unique_ptr<Song> rebuilt = SongRecord::Of(*song)->Rebuild();
        ASSERT_NE(rebuilt, nullptr) << c.song;
        EXPECT_EQ(SongFidelity().Difference(*song, *rebuilt), "") << c.song;
        // What the copy constructor gives, too: the song itself unobserved,
        // and no generated accompaniment.
        EXPECT_FALSE(rebuilt->HasObservers()) << c.song;
        EXPECT_TRUE(rebuilt->GeneratedAccompaniment().empty()) << c.song;
    }
}

TEST_F(SongRecordTest, ARecordKeepsItsStateWhileTheSongGoesOn) {
    auto song = EveryKindOfContent();
    const Song atRecord(*song);
    const std::unique_ptr<Undoable> record = song->Snapshot();

    Put(TrebleBar(*song, 2), 0, "F5", 4);
    song->GetTrack(1)->HideLyrics();
    static_cast<ChordBar&>(*song->GetBar(0, 0)).GetBeatBox(1)->SetChordNumber(4, false);
    song->GetTitleText()->SetText("Changed");
    song->DeleteTrack(2);
    song->InsertBars(2, 0, true);

    const std::unique_ptr<Song> rebuilt = Song::CopyOf(*record);
    ASSERT_NE(rebuilt, nullptr);
    EXPECT_EQ(SongFidelity().Difference(atRecord, *rebuilt), "");
}

TEST_F(SongRecordTest, EveryRebuildIsASongOfItsOwn) {
    auto song = EveryKindOfContent();
    const auto record = SongRecord::Of(*song);
    const auto copyOfRecord = record->Snapshot();
    auto first = record->Rebuild();
    Put(TrebleBar(*first, 2), 0, "F5", 4);
    first->GetTrack(1)->SetVolume(5);
    first->GetUserTexts()[0]->SetText("changed");

    const auto second = Song::CopyOf(*copyOfRecord);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(SongFidelity().Difference(*song, *second), "");
    EXPECT_NE(SongEquality().Difference(*first, *second), "");
}

TEST_F(SongRecordTest, RebuildingTellsTheSoundEngineNothing) {
    auto song = EveryKindOfContent();
    const auto record = SongRecord::Of(*song);
    SoundEngine& engine = SoundEngine::Instance();
    engine.ResetChannels();
    engine.SetTempo(77, false);
    const int channel = engine.TrackChannel(1);
    const int volume = engine.TrackVolume(1);
    const auto rebuilt = record->Rebuild();
    EXPECT_EQ(engine.TrackChannel(1), channel);
    EXPECT_EQ(engine.TrackVolume(1), volume);
    EXPECT_EQ(engine.GetTempo(), 77);
    EXPECT_EQ(rebuilt->GetTempo(), 132);
}

TEST_F(SongRecordTest, CopyOfTakesWholeCopiesTooAndNothingElse) {
    auto song = EveryKindOfContent();
    const Song& asUndoable = *song;
    const auto copy = Song::CopyOf(static_cast<const Undoable&>(asUndoable));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(SongEquality(true).Difference(*song, *copy), "");

    struct Stranger : Undoable {
        std::unique_ptr<Undoable> Snapshot() const override { return nullptr; }
    };
    EXPECT_EQ(Song::CopyOf(Stranger()), nullptr);
}

// Fields of every size cross the chunks' ends: a field never straddles two
// chunks, raw bytes do, and everything reads back in order.
TEST(RecordBytesTest, FieldsAndRawBytesReadBackAcrossChunks) {
    struct Wide {
        std::int32_t values[11];
    };
    RecordBytes bytes;
    std::vector<std::int32_t> expected;
    const std::string text(300, 'x');
    for (std::int32_t i = 0; i < 20000; ++i) {
        if (i % 7 == 0) {
            Wide wide{};
            for (std::int32_t& value : wide.values) {
                value = i;
            }
            bytes.Append(wide);
        } else if (i % 7 == 1) {
            bytes.Append(text.data(), text.size());
        } else {
            bytes.Append(i);
        }
        expected.push_back(i);
    }
    EXPECT_GT(bytes.Capacity(), 2 * RecordBytes::kChunkSize);

    RecordBytes::Cursor cursor(bytes);
    for (std::int32_t i : expected) {
        if (i % 7 == 0) {
            const Wide wide = cursor.Read<Wide>();
            ASSERT_EQ(wide.values[0], i);
            ASSERT_EQ(wide.values[10], i);
        } else if (i % 7 == 1) {
            std::string back(text.size(), ' ');
            cursor.Take(back.data(), back.size());
            ASSERT_EQ(back, text) << i;
        } else {
            ASSERT_EQ(cursor.Read<std::int32_t>(), i);
        }
    }
    EXPECT_TRUE(cursor.AtEnd());
    EXPECT_THROW(cursor.Read<std::int32_t>(), std::out_of_range);
    EXPECT_THROW(RecordBytes::Cursor(RecordBytes()).Read<char>(), std::out_of_range);
}

}  // namespace
