#include <gtest/gtest.h>

#include "editor/PlayPreparationProgress.h"
#include "editor/PlaybackCommands.h"
#include "editor/SpaceKeyGesture.h"
#include "editor/ToolsManager.h"
#include "model/Song.h"
#include "support/EngineReset.h"
#include "support/FakeTransportEngine.h"
#include "support/NoteBarTestKit.h"
#include "support/RecordingObserver.h"

namespace {

using Call = FakeTransportEngine::Call;
using PlayStep = PlaybackCommands::PlayStep;

class PlaybackCommandsTest : public EngineReset {
protected:
    FakeTransportEngine engine;
};

TEST_F(PlaybackCommandsTest, PlayClearsTheSelectionAndAsksForThePreparation) {
    auto song = notebar_test::MakeSong(4, 4);
    ToolsManager& tools = ToolsManager::Instance();
    tools.SelectSingle(song->GetBar(0, 1));
    RecordingObserver watcher;
    tools.Attach(&watcher, 0);
    EXPECT_EQ(PlaybackCommands::PlayOrPause(engine, song.get()), PlayStep::Prepare);
    tools.Detach(&watcher, 0);
    EXPECT_FALSE(tools.HasSelection());
    EXPECT_GT(watcher.calls.size(), 0u) << "the cleared selection must be repainted";
    EXPECT_TRUE(engine.calls.empty()) << "the preparation window starts the engine";
}

TEST_F(PlaybackCommandsTest, PlayPausesWhileActiveAndNeedsATrack) {
    auto song = notebar_test::MakeSong(4, 4);
    engine.active = true;
    EXPECT_EQ(PlaybackCommands::PlayOrPause(engine, song.get()), PlayStep::Paused);
    EXPECT_EQ(engine.calls, std::vector<Call>{Call::Pause});
    engine.active = false;
    Song empty("t", "a", 4, 100, Song::TimeSignature{4, 4}, 0);
    EXPECT_FALSE(PlaybackCommands::CanPlay(&empty));
    EXPECT_FALSE(PlaybackCommands::CanPlay(nullptr));
    EXPECT_TRUE(PlaybackCommands::CanPlay(song.get()));
    EXPECT_EQ(PlaybackCommands::PlayOrPause(engine, &empty), PlayStep::None);
}

TEST_F(PlaybackCommandsTest, StopOnlyWhileActive) {
    EXPECT_FALSE(PlaybackCommands::CanStop(engine));
    EXPECT_FALSE(PlaybackCommands::Stop(engine));
    EXPECT_TRUE(engine.calls.empty());
    engine.active = true;
    EXPECT_TRUE(PlaybackCommands::Stop(engine));
    EXPECT_EQ(engine.calls, std::vector<Call>{Call::Stop});
}

TEST(PlayPreparationProgressTest, MovesByAFifthAndStartsOverUntilTheEngineHasStarted) {
    PlayPreparationProgress progress;
    EXPECT_EQ(progress.Position(), 0);
    const int expected[] = {20, 40, 60, 80, 100, 0, 20};
    for (const int position : expected) {
        EXPECT_TRUE(progress.Tick(true));
        EXPECT_EQ(progress.Position(), position);
    }
    EXPECT_FALSE(progress.Tick(false));
    EXPECT_EQ(progress.Position(), 20) << "the last tick only closes the window";
}

TEST(SpaceKeyGestureTest, OnlyAShortPressWithoutDraggingIsATap) {
    struct Case {
        const char* what;
        long long heldMs;
        bool dragged;
        bool tap;
    };
    const Case cases[] = {
        {"quick tap", 80, false, true},
        {"tap at the limit", SpaceKeyGesture::kTapMs, false, true},
        {"hand held ready and let go", SpaceKeyGesture::kTapMs + 1, false, false},
        {"quick drag by hand", 80, true, false},
    };
    for (const Case& c : cases) {
        SpaceKeyGesture gesture;
        gesture.Press(1000);
        EXPECT_TRUE(gesture.IsHeld());
        if (c.dragged) {
            gesture.MouseDown();
        }
        EXPECT_EQ(gesture.Release(1000 + c.heldMs), c.tap) << c.what;
        EXPECT_FALSE(gesture.IsHeld());
    }
    SpaceKeyGesture gesture;
    EXPECT_FALSE(gesture.Release(10)) << "a release without its press";
    gesture.Press(0);
    gesture.MouseDown();
    gesture.Release(10);
    gesture.Press(20);
    EXPECT_TRUE(gesture.Release(30)) << "the drag of the last press is forgotten";
}

}  // namespace
