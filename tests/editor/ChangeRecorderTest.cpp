#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editor/ChangeRecorder.h"
#include "editor/UndoManager.h"
#include "model/ChordBar.h"
#include "model/ChordCombo.h"
#include "model/SongText.h"
#include "support/NoteBarTestKit.h"

namespace {

using namespace notebar_test;

class ChangeRecorderTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = MakeSong(4, 4);
        song->AddAccompanimentTrack();
        recorder.Watch(*song);
        history.Record(*song, UndoManager::kInitTag, UndoManager::kInitTag);
        ToolsManager::Instance().ClearDirtyRects();
    }
    // Slot 0 holds the chords; the treble, bass and drums follow.
    MelodicBar& TrebleBar(int index) { return static_cast<MelodicBar&>(*song->GetBar(1, index)); }
    PercussionBar& DrumBar(int index) {
        return static_cast<PercussionBar&>(*song->GetBar(3, index));
    }
    ChordBar& ChordsBar(int index) { return static_cast<ChordBar&>(*song->GetBar(0, index)); }
    int Entries() const { return history.Count(); }
    std::string LastName() const { return history.NameAt(history.CurrentIndex()); }

    UndoManager history;
    ChangeRecorder recorder{history};
    std::unique_ptr<Song> song;
};

TEST_F(ChangeRecorderTest, EachCompletedEditRecordsOneEntryUnderItsName) {
    struct Case {
        const char* edit;
        std::function<bool()> run;
        const char* name;
    };
    const std::vector<Case> cases = {
        {"pencil on a treble bar",
         [&] {
             const Box box = TrebleBar(1).GetBox();
             return TrebleBar(1).InsertNoteAt(box.x + 300, box.y + 175, Pencil()) != nullptr;
         },
         "Bar data changed"},
        {"pencil on a drum bar",
         [&] {
             const Box box = DrumBar(0).GetBox();
             return DrumBar(0).InsertNoteAt(box.x + 10, box.y + 3, Pencil()) != nullptr;
         },
         "Bar data changed"},
        {"eraser on the note just written",
         [&] {
             const Box head = TrebleBar(1).FirstChord()->First()->GetBox();
             return TrebleBar(1).EraseNoteAt(head.x + head.width / 2, head.y + head.height / 2);
         },
         "Bar data changed"},
        {"a chord box cycled",
         [&] {
             ChordsBar(2).GetBeatBox(0)->OnActivate(nullptr, 0, 0, 0);
             return true;
         },
         "Bar data changed"},
        {"a text box committed",
         [&] {
             song->GetTitleText()->SetText("Lullaby");
             EditingState::Instance().AddDirtyRect(song->GetTitleText()->GetBoundingRect());
             song->GetTitleText()->Notify(ChangeRecorder::kRepaintAspect);
             song->GetTitleText()->Notify(ChangeRecorder::kChangedAspect);
             return true;
         },
         "Data changed"},
    };
    for (const Case& c : cases) {
        const int before = Entries();
        ASSERT_TRUE(c.run()) << c.edit;
        EXPECT_EQ(Entries(), std::min(before + 1, UndoManager::kLimit)) << c.edit;
        EXPECT_EQ(LastName(), c.name) << c.edit;
        EXPECT_FALSE(recorder.TakeRepaintAreas().empty()) << c.edit << " repaints nothing";
    }
}

TEST_F(ChangeRecorderTest, ErasingATieRecordsOneEntryAndRepaintsBothBars) {
    Note* first = Put(TrebleBar(0), 0, "C5", 1);
    Put(TrebleBar(1), 0, "C5", 4);
    ASSERT_TRUE(song->GetTrack(1)->AddTie(first));
    const int before = Entries();
    recorder.TakeRepaintAreas();

    ASSERT_TRUE(song->GetTrack(1)->EraseTie(first));
    EXPECT_EQ(Entries(), before + 1);
    EXPECT_EQ(LastName(), "Bar data changed");
    EXPECT_GE(recorder.TakeRepaintAreas().size(), 2u);
}

TEST_F(ChangeRecorderTest, RefusedEditsAndBuildingStepsRecordNothing) {
    const Box box = TrebleBar(0).GetBox();
    EXPECT_EQ(TrebleBar(0).InsertNoteAt(box.x - 5, box.y + 100, Pencil()), nullptr);
    EXPECT_FALSE(TrebleBar(0).EraseNoteAt(box.x - 5, box.y + 100));
    // A step of a command that records under its own name.
    ASSERT_NE(TrebleBar(0).InsertNote(0, 'E', 5, Note::NoAccidental, 4, false, false), nullptr);
    ASSERT_TRUE(TrebleBar(0).EraseNote(TrebleBar(0).FirstChord()->First()));
    EXPECT_EQ(Entries(), 1);
    EXPECT_EQ(LastName(), UndoManager::kInitTag);
}

TEST_F(ChangeRecorderTest, RecordsTheSongAsItIsAfterTheEdit) {
    const Box box = TrebleBar(1).GetBox();
    ASSERT_NE(TrebleBar(1).InsertNoteAt(box.x + 300, box.y + 175, Pencil()), nullptr);
    const std::unique_ptr<Song> recorded = Song::CopyOf(*history.Current());
    ASSERT_NE(recorded, nullptr);
    EXPECT_EQ(GridText(static_cast<MelodicBar&>(*recorded->GetBar(1, 1))), GridText(TrebleBar(1)));
    EXPECT_NE(GridText(TrebleBar(1)), GridText(TrebleBar(0)));
}

}  // namespace
