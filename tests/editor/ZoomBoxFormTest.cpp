#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "editor/ZoomBoxForm.h"
#include "platform/FixedPrompt.h"
#include "support/EngineReset.h"
#include "support/FakeScoreWindow.h"
#include "support/NoteBarTestKit.h"
#include "support/RecordingObserver.h"

namespace {

class ZoomBoxFormTest : public EngineReset {
protected:
    FixedPrompt prompt{Prompt::Ok};
};

TEST_F(ZoomBoxFormTest, ListsTheSixZoomsAsTheBoxShowsThem) {
    const std::vector<std::string> items{"50%", "75%", "100%", "125%", "150%", "200%"};
    EXPECT_EQ(ZoomBoxForm::Items(), items);
    for (const std::string& item : items) {
        EXPECT_EQ(ZoomBoxForm::Text(ZoomBoxForm::Read(item)), item);
    }
    EXPECT_EQ(ZoomBoxForm::Text(110), "110%");
}

TEST_F(ZoomBoxFormTest, EnterTakesANumberWithinFiftyAndTwoHundred) {
    struct Case {
        const char* typed;
        int zoom;  // 0: refused with the message
    };
    const Case cases[] = {{"75", 75},    {"75%", 75}, {" 110 %", 110}, {"50", 50},
                          {"200%", 200}, {"40", 0},   {"49", 0},       {"201", 0},
                          {"abc", 0},    {"", 0},     {"-100", 0}};
    for (const Case& c : cases) {
        const size_t before = prompt.AskedSoFar().size();
        const std::optional<int> zoom = ZoomBoxForm::Enter(c.typed, prompt);
        EXPECT_EQ(zoom.value_or(0), c.zoom) << c.typed;
        ASSERT_EQ(prompt.AskedSoFar().size(), before + (c.zoom == 0 ? 1 : 0)) << c.typed;
        if (c.zoom == 0) {
            EXPECT_EQ(prompt.AskedSoFar().back().text, "Zoom percent must be within 50% to 200%");
            EXPECT_EQ(prompt.AskedSoFar().back().caption, "Warning");
            EXPECT_EQ(prompt.AskedSoFar().back().icon, Prompt::WarningIcon);
        }
    }
}

TEST_F(ZoomBoxFormTest, ApplyStoresTheZoomAndLaysTheWindowOutWithoutTellingTheSelection) {
    auto song = notebar_test::MakeSong(4, 4);
    FakeScoreWindow window(song.get());
    ToolsManager& tools = ToolsManager::Instance();
    tools.SelectSingle(song->GetBar(0, 0));
    RecordingObserver watcher;
    tools.Attach(&watcher, 0);
    ZoomBoxForm::Apply(window, 75);
    tools.Detach(&watcher, 0);
    EXPECT_EQ(tools.Zoom(), 75);
    EXPECT_FALSE(tools.HasSelection());
    EXPECT_TRUE(watcher.calls.empty());
    EXPECT_EQ(window.scrollSizeUpdates, 1);
    EXPECT_EQ(window.fullRedraws, 1);
}

TEST_F(ZoomBoxFormTest, ShowsTheZoomUnlessTheUserIsTypingTheSameOne) {
    EXPECT_TRUE(ZoomBoxForm::ShouldShow(false, 100, 100));
    EXPECT_FALSE(ZoomBoxForm::ShouldShow(true, 100, 100));
    EXPECT_TRUE(ZoomBoxForm::ShouldShow(true, 125, 100));
}

}  // namespace
