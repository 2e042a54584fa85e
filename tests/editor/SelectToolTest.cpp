#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/InputCommands.h"
#include "editor/tools/SelectTool.h"
#include "support/ToolTestKit.h"

namespace {

using namespace notebar_test;
using namespace tool_test;

class SelectToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        InputCommands::Execute(InputCommands::Select);
    }
    // A point of the bar off its notes and rests.
    Point InBar(int track, int bar) {
        return OnStaff(static_cast<NoteBar&>(*song->GetBar(track, bar)), 16);
    }
    std::vector<SelObject*> Bars(std::initializer_list<std::pair<int, int>> positions) {
        std::vector<SelObject*> bars;
        for (const auto& [track, bar] : positions) {
            bars.push_back(song->GetBar(track, bar));
        }
        return bars;
    }

    SelectTool& select = SelectTool::Instance();
};

TEST_F(SelectToolTest, ShiftClickSpansTheBlockOfBarsTrackByTrack) {
    Click(select, InBar(1, 1));
    Click(select, InBar(3, 3), Tool::Shift);
    EXPECT_EQ(tools.Selection(),
              Bars({{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}));

    // The anchor stays where the range began.
    Click(select, InBar(2, 0), Tool::Shift);
    EXPECT_EQ(tools.Selection(), Bars({{1, 0}, {1, 1}, {2, 0}, {2, 1}}));
}

TEST_F(SelectToolTest, ShiftClickWithoutASelectedAnchorSelectsTheOneBar) {
    Click(select, InBar(1, 1));
    Click(select, {1200, 2900});  // empty paper ends the selection
    ASSERT_TRUE(tools.Selection().empty());
    Click(select, InBar(2, 2), Tool::Shift);
    EXPECT_EQ(tools.Selection(), Bars({{2, 2}}));
    Click(select, InBar(1, 3), Tool::Shift);
    EXPECT_EQ(tools.Selection(), Bars({{1, 2}, {1, 3}, {2, 2}, {2, 3}}));
}

TEST_F(SelectToolTest, CtrlClickCollectsBarsAndANoteReplacesThem) {
    Note* note = Put(TrebleBar(2), 0, "E5", 4);
    Click(select, InBar(2, 1));
    Click(select, InBar(1, 3), Tool::Control);
    Click(select, InBar(1, 0), Tool::Control);
    EXPECT_EQ(tools.Selection(), Bars({{1, 0}, {1, 3}, {2, 1}}));
    Click(select, CentreOf(*note), Tool::Control);
    EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{note});
}

TEST_F(SelectToolTest, SwitchingToThePencilEmptiesTheSelection) {
    Click(select, InBar(1, 1));
    ASSERT_EQ(tools.Selection().size(), 1u);
    InputCommands::Execute(InputCommands::Pencil);
    EXPECT_TRUE(tools.Selection().empty());
}

TEST_F(SelectToolTest, ThePressSetsTheDragStateByWhatItHits) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    UserText* text = song->AddUserText(1000, 2600);
    struct Case {
        const char* name;
        Point at;
        int state;
    };
    const Case cases[] = {
        {"a note", CentreOf(*note), 2},
        {"a rest", CentreOf(*At(TrebleBar(0), 24)), 2},
        {"a free text", CentreOf(text->GetBoundingRect()), 2},
        {"the song's title", CentreOf(song->GetTitleText()->GetBoundingRect()), 2},
        {"a bar", InBar(1, 2), 1},
        {"a track title", CentreOf(song->GetTrack(1)->GetTitleText()->GetBoundingRect()), 1},
        {"a selector", CentreOf(song->GetTrack(2)->GetSelector()->GetBoundingRect()), 1},
    };
    for (const Case& c : cases) {
        tools.ClearSelection(true);
        select.OnLButtonDown(*window, 0, c.at);
        EXPECT_EQ(tools.DragState(), c.state) << c.name;
        EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{window->HitTest(c.at)}) << c.name;
        select.OnLButtonUp(*window, 0, c.at);
        EXPECT_EQ(tools.DragState(), 1) << c.name;
    }
    EXPECT_EQ(window->dropDowns, std::vector<FloatingCombo*>{song->GetTrack(2)->GetSelector()});
    EXPECT_TRUE(Records().empty()) << "presses without a move record nothing";
}

TEST_F(SelectToolTest, APressWhileAPressIsHeldChangesNothing) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    select.OnLButtonDown(*window, 0, CentreOf(*note));
    ASSERT_EQ(tools.DragState(), 2);
    select.OnLButtonDown(*window, 0, InBar(1, 2));
    EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{note});
}

TEST_F(SelectToolTest, AClickOnEmptyPaperEndsASelectionMadeByAClick) {
    Click(select, InBar(1, 2));
    ASSERT_EQ(tools.DragState(), 1);
    Click(select, {1200, 2900});
    EXPECT_TRUE(tools.Selection().empty());
    EXPECT_EQ(tools.DragState(), 0);
}

