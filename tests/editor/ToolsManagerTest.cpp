#include <gtest/gtest.h>

#include <thread>

#include "editor/ToolsManager.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "support/EngineReset.h"
#include "support/RecordingObserver.h"

namespace {

class ToolsManagerTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = std::make_unique<Song>("t", "a", 4, 100, Song::TimeSignature{4, 4}, 0);
        song->AddAccompanimentTrack();
        song->AddTrebleTrack();
        song->AddBassTrack();
        song->AddPercussionTrack();
        tools.Attach(&watcher, 0);
    }
    void TearDown() override {
        tools.Detach(&watcher, 0);
        EngineReset::TearDown();
    }
    Bar* BarAt(int track, int bar) { return song->GetBar(track, bar); }
    Note* RestAt(int track, int bar) {
        return static_cast<NoteBar*>(BarAt(track, bar))->GetChordAt(0)->First();
    }

    ToolsManager& tools = ToolsManager::Instance();
    RecordingObserver watcher;
    std::unique_ptr<Song> song;
};

TEST_F(ToolsManagerTest, StartsWithThePencilWritingEighthNotes) {
    EXPECT_EQ(tools.ToolIndex(), ToolsManager::Pencil);
    EXPECT_EQ(tools.InputKind(), ToolsManager::NoteInput);
    EXPECT_EQ(tools.NoteValue(), 8);
    EXPECT_EQ(tools.LengthModifier(), ToolsManager::Plain);
    EXPECT_EQ(tools.Accidental(), 3);
    EXPECT_EQ(tools.Zoom(), 125);
    tools.ToggleLengthModifier(ToolsManager::Triplet);
    EXPECT_TRUE(tools.IsTriplet());
    tools.ToggleLengthModifier(ToolsManager::Triplet);
    EXPECT_EQ(tools.LengthModifier(), ToolsManager::Plain);
    tools.ToggleRest();
    EXPECT_EQ(tools.InputKind(), ToolsManager::RestInput);
    tools.SetInputKind(ToolsManager::TieInput);
    tools.ToggleRest();
    EXPECT_EQ(tools.InputKind(), ToolsManager::RestInput);
    tools.SetTool(7);
    EXPECT_EQ(tools.ToolIndex(), 3);
}

TEST_F(ToolsManagerTest, LeavingTheSelectToolClearsTheSelection) {
    tools.SetTool(ToolsManager::Select);
    tools.SelectSingle(BarAt(1, 0));
    tools.SetTool(ToolsManager::Select);
    EXPECT_EQ(tools.Selection().size(), 1u);
    tools.SetTool(ToolsManager::Eraser);
    EXPECT_TRUE(tools.Selection().empty());
}

TEST_F(ToolsManagerTest, CtrlClickCollectsCompatibleObjectsOnly) {
    tools.SelectSingle(BarAt(2, 1));
    tools.ToggleSelect(BarAt(1, 3));
    tools.ToggleSelect(BarAt(3, 0));
    tools.ToggleSelect(BarAt(1, 1));
    // Bars are kept sorted by track, then bar.
    EXPECT_EQ(tools.Selection(),
              (std::vector<SelObject*>{BarAt(1, 1), BarAt(1, 3), BarAt(2, 1), BarAt(3, 0)}));
    tools.ToggleSelect(BarAt(1, 3));
    EXPECT_EQ(tools.Selection().size(), 3u);
    EXPECT_FALSE(tools.Contains(BarAt(1, 3)));

    // A note does not go with bars: it replaces them.
    tools.ToggleSelect(RestAt(1, 0));
    EXPECT_EQ(tools.Selection(), (std::vector<SelObject*>{RestAt(1, 0)}));
    tools.ToggleSelect(RestAt(2, 0));
    EXPECT_EQ(tools.Selection().size(), 2u);
    // The accompaniment's chord bar goes with nothing.
    tools.ToggleSelect(BarAt(0, 0));
    EXPECT_EQ(tools.Selection(), (std::vector<SelObject*>{BarAt(0, 0)}));
    EXPECT_GE(watcher.CountFor(0), 7);
}

TEST_F(ToolsManagerTest, ShiftClickSelectsTheRectangularBlock) {
    tools.SelectRange(BarAt(3, 2), BarAt(1, 1));
    EXPECT_EQ(tools.Selection(), (std::vector<SelObject*>{BarAt(1, 1), BarAt(1, 2), BarAt(2, 1),
                                                          BarAt(2, 2), BarAt(3, 1), BarAt(3, 2)}));
    EXPECT_TRUE(tools.SelectionIsBarBlock());
    EXPECT_EQ(tools.SelectionBlockSize(), std::make_pair(3, 2));

    tools.SelectRange(BarAt(0, 0), BarAt(1, 1));
    EXPECT_EQ(tools.Selection().size(), 6u) << "a chord bar cannot anchor a range";
}

TEST_F(ToolsManagerTest, BarBlockMustBeAFullRectangle) {
    tools.SelectSingle(BarAt(1, 0));
    tools.ToggleSelect(BarAt(1, 1));
    EXPECT_TRUE(tools.SelectionIsBarBlock());
    tools.ToggleSelect(BarAt(2, 0));
    EXPECT_FALSE(tools.SelectionIsBarBlock()) << "an L shape is no block";
    EXPECT_EQ(tools.SelectionBlockSize(), std::make_pair(0, 0));
    tools.ToggleSelect(BarAt(2, 1));
    EXPECT_TRUE(tools.SelectionIsBarBlock());
    tools.SelectSingle(RestAt(1, 0));
    EXPECT_FALSE(tools.SelectionIsBarBlock());
    tools.ClearSelection(false);
    EXPECT_FALSE(tools.SelectionIsBarBlock());
}

TEST_F(ToolsManagerTest, HoverRepaintsOnlyHoverableObjects) {
    tools.ClearDirtyRects();
    Note* note = RestAt(1, 0);
    note->SetBox({100, 100, 20, 20});
    tools.SetHover(note);
    EXPECT_EQ(tools.DirtyRects().size(), 1u);
    const int notifications = watcher.CountFor(0);
    tools.SetHover(note);
    EXPECT_EQ(watcher.CountFor(0), notifications) << "the same hover again changes nothing";
    tools.SetHover(BarAt(1, 0));
    EXPECT_EQ(tools.DirtyRects().size(), 2u) << "a bar is not hoverable; only the note repaints";
    EXPECT_EQ(tools.Hover(), BarAt(1, 0));
    EXPECT_EQ(tools.PreviousHover(), note);
    tools.ClearSelection(true);
    EXPECT_EQ(tools.Hover(), nullptr);
    EXPECT_EQ(tools.PreviousHover(), nullptr);
}

}  // namespace

namespace {

TEST(ToolsManagerDirtyRects, PlaybackThreadsAndThePainterShareTheListSafely) {
    ToolsManager& tools = ToolsManager::Instance();
    tools.ClearDirtyRects();
    constexpr int kPerThread = 1000;
    std::vector<std::thread> writers;
    for (int t = 0; t < 3; ++t) {
        writers.emplace_back([&tools, t] {
            for (int i = 0; i < kPerThread; ++i) {
                tools.AddDirtyRect({t, i, t + 10, i + 10});
            }
        });
    }
    size_t taken = 0;
    while (taken < 3 * kPerThread) {
        taken += tools.TakeDirtyRects().size();
        std::this_thread::yield();
    }
    for (auto& writer : writers) {
        writer.join();
    }
    EXPECT_EQ(taken, 3u * kPerThread);
    EXPECT_TRUE(tools.DirtyRects().empty());
}

}  // namespace
