#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "editor/tools/EraserTool.h"
#include "editor/tools/NavigateTool.h"
#include "editor/tools/PencilTool.h"
#include "editor/tools/SelectTool.h"
#include "support/ToolTestKit.h"

namespace {

using namespace tool_test;

class NavigateToolTest : public ToolTest {
protected:
    void TearDown() override {
        hand.OnLButtonUp(*window, 0, {});
        ToolTest::TearDown();
    }
    // A pointer event at a device point of the visible area, converted to
    // score units against the scroll position of the moment, as the view does.
    void Press(Point inView) { hand.OnLButtonDown(*window, 0, window->ScorePointAt(inView)); }
    void Move(Point inView) { hand.OnMouseMove(*window, 0, window->ScorePointAt(inView)); }
    void Release(Point inView) { hand.OnLButtonUp(*window, 0, window->ScorePointAt(inView)); }

    NavigateTool& hand = NavigateTool::Instance();
};

TEST_F(NavigateToolTest, TheScoreFollowsTheHandInBothDirections) {
    struct Case {
        const char* name;
        Point step;      // pointer movement per event, device units
        Point scrolled;  // after four events
    };
    const Case cases[] = {
        {"right and down", {10, 6}, {-40, -24}},
        {"left and up", {-15, -5}, {60, 20}},
    };
    for (const Case& c : cases) {
        window->scroll = {500, 300};
        Point pointer{200, 150};
        Press(pointer);
        for (int i = 0; i < 4; ++i) {
            pointer = {pointer.x + c.step.x, pointer.y + c.step.y};
            Move(pointer);
        }
        Release(pointer);
        EXPECT_EQ(window->scroll, (Point{500 + c.scrolled.x, 300 + c.scrolled.y})) << c.name;
    }
}

TEST_F(NavigateToolTest, TheHandStopsAtTheEdgesAndWithTheButton) {
    window->scroll = {20, 20};
    Press({100, 100});
    Move({160, 130});
    EXPECT_EQ(window->scroll, (Point{0, 0}));
    Move({150, 120});
    EXPECT_EQ(window->scroll, (Point{10, 10})) << "going back moves at once";
    Release({150, 120});
    const size_t requests = window->scrollRequests.size();
    Move({10, 10});
    EXPECT_EQ(window->scrollRequests.size(), requests) << "no scrolling after the release";
    EXPECT_TRUE(Records().empty());
}

TEST_F(NavigateToolTest, TheOverrideMakesTheHandTheEffectiveTool) {
    struct Case {
        int tool;
        bool override;
        Tool* expected;
    };
    const Case cases[] = {
        {ToolsManager::Pencil, false, &PencilTool::Instance()},
        {ToolsManager::Eraser, false, &EraserTool::Instance()},
        {ToolsManager::Select, false, &SelectTool::Instance()},
        {ToolsManager::Eraser, true, &hand},
        {7, false, &PencilTool::Instance()},
    };
    for (const Case& c : cases) {
        tools.SetTool(c.tool);
        tools.SetToolOverride(c.override);
        EXPECT_EQ(&tools.EffectiveTool(), c.expected) << c.tool << " " << c.override;
    }
}

}  // namespace
