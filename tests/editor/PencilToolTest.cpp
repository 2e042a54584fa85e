#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "editor/InputCommands.h"
#include "editor/tools/PencilTool.h"
#include "playback/MessageRecorder.h"
#include "playback/SoundEngine.h"
#include "support/ToolTestKit.h"

namespace {

using namespace notebar_test;
using namespace tool_test;

class PencilToolTest : public ToolTest {
protected:
    PencilTool& pencil = PencilTool::Instance();
};

TEST_F(PencilToolTest, AClickWritesTheChosenValueAtThePositionUnderThePoint) {
    struct Case {
        const char* name;
        InputCommands::Command value;
        bool onTheRest;  // the whole-bar rest's glyph, else an empty place of the bar
        int position;
        const char* grid;
    };
    const Case cases[] = {
        {"a quarter on G4", InputCommands::QuarterNote, false, 0,
         "0:G4/24 24:S/24 48:S/24 72:S/24"},
        {"a quarter on the G line", InputCommands::QuarterNote, false, 7,
         "0:G5/24 24:S/24 48:S/24 72:S/24"},
        {"a half on the whole-bar rest", InputCommands::HalfNote, true, 9,
         "0:B5/48 48:S/24 72:S/24"},
        {"a quarter rest", InputCommands::QuarterRest, false, 7, "0:S/24 24:S/24 48:S/24 72:S/24"},
    };
    for (const Case& c : cases) {
        SetUp();
        InputCommands::Execute(c.value);
        MelodicBar& bar = TrebleBar(1);
        Point at = OnStaff(bar, c.position);
        if (c.onTheRest) {
            at.x = CentreOf(*bar.FirstChord()->First()).x;
            ASSERT_TRUE(window->HitTest(at)->IsA("Note")) << c.name << ": not on the rest";
        }
        pencil.OnLButtonDown(*window, 0, at);
        EXPECT_EQ(GridText(bar), c.grid) << c.name;
        EXPECT_EQ(Records(), std::vector<std::string>{"Bar data changed"}) << c.name;
        EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{bar.FirstChord()->First()}) << c.name;
        EXPECT_EQ(tools.DragState(), 2) << c.name;
        pencil.OnLButtonUp(*window, 0, at);
        EXPECT_TRUE(tools.Selection().empty()) << c.name;
        EXPECT_EQ(tools.DragState(), 0) << c.name;
        EXPECT_EQ(Records().size(), 1u) << c.name << ": the release records nothing more";
        EXPECT_EQ(GridText(TrebleBar(0)), "0:S/96") << c.name << ": other bars stay empty";
        TearDown();
    }
}

