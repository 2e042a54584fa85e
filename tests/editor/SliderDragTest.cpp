#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/tools/PencilTool.h"
#include "editor/tools/SelectTool.h"
#include "model/VolumeSlider.h"
#include "support/RecordingDeviceContext.h"
#include "support/ToolTestKit.h"

namespace {

using namespace tool_test;

class SliderDragTest : public ToolTest {};

// However the drag ends, the history holds it once: the pencil lets go of the
// slider and its next drawing records it, the select tool records the drag
// on release and keeps it selected, and drawing it later adds nothing.
TEST_F(SliderDragTest, ADragPastTheEndIsOneEntryWithEitherTool) {
    struct Case {
        const char* name;
        Tool* tool;
        const char* record;
    };
    const Case cases[] = {
        {"pencil", &PencilTool::Instance(), "Data changed"},
        {"select", &SelectTool::Instance(), "Dragging"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UndoManager::Instance().Clear();
        UndoManager::Instance().Record(*song, UndoManager::kInitTag, UndoManager::kInitTag);
        VolumeSlider& slider = *song->GetTrack(1)->GetVolumeSlider();
        slider.SetValue(30, false);
        const Rect r = slider.GetRect();
        const int y = (r.top + r.bottom) / 2;
        Drag(*c.tool, {r.left + 60, y}, {r.right + 400, y});
        EXPECT_EQ(slider.GetValue(), 100);
        RecordingDeviceContext dc;
        for (int paint = 0; paint < 2; ++paint) {
            slider.Draw(dc);
            tools.ClearSelection(true);
            slider.Draw(dc);
        }
        EXPECT_EQ(Records(), std::vector<std::string>{c.record});
    }
}

}  // namespace
