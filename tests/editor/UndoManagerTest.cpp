#include <gtest/gtest.h>

#include "editor/SongHistory.h"
#include "editor/UndoManager.h"
#include "model/NewSongBuilder.h"
#include "support/EngineReset.h"
#include "support/RecordingObserver.h"
#include "support/SongEquality.h"

namespace {

class UndoManagerTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = NewSongBuilder::FirstStartSong();
        history.Attach(&document, 0);
        history.Record(*song, "Init", "Init");
    }
    // An edit that leaves a trace: the song's title becomes the edit's name.
    void Edit(const std::string& name) {
        song->GetTitleText()->SetText(name);
        history.Record(*song, name, name);
    }
    std::string Title() const { return song->GetTitleText()->GetText(); }

    UndoManager history;
    SongHistory actions{history};
    RecordingObserver document;
    std::unique_ptr<Song> song;
};

TEST_F(UndoManagerTest, TheBaseEntryIsSilentAndCannotBeUndone) {
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(history.CurrentIndex(), 0);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(actions.Undo(song));
    EXPECT_FALSE(actions.Redo(song));
    EXPECT_EQ(Title(), "My Great Music");
}

TEST_F(UndoManagerTest, FiveEditsLeaveThreeUndoable) {
    for (const char* name : {"one", "two", "three", "four", "five"}) {
        Edit(name);
    }
    EXPECT_EQ(document.CountFor(0), 5);
    EXPECT_EQ(history.Count(), UndoManager::kLimit);
    int undone = 0;
    while (actions.Undo(song)) {
        ++undone;
    }
    EXPECT_EQ(undone, 3);
    EXPECT_EQ(Title(), "two") << "the state after the second edit is the oldest reachable";
    EXPECT_EQ(history.NameAt(0), "two");
}

TEST_F(UndoManagerTest, ANewEditAfterUndoDropsTheRedoBranch) {
    Edit("one");
    Edit("two");
    ASSERT_TRUE(actions.Undo(song));
    EXPECT_EQ(Title(), "one");
    EXPECT_TRUE(history.CanRedo());
    Edit("three");
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Count(), 3);
    ASSERT_TRUE(actions.Undo(song));
    EXPECT_EQ(Title(), "one");
}

TEST_F(UndoManagerTest, UndoRedoUndoReturnsToIdenticalStates) {
    song->AddPercussionTrack();
    song->GetTrack(1)->GetVolumeSlider()->SetValue(30, false);
    history.Record(*song, "Insert Percussion Track", "Insert Percussion Track");
    const Song afterEdit(*song);
    song->AddBassTrack();
    history.Record(*song, "Insert Bass Track", "Insert Bass Track");
    const Song afterSecond(*song);
    const SongEquality equal(true);

    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(actions.Undo(song));
        EXPECT_EQ(equal.Difference(*song, afterEdit), "") << "round " << round;
        EXPECT_EQ(SoundEngine::Instance().TrackVolume(1), 30) << "sound settings are applied";
        EXPECT_EQ(SoundEngine::Instance().TrackChannel(2), -1);
        ASSERT_TRUE(actions.Redo(song));
        EXPECT_EQ(equal.Difference(*song, afterSecond), "") << "round " << round;
        EXPECT_EQ(SoundEngine::Instance().TrackChannel(2), 1);
    }
}

TEST_F(UndoManagerTest, RevertThrowsAwayUnrecordedChangesWithoutMoving) {
    Edit("kept");
    song->AddTrebleTrack();
    song->GetTitleText()->SetText("half-done");
    ASSERT_TRUE(actions.Revert(song));
    EXPECT_EQ(Title(), "kept");
    EXPECT_EQ(song->GetNumTracks(), 1);
    EXPECT_EQ(history.CurrentIndex(), 1);
    EXPECT_EQ(document.CountFor(0), 1) << "reverting records and notifies nothing";
}

TEST_F(UndoManagerTest, RestoringClearsTheSelectionThatPointsIntoTheOldSong) {
    Edit("one");
    ToolsManager::Instance().SelectSingle(song->GetBar(0, 0));
    ASSERT_TRUE(actions.Undo(song));
    EXPECT_TRUE(ToolsManager::Instance().Selection().empty());
}

TEST_F(UndoManagerTest, ClearEmptiesTheHistory) {
    Edit("one");
    history.Clear();
    EXPECT_EQ(history.CurrentIndex(), -1);
    EXPECT_EQ(history.Current(), nullptr);
    EXPECT_FALSE(actions.Revert(song));
    EXPECT_EQ(Title(), "one");
}

}  // namespace