TEST_F(PencilToolTest, TheNewNoteSoundsOnceAtItsKey) {
    MessageRecorder output;
    SoundEngine& engine = SoundEngine::Instance();
    engine.SetOutput(&output);
    InputCommands::Execute(InputCommands::QuarterNote);
    Click(pencil, OnStaff(TrebleBar(1), 7));
    for (int i = 0; i < 200 && engine.RunningGroupCount() > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const auto ons = output.NoteOns();
    ASSERT_EQ(ons.size(), 1u);
    EXPECT_EQ(ons[0].data1, 67) << "G above middle C";
    engine.SetOutput(nullptr);
}

TEST_F(PencilToolTest, TheDotAndTheAccidentalServeOneNoteAndTheTripletStays) {
    struct Case {
        const char* name;
        std::vector<InputCommands::Command> choices;
        const char* grid;
    };
    const Case cases[] = {
        {"dot",
         {InputCommands::QuarterNote, InputCommands::Dot},
         "0:G5./36 36:G5/24 60:S/12 72:S/24"},
        {"sharp",
         {InputCommands::QuarterNote, InputCommands::Sharp},
         "0:G5#/24 24:G5/24 48:S/24 72:S/24"},
        {"triplet",
         {InputCommands::EighthNote, InputCommands::Triplet},
         "0:G5tg24/8 8:G5t/8 16:St/8 24:S/24 48:S/24 72:S/24"},
    };
    for (const Case& c : cases) {
        SetUp();
        for (InputCommands::Command choice : c.choices) {
            InputCommands::Execute(choice);
        }
        MelodicBar& bar = TrebleBar(1);
        Click(pencil, OnStaff(bar, 7));
        Click(pencil, OnStaffAtStep(bar, bar.ChordAfter(*bar.FirstChord())->GetStep(), 7));
        EXPECT_EQ(GridText(bar), c.grid) << c.name;
        EXPECT_EQ(tools.Accidental(), Note::NoAccidental) << c.name;
        EXPECT_EQ(tools.IsTriplet(), c.name == std::string("triplet")) << c.name;
        EXPECT_FALSE(tools.IsDotted()) << c.name;
        TearDown();
    }
}

TEST_F(PencilToolTest, DraggingTheNoteJustWrittenMovesItAndRecordsOneDrag) {
    InputCommands::Execute(InputCommands::QuarterNote);
    MelodicBar& bar = TrebleBar(1);
    Drag(pencil, OnStaff(bar, 2), OnStaff(bar, 4));
    EXPECT_EQ(GridText(bar), "0:D5/24 24:S/24 48:S/24 72:S/24") << "B4 two steps up";
    EXPECT_EQ(Records(), (std::vector<std::string>{"Bar data changed", "Dragging"}));
    EXPECT_TRUE(tools.Selection().empty());
    EXPECT_EQ(tools.DragState(), 0);
}

TEST_F(PencilToolTest, PressingANoteAndLettingGoRecordsNothing) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    pencil.OnLButtonDown(*window, 0, CentreOf(*note));
    EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{note});
    EXPECT_EQ(tools.DragState(), 2);
    pencil.OnMouseMove(*window, 0, CentreOf(*note));
    pencil.OnLButtonUp(*window, 0, CentreOf(*note));
    EXPECT_TRUE(Records().empty());
    EXPECT_EQ(GridText(TrebleBar(0)), "0:E5/24 24:S/24 48:S/24 72:S/24");
    EXPECT_TRUE(tools.Selection().empty());
}

TEST_F(PencilToolTest, AClickOnANoteTiesItOrGivesItTheChosenAccidental) {
    struct Case {
        const char* name;
        InputCommands::Command choice;
        const char* second;  // the chord at step 24
        const char* grid;
        std::vector<std::string> records;
        int accidentalAfter;
    };
    const Case cases[] = {
        {"tie",
         InputCommands::Tie,
         "F5",
         "0:F5~1/24 24:F5~3/24 48:S/24 72:S/24",
         {"Add tie with pencil"},
         Note::NoAccidental},
        {"tie refused",
         InputCommands::Tie,
         "G5",
         "0:F5/24 24:G5/24 48:S/24 72:S/24",
         {},
         Note::NoAccidental},
        {"sharp",
         InputCommands::Sharp,
         "G5",
         "0:F5#/24 24:G5/24 48:S/24 72:S/24",
         {"Note SharpFlat"},
         Note::Sharp},
    };
    for (const Case& c : cases) {
        SetUp();
        Note* first = Put(TrebleBar(0), 0, "F5", 4);
        Put(TrebleBar(0), 24, c.second, 4);
        InputCommands::Execute(c.choice);
        Click(pencil, CentreOf(*first));
        EXPECT_EQ(GridText(TrebleBar(0)), c.grid) << c.name;
        EXPECT_EQ(Records(), c.records) << c.name;
        EXPECT_EQ(tools.Accidental(), c.accidentalAfter)
            << c.name << ": a note already written does not use up the choice";
        TearDown();
    }
}

