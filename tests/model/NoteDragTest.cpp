#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editor/ToolsManager.h"
#include "support/NoteBarTestKit.h"
#include "support/RecordingObserver.h"

using namespace notebar_test;

namespace {

// Dragging a written note up and down the staff of a melodic bar.
class NoteDragTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = MakeSong(4, 4);
    }
    // A height inside the band of a staff position of the bar.
    static int HeightOf(const NoteBar& bar, int position) {
        return bar.GetBox().y + 175 - 10 * position;
    }

    std::unique_ptr<Song> song;
};

TEST_F(NoteDragTest, ANoteTakesThePositionUnderThePointAndLosesItsWrittenAccidental) {
    struct Case {
        const char* name;
        int track;
        const char* written;
        int position;
        const char* expected;  // the moved note
    };
    const Case cases[] = {
        {"up a third", 0, "E5", 7, "G5"},
        {"down to the lowest position", 0, "E5", 0, "G4"},
        {"to the highest position", 0, "E5", 17, "C7"},
        {"a sharp stays behind", 0, "F#5", 7, "G5"},
        {"a natural stays behind", 0, "Bn4", 3, "C5"},
        {"bass positions", 1, "D4", 0, "B2"},
    };
    for (const Case& c : cases) {
        SetUp();
        auto& bar = static_cast<MelodicBar&>(*song->GetBar(c.track, 1));
        Note* note = Put(bar, 0, c.written, 4);
        ASSERT_NE(note, nullptr) << c.name;
        const std::string before = GridText(bar);
        ASSERT_TRUE(bar.MoveNoteToStaffPoint(*note, HeightOf(bar, c.position))) << c.name;
        EXPECT_EQ(NoteText(*note), c.expected) << c.name;
        EXPECT_EQ(GridText(bar).substr(GridText(bar).find(' ')), before.substr(before.find(' ')))
            << c.name << ": the other chords stay";
        EXPECT_EQ(note->GetBox(), NoteBar::HeadBox(bar.PlaceNote(*note), false))
            << c.name << ": the head stands on its new position";
        EXPECT_EQ(GridViolation(bar), "") << c.name;
    }
}

TEST_F(NoteDragTest, RefusalsChangeNothing) {
    MelodicBar& bar = Treble(*song, 1);
    Note* e5 = Put(bar, 0, "E5", 4);
    Put(bar, 0, "G5", 4);
    Note* rest = At(bar, 24);
    Note* other = Put(Treble(*song, 2), 0, "C5", 4);
    const int top = bar.GetBox().y;
    struct Case {
        const char* name;
        std::function<bool()> drag;
    };
    const Case cases[] = {
        {"above the staff", [&] { return bar.MoveNoteToStaffPoint(*e5, top - 40); }},
        {"just above the highest position", [&] { return bar.MoveNoteToStaffPoint(*e5, top - 1); }},
        {"a band below the lowest position",
         [&] { return bar.MoveNoteToStaffPoint(*e5, top + 195); }},
        {"the position it has", [&] { return bar.MoveNoteToStaffPoint(*e5, HeightOf(bar, 5)); }},
        {"onto a pitch of its chord",
         [&] { return bar.MoveNoteToStaffPoint(*e5, HeightOf(bar, 7)); }},
        {"a rest", [&] { return bar.MoveNoteToStaffPoint(*rest, HeightOf(bar, 7)); }},
        {"a note of another bar",
         [&] { return bar.MoveNoteToStaffPoint(*other, HeightOf(bar, 7)); }},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Refused(*song, 0, c.drag)) << c.name;
    }
}

TEST_F(NoteDragTest, LaterNotesOfTheOldLetterSoundTheKeyAgain) {
    MelodicBar& bar = Treble(*song);
    Note* sharp = Put(bar, 0, "F#5", 4);
    Note* later = Put(bar, 24, "F5", 4);
    ASSERT_EQ(later->MidiKeyOf(), 66);
    ASSERT_TRUE(bar.MoveNoteToStaffPoint(*sharp, HeightOf(bar, 7)));
    EXPECT_EQ(later->MidiKeyOf(), 65);
    EXPECT_EQ(sharp->MidiKeyOf(), 67);
}

TEST_F(NoteDragTest, ADraggedTiedNoteLeavesItsTiesOnBothSides) {
    Track& track = *song->GetTrack(0);
    Note* first = Put(Treble(*song, 0), 0, "C5", 1);
    Note* middle = Put(Treble(*song, 1), 0, "C5", 1);
    Note* last = Put(Treble(*song, 2), 0, "C5", 1);
    ASSERT_TRUE(track.AddTie(first));
    ASSERT_TRUE(track.AddTie(middle));
    ASSERT_TRUE(middle->IsTieMiddle());

    ASSERT_TRUE(Treble(*song, 1).MoveNoteToStaffPoint(*middle, HeightOf(Treble(*song, 1), 4)));
    EXPECT_EQ(NoteText(*middle), "D5");
    EXPECT_FALSE(first->IsTied());
    EXPECT_FALSE(last->IsTied());
    EXPECT_EQ(TieViolation(track), "");
}

TEST_F(NoteDragTest, AMoveRepaintsButLeavesTheRecordToTheEndOfTheDrag) {
    MelodicBar& bar = Treble(*song, 1);
    Note* note = Put(bar, 0, "E5", 4);
    RecordingObserver watcher;
    bar.Attach(&watcher, 8);
    bar.Attach(&watcher, 10);
    ToolsManager::Instance().ClearDirtyRects();

    ASSERT_TRUE(bar.MoveNoteToStaffPoint(*note, HeightOf(bar, 9)));
    EXPECT_TRUE(watcher.calls.empty());
    const std::vector<Rect> dirty = ToolsManager::Instance().DirtyRects();
    ASSERT_FALSE(dirty.empty());
    EXPECT_EQ(dirty.back(), bar.GetBoundingRect());
}

}  // namespace
