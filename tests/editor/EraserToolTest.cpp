#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/InputCommands.h"
#include "editor/tools/EraserTool.h"
#include "support/ToolTestKit.h"

namespace {

using namespace notebar_test;
using namespace tool_test;

class EraserToolTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        InputCommands::Execute(InputCommands::Eraser);
    }

    EraserTool& eraser = EraserTool::Instance();
};

TEST_F(EraserToolTest, AClickErasesTheNoteAsOneRecordedEdit) {
    Note* note = Put(TrebleBar(1), 0, "E5", 4);
    ASSERT_NE(Put(TrebleBar(1), 0, "G5", 4), nullptr);
    Click(eraser, CentreOf(*note));
    EXPECT_EQ(GridText(TrebleBar(1)), "0:G5/24 24:S/24 48:S/24 72:S/24");
    EXPECT_EQ(Records(), std::vector<std::string>{"Bar data changed"});
    EXPECT_TRUE(tools.Selection().empty());
}

TEST_F(EraserToolTest, OnlyTheLastNoteOfATieGoesTheOthersLoseTheirTie) {
    Track& track = *song->GetTrack(1);
    Note* first = Put(TrebleBar(0), 0, "C5", 1);
    Note* middle = Put(TrebleBar(1), 0, "C5", 2);
    Note* last = Put(TrebleBar(1), 48, "C5", 2);
    ASSERT_NE(last, nullptr);
    ASSERT_TRUE(track.AddTie(first));
    ASSERT_TRUE(track.AddTie(middle));

    Click(eraser, CentreOf(*middle));
    EXPECT_EQ(GridText(TrebleBar(1)), "0:C5~3/48 48:C5/48");
    EXPECT_EQ(Records(), std::vector<std::string>{"Bar data changed"});

    Click(eraser, CentreOf(*middle));
    EXPECT_EQ(GridText(TrebleBar(1)), "0:S/48 48:C5/48") << "now the last of its tie";
    EXPECT_FALSE(first->IsTied());
    EXPECT_FALSE(last->IsTied());
    EXPECT_EQ(Records().size(), 2u);
    EXPECT_EQ(TieViolation(track), "");
}

TEST_F(EraserToolTest, AClickRemovesAFreeTextBox) {
    UserText* text = song->AddUserText(1000, 2600);
    Click(eraser, CentreOf(text->GetBoundingRect()));
    EXPECT_TRUE(song->GetUserTexts().empty());
    EXPECT_EQ(Records(), std::vector<std::string>{"Erase UserText"});
}

TEST_F(EraserToolTest, OtherObjectsAndEmptyPaperStay) {
    const std::string before = GridText(TrebleBar(2));
    const Point targets[] = {
        OnStaff(TrebleBar(2), 7),
        CentreOf(song->GetTitleText()->GetBoundingRect()),
        CentreOf(song->GetTrack(1)->GetSelector()->GetBoundingRect()),
        {1200, 2900},
    };
    for (const Point& at : targets) {
        Click(eraser, at);
        eraser.OnRButtonDown(*window, 0, at);
    }
    EXPECT_EQ(GridText(TrebleBar(2)), before);
    EXPECT_TRUE(Records().empty());
    EXPECT_TRUE(window->popups.empty()) << "the eraser has no menu";
}

TEST_F(EraserToolTest, MovingHoversWhatWouldBeErased) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    eraser.OnMouseMove(*window, 0, CentreOf(*note));
    EXPECT_EQ(tools.Hover(), note);
}

}  // namespace