TEST_F(PencilToolTest, TheTieInputWritesNothingOnRestsOrBars) {
    InputCommands::Execute(InputCommands::Tie);
    pencil.OnLButtonDown(*window, 0, OnStaff(TrebleBar(1), 7));
    pencil.OnLButtonDown(*window, 0, CentreOf(*TrebleBar(2).FirstChord()->First()));
    EXPECT_EQ(GridText(TrebleBar(1)), "0:S/96");
    EXPECT_EQ(GridText(TrebleBar(2)), "0:S/96");
    EXPECT_TRUE(Records().empty());
}

TEST_F(PencilToolTest, ARightClickOpensTheMenuOfWhatLiesUnderIt) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    UserText* text = song->AddUserText(1000, 2600);
    const Point paper{1200, 2900};
    struct Case {
        const char* name;
        Point at;
        const char* popup;  // null: none
    };
    const Case cases[] = {
        {"empty paper", paper, "NullPopup"},
        {"a note", CentreOf(*note), "NotePopup"},
        {"a free text", CentreOf(text->GetBoundingRect()), "UserTextPopup"},
        {"a rest", CentreOf(*At(TrebleBar(0), 24)), nullptr},
        {"a bar", OnStaff(TrebleBar(2), 7), nullptr},
    };
    for (const Case& c : cases) {
        window->popups.clear();
        pencil.OnRButtonDown(*window, 0, c.at);
        if (c.popup == nullptr) {
            EXPECT_TRUE(window->popups.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(window->popups.size(), 1u) << c.name;
        EXPECT_EQ(window->popups[0].name, c.popup) << c.name;
        EXPECT_EQ(window->popups[0].at, c.at) << c.name;
    }
    EXPECT_EQ(pencil.MenuPoint(), paper) << "where Insert Text puts its box";
    EXPECT_TRUE(Records().empty());
}

TEST_F(PencilToolTest, ARightClickOnAChordBoxTurnsItsSubStyle) {
    ChordCombo* box = ChordsBar(1).GetBeatBox(0);
    const int before = box->GetSubStyle();
    pencil.OnRButtonDown(*window, 0, CentreOf(box->GetBoundingRect()));
    EXPECT_NE(box->GetSubStyle(), before);
    EXPECT_EQ(Records().size(), 1u) << "the box records its own change";
    EXPECT_TRUE(window->popups.empty());
}

TEST_F(PencilToolTest, ATextBoxOpensForEditingAndStaysSelectedUntilTheNextClick) {
    SongText* title = song->GetTitleText();
    const Point at = CentreOf(title->GetBoundingRect());
    Click(pencil, at);
    EXPECT_EQ(window->editFields, std::vector<FloatingText*>{title});
    EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{title});
    EXPECT_EQ(tools.DragState(), 1);

    Click(pencil, {1200, 2900});
    EXPECT_TRUE(tools.Selection().empty()) << "the next click ends the editing";
    EXPECT_EQ(window->editFields.size(), 1u);
}

TEST_F(PencilToolTest, ASelectorOpensItsListAsUnderTheSelectTool) {
    FloatingCombo* selector = song->GetTrack(1)->GetSelector();
    Click(pencil, CentreOf(selector->GetBoundingRect()));
    EXPECT_EQ(window->dropDowns, std::vector<FloatingCombo*>{selector});
    EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{selector});
    EXPECT_EQ(tools.DragState(), 1);
}

TEST_F(PencilToolTest, MovingWithoutAButtonHoversWhatLiesUnderThePointer) {
    Note* note = Put(TrebleBar(0), 0, "E5", 4);
    pencil.OnMouseMove(*window, 0, CentreOf(*note));
    EXPECT_EQ(tools.Hover(), note);
    pencil.OnMouseMove(*window, 0, {1200, 2900});
    EXPECT_EQ(tools.Hover(), nullptr);
    EXPECT_EQ(GridText(TrebleBar(0)), "0:E5/24 24:S/24 48:S/24 72:S/24");
}

}  // namespace