TEST_F(SelectToolTest, DraggingASingleNoteMovesItAndTheReleaseRecordsOneDrag) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    Drag(select, CentreOf(*note), OnStaffAtStep(TrebleBar(0), 0, 7));
    EXPECT_EQ(NoteText(*note), "G5");
    EXPECT_EQ(Records(), std::vector<std::string>{"Dragging"});
    EXPECT_EQ(tools.DragState(), 1);
    EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{note}) << "the note stays selected";
}

TEST_F(SelectToolTest, OnlyASingleNoteMoves) {
    Note* low = Put(TrebleBar(0), 0, "E5", 4);
    Note* high = Put(TrebleBar(0), 24, "G5", 4);
    Click(select, CentreOf(*low));
    select.OnLButtonDown(*window, Tool::Control, CentreOf(*high));
    ASSERT_EQ(tools.Selection().size(), 2u);
    select.OnMouseMove(*window, 0, OnStaffAtStep(TrebleBar(0), 24, 12));
    select.OnLButtonUp(*window, 0, OnStaffAtStep(TrebleBar(0), 24, 12));
    EXPECT_EQ(NoteText(*low), "E5");
    EXPECT_EQ(NoteText(*high), "G5");
}

TEST_F(SelectToolTest, AFreeTextFollowsThePointerFromWhereItWasTaken) {
    UserText* text = song->AddUserText(1000, 2600);
    const Box before = text->GetBox();
    const Point grab{before.x + 20, before.y + 10};
    tools.ClearDirtyRects();
    Drag(select, grab, {grab.x + 150, grab.y - 300});
    EXPECT_EQ(text->GetBox(), (Box{before.x + 150, before.y - 300, before.width, before.height}));
    EXPECT_EQ(Records(), std::vector<std::string>{"Dragging"});
    EXPECT_FALSE(recorder.TakeRepaintAreas().empty()) << "the old and new places are repainted";
}

TEST_F(SelectToolTest, AVolumeSliderFollowsTheDragAlongItsGroove) {
    VolumeSlider* slider = song->GetTrack(1)->GetVolumeSlider();
    const Rect r = slider->GetRect();
    const int y = (r.top + r.bottom) / 2;
    const int span = r.right - r.left - 50;
    struct Case {
        int x;
        int value;
    };
    const Case cases[] = {
        {r.left + 40, 0},  {r.left + 40 + span / 2, 50}, {r.left + 40 + span, 100},
        {r.left - 300, 0}, {r.right + 300, 100},         {r.left + 40 + 45 * span / 150, 30},
    };
    select.OnLButtonDown(*window, 0, {r.left + 5, y});
    ASSERT_EQ(tools.Selection(), std::vector<SelObject*>{slider});
    for (const Case& c : cases) {
        select.OnMouseMove(*window, 0, {c.x, y});
        EXPECT_EQ(slider->GetValue(), c.value) << "at " << c.x - r.left;
    }
    EXPECT_TRUE(slider->IsChanged()) << "its drawing records the new volume once deselected";
    select.OnLButtonUp(*window, 0, {r.right, y});
}

TEST_F(SelectToolTest, ARightClickSelectsTheObjectAndOpensItsMenu) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    UserText* text = song->AddUserText(1000, 2600);
    struct Case {
        const char* name;
        Point at;
        const char* popup;  // null: none
    };
    const Case cases[] = {
        {"a note", CentreOf(*note), "NotePopup"},
        {"a rest", CentreOf(*At(TrebleBar(0), 24)), "NotePopup"},
        {"a bar", InBar(2, 1), "BarPopup"},
        {"a free text", CentreOf(text->GetBoundingRect()), "UserTextPopup"},
        {"a selector", CentreOf(song->GetTrack(2)->GetSelector()->GetBoundingRect()), nullptr},
    };
    for (const Case& c : cases) {
        window->popups.clear();
        select.OnRButtonDown(*window, 0, c.at);
        EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{window->HitTest(c.at)}) << c.name;
        if (c.popup == nullptr) {
            EXPECT_TRUE(window->popups.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(window->popups.size(), 1u) << c.name;
        EXPECT_EQ(window->popups[0].name, c.popup) << c.name;
    }
}

TEST_F(SelectToolTest, ARightClickOnASelectedBarKeepsTheBlock) {
    Click(select, InBar(1, 1));
    Click(select, InBar(2, 2), Tool::Shift);
    select.OnRButtonDown(*window, 0, InBar(2, 1));
    EXPECT_EQ(tools.Selection().size(), 4u);
    EXPECT_EQ(window->popups.back().name, "BarPopup");
    // On empty paper it ends the selection made by a click.
    select.OnRButtonDown(*window, 0, {1200, 2900});
    EXPECT_TRUE(tools.Selection().empty());
}

TEST_F(SelectToolTest, MovingWithoutAPressHovers) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    select.OnMouseMove(*window, 0, CentreOf(*note));
    EXPECT_EQ(tools.Hover(), note);
    EXPECT_EQ(tools.DragState(), 0);
}

}  // namespace
