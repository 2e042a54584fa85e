#include <gtest/gtest.h>

#include "editor/BarClipboard.h"
#include "editor/commands/ClipboardCommands.h"
#include "editor/commands/EditorCommands.h"
#include "editor/commands/TrackCommands.h"
#include "editor/commands/ViewCommands.h"
#include "editor/tools/PencilTool.h"
#include "model/Note.h"
#include "model/PageGeometry.h"
#include "model/Track.h"
#include "model/UserText.h"
#include "support/CommandTestKit.h"

namespace {

using namespace command_test;
using notebar_test::At;
using notebar_test::GridText;
using notebar_test::MarksText;
using notebar_test::Put;

class EditorCommandsTest : public CommandTest {
protected:
    bool Run(CommandId command) { return EditorCommands::Execute(*context, command); }

    // Three quarter notes (C, C, E) and a quarter rest in treble bar 0.
    void WriteBar() {
        const int beat = TrebleBar(0).GetStepsPerBeat();
        Put(TrebleBar(0), 0, "C5", 4);
        Put(TrebleBar(0), beat, "C5", 4);
        Put(TrebleBar(0), 2 * beat, "E5", 4);
        UndoManager::Instance().Record(*song, "Written", "Written");
    }
    Note* TrebleNote(int beat) { return At(TrebleBar(0), beat * TrebleBar(0).GetStepsPerBeat()); }
    void Select(std::initializer_list<SelObject*> objects) {
        tools.ClearSelection(false);
        for (SelObject* object : objects) {
            tools.ToggleSelect(object);
        }
    }
};

TEST_F(EditorCommandsTest, TrackInsertionStopsAtTheLimitsWithTheirMessages) {
    EXPECT_FALSE(Run(CommandId::InsertAccompanimentTrack));
    ASSERT_EQ(Messages(), std::vector<std::string>{TrackCommands::kAccompanimentExists});
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, "Error");
    EXPECT_EQ(prompt.AskedSoFar()[0].icon, Prompt::ErrorIcon);

    // A treble and a bass track are there: seven more pitched tracks fit.
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(Run(i % 2 == 0 ? CommandId::InsertTrebleTrack : CommandId::InsertBassTrack));
    }
    EXPECT_EQ(song->CountPitchedTracks(), 9);
    EXPECT_EQ(window->scrollSizeUpdates, 7);
    const int recorded = static_cast<int>(Records().size());
    EXPECT_FALSE(Run(CommandId::InsertTrebleTrack));
    EXPECT_EQ(Messages().back(), TrackCommands::kTooManyTracks);
    EXPECT_EQ(static_cast<int>(Records().size()), recorded);
    EXPECT_EQ(Records().front(), "Insert Treble Track");
    EXPECT_EQ(Records()[1], "Insert Bass Track");

    ASSERT_TRUE(Run(CommandId::InsertPercussionTrack));
    EXPECT_EQ(Records().back(), "Insert Percussion Track");
}

TEST_F(EditorCommandsTest, TheAccompanimentTrackGoesInUnderItsOwnUndoName) {
    song->DeleteTrack(0);
    ASSERT_FALSE(song->HasAccompaniment());
    ASSERT_TRUE(Run(CommandId::InsertAccompanimentTrack));
    EXPECT_TRUE(song->HasAccompaniment());
    EXPECT_EQ(Records(), std::vector<std::string>{"Insert Chord Track"});
}

TEST_F(EditorCommandsTest, DynamicsOnTwoNotesAndARestChangeNothing) {
    WriteBar();
    Select({TrebleNote(0), TrebleNote(1), TrebleNote(3)});
    const std::string before = GridText(TrebleBar(0));
    EXPECT_FALSE(Run(CommandId::DynamicFF));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Cannot add dynamic markings to rests"});
    EXPECT_EQ(document->reverts, 1);
    EXPECT_EQ(MarksText(TrebleBar(0)), "");
    EXPECT_EQ(GridText(TrebleBar(0)), before);
    EXPECT_EQ(Records(), std::vector<std::string>{"Written"});
}

TEST_F(EditorCommandsTest, DynamicsSetAndClearMarksOnNotes) {
    WriteBar();
    const int beat = TrebleBar(0).GetStepsPerBeat();
    Select({TrebleNote(0), TrebleNote(2)});
    ASSERT_TRUE(Run(CommandId::DynamicFF));
    EXPECT_EQ(MarksText(TrebleBar(0)), "0:6 " + std::to_string(2 * beat) + ":6");
    EXPECT_FALSE(tools.HasSelection());
    // Nothing selected: the hovered note is the target.
    tools.SetHover(TrebleNote(0));
    ASSERT_TRUE(Run(CommandId::DynamicAccent));
    EXPECT_EQ(MarksText(TrebleBar(0)), "0:9 " + std::to_string(2 * beat) + ":6");
    tools.SetHover(TrebleNote(0));
    ASSERT_TRUE(Run(CommandId::DynamicClear));
    EXPECT_EQ(MarksText(TrebleBar(0)), std::to_string(2 * beat) + ":6");
    EXPECT_EQ(Records(), (std::vector<std::string>{"Dynamics", "Dynamics", "Dynamics"}));
}

TEST_F(EditorCommandsTest, NoteCommandsRefuseWithTheirMessages) {
    WriteBar();
    struct Case {
        CommandId command;
        int beat;
        std::string message;
        std::string caption;
    };
    const std::vector<Case> cases = {
        {CommandId::AddTie, 2, "Cannot add tie", "Error"},
        {CommandId::EraseTie, 0,
         "Cannot erase tie. Make sure\n1. It is a tied note\n2. It is not the last note of the "
         "tied notes.",
         "Error"},
        {CommandId::AccidentalSharp, 3, "No accidental changes", "Information"},
    };
    for (const Case& c : cases) {
        Select({TrebleNote(c.beat)});
        EXPECT_FALSE(Run(c.command)) << c.message;
        ASSERT_FALSE(prompt.AskedSoFar().empty());
        EXPECT_EQ(prompt.AskedSoFar().back().text, c.message);
        EXPECT_EQ(prompt.AskedSoFar().back().caption, c.caption);
    }
    EXPECT_EQ(prompt.AskedSoFar().back().icon, Prompt::InformationIcon);
    EXPECT_EQ(Records(), std::vector<std::string>{"Written"});
}

TEST_F(EditorCommandsTest, TieThenEraseTheTieThenTheNotes) {
    WriteBar();
    Select({TrebleNote(0)});
    ASSERT_TRUE(Run(CommandId::AddTie));
    EXPECT_TRUE(TrebleNote(0)->IsTieStart());
    EXPECT_TRUE(TrebleNote(1)->IsTieEnd());
    Select({TrebleNote(0)});
    ASSERT_TRUE(Run(CommandId::EraseTie));
    EXPECT_FALSE(TrebleNote(0)->IsTied());
    EXPECT_FALSE(TrebleNote(1)->IsTied());
    EXPECT_EQ(Records(), (std::vector<std::string>{"Written", "Add Tie", "Erase Tie"}));

    // A tie again; erasing the chain's first note with the E and the rest
    // erases both notes, leaves the rest, and takes the tie with it.
    Select({TrebleNote(0)});
    ASSERT_TRUE(Run(CommandId::AddTie));
    Select({TrebleNote(0), TrebleNote(2), TrebleNote(3)});
    ASSERT_TRUE(Run(CommandId::EraseNote));
    EXPECT_TRUE(TrebleNote(0) == nullptr || TrebleNote(0)->IsRest());
    EXPECT_FALSE(TrebleNote(1)->IsRest());
    EXPECT_FALSE(TrebleNote(1)->IsTied());
    EXPECT_EQ(GridText(TrebleBar(0)).find("E5"), std::string::npos);
    EXPECT_EQ(Records(), (std::vector<std::string>{"Erase Tie", "Add Tie", "Erase note"}));
}

TEST_F(EditorCommandsTest, AccidentalsGoOnNotesAndSkipRests) {
    WriteBar();
    Select({TrebleNote(2), TrebleNote(3)});
    ASSERT_TRUE(Run(CommandId::AccidentalFlat));
    EXPECT_EQ(TrebleNote(2)->GetAccidental(), Note::Flat);
    EXPECT_EQ(Records().back(), "Note SharpFlat");
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

TEST_F(EditorCommandsTest, CommandsOnTheWrongKindOfTargetDoNothingSilently) {
    WriteBar();
    Select({&TrebleBar(1)});
    for (const CommandId command :
         {CommandId::EraseNote, CommandId::AddTie, CommandId::EraseTie, CommandId::AccidentalSharp,
          CommandId::DynamicF, CommandId::DeleteUserText}) {
        EXPECT_FALSE(Run(command)) << static_cast<int>(command);
        EXPECT_TRUE(tools.HasSelection());
    }
    EXPECT_TRUE(prompt.AskedSoFar().empty());
    EXPECT_EQ(Records(), std::vector<std::string>{"Written"});
}

TEST_F(EditorCommandsTest, TheDeleteKeyErasesNotesRemovesTextsAndClearsBars) {
    WriteBar();
    Put(TrebleBar(2), 0, "G5", 2);
    Select({TrebleNote(2)});
    ASSERT_TRUE(ClipboardCommands::DeleteKey(*context));
    EXPECT_EQ(GridText(TrebleBar(0)).find("E5"), std::string::npos);

    UserText* text = song->AddUserText(300, 400);
    Select({text});
    ASSERT_TRUE(ClipboardCommands::DeleteKey(*context));
    EXPECT_TRUE(song->GetUserTexts().empty());

    Select({&TrebleBar(2)});
    ASSERT_TRUE(ClipboardCommands::DeleteKey(*context));
    EXPECT_EQ(GridText(TrebleBar(2)).find("G5"), std::string::npos);
    EXPECT_EQ(Records(), (std::vector<std::string>{"Erase note", "Erase UserText", "Clear Bar"}));
}

TEST_F(EditorCommandsTest, InsertTextAtTheRightClickedPoint) {
    const Point empty{1800, 2800};
    PencilTool::Instance().OnRButtonDown(*window, 0, empty);
    ASSERT_EQ(window->popups.back().name, "NullPopup");
    ASSERT_TRUE(Run(CommandId::InsertText));
    ASSERT_EQ(song->GetUserTexts().size(), 1U);
    const Rect box = song->GetUserTexts().front()->GetRect();
    EXPECT_EQ(box.left, empty.x);
    EXPECT_EQ(box.top, empty.y);
    EXPECT_EQ(Records(), std::vector<std::string>{"Add User Text"});
}

TEST_F(EditorCommandsTest, CopyAndPasteGoToAnOpenEditFieldFirst) {
    window->editFieldOpen = true;
    Select({&TrebleBar(0)});
    EXPECT_TRUE(Run(CommandId::Copy));
    EXPECT_TRUE(Run(CommandId::Paste));
    EXPECT_EQ(window->fieldCopies, 1);
    EXPECT_EQ(window->fieldPastes, 1);
    EXPECT_TRUE(BarClipboard::Instance().IsEmpty());

    window->editFieldOpen = false;
    Put(TrebleBar(0), 0, "A5", 4);
    Select({&TrebleBar(0)});
    ASSERT_TRUE(Run(CommandId::Copy)) << (Messages().empty() ? "" : Messages().back());
    Select({&TrebleBar(3)});
    ASSERT_TRUE(Run(CommandId::Paste));
    EXPECT_EQ(GridText(TrebleBar(3)), GridText(TrebleBar(0)));
    EXPECT_EQ(Records(), std::vector<std::string>{"Paste"});
    EXPECT_GE(window->fullRedraws, 1);
    BarClipboard::Instance().Clear();
}

TEST(ViewCommandsZoom, StepsGoToTheNextPreset) {
    struct Step {
        int from;
        int in;
        int out;
    };
    for (const Step& s :
         {Step{50, 75, 50}, Step{51, 100, 50}, Step{75, 100, 50}, Step{100, 125, 75},
          Step{110, 150, 100}, Step{125, 150, 100}, Step{150, 200, 125}, Step{200, 200, 150}}) {
        EXPECT_EQ(ViewCommands::ZoomedIn(s.from), s.in) << s.from;
        EXPECT_EQ(ViewCommands::ZoomedOut(s.from), s.out) << s.from;
    }
}

TEST_F(EditorCommandsTest, ZoomAndBarsPerLineChangeTheViewAndRecordNothing) {
    tools.SelectSingle(&TrebleBar(0));
    tools.SetZoom(110);
    EXPECT_TRUE(EditorCommands::IsChecked(CommandId::ZoomCustom));
    ASSERT_TRUE(Run(CommandId::ZoomIn));
    EXPECT_EQ(tools.Zoom(), 150);
    EXPECT_FALSE(tools.HasSelection());
    EXPECT_TRUE(EditorCommands::IsChecked(CommandId::Zoom150));
    EXPECT_FALSE(EditorCommands::IsChecked(CommandId::ZoomCustom));
    ASSERT_TRUE(Run(CommandId::Zoom200));
    EXPECT_FALSE(EditorCommands::IsEnabled(CommandId::ZoomIn, song.get(), false));
    EXPECT_FALSE(Run(CommandId::ZoomIn));
    EXPECT_EQ(tools.Zoom(), 200);
    ASSERT_TRUE(Run(CommandId::Zoom50));
    EXPECT_FALSE(EditorCommands::IsEnabled(CommandId::ZoomOut, song.get(), false));
    EXPECT_EQ(window->scrollSizeUpdates, 3);

    const int before = Track::GetBarsPerLine();
    ASSERT_TRUE(Run(CommandId::BarsPerLine3));
    EXPECT_EQ(Track::GetBarsPerLine(), 3);
    EXPECT_TRUE(EditorCommands::IsChecked(CommandId::BarsPerLine3));
    EXPECT_FALSE(EditorCommands::IsChecked(CommandId::BarsPerLine2));
    EXPECT_TRUE(Records().empty());
    song->SetBarsPerLine(before);
    tools.SetZoom(125);
}

TEST_F(EditorCommandsTest, EnablingFollowsPlaybackAndTheTracks) {
    const std::vector<CommandId> all = {CommandId::InsertTrebleTrack,
                                        CommandId::DeleteTrack,
                                        CommandId::OrganizeTracks,
                                        CommandId::Lyrics,
                                        CommandId::ShiftNotes,
                                        CommandId::CopyBars,
                                        CommandId::Transpose,
                                        CommandId::Zoom100,
                                        CommandId::ZoomIn,
                                        CommandId::Paste,
                                        CommandId::HelpContents,
                                        CommandId::BarsPerLine1};
    for (const CommandId command : all) {
        EXPECT_FALSE(EditorCommands::IsEnabled(command, song.get(), true))
            << static_cast<int>(command);
        EXPECT_TRUE(EditorCommands::IsEnabled(command, song.get(), false))
            << static_cast<int>(command);
    }
    EXPECT_FALSE(EditorCommands::IsEnabled(CommandId::InsertAccompanimentTrack, song.get(), false));

    struct Case {
        CommandId command;
        bool empty;
        bool accompanimentOnly;
    };
    Song empty("t", "a", 4, 100, Song::TimeSignature{4, 4}, 0);
    Song accompanimentOnly("t", "a", 4, 100, Song::TimeSignature{4, 4}, 0);
    accompanimentOnly.AddAccompanimentTrack();
    for (const Case& c :
         {Case{CommandId::DeleteTrack, false, true}, Case{CommandId::CopyBars, false, true},
          Case{CommandId::ShiftNotes, false, false}, Case{CommandId::OrganizeTracks, false, false},
          Case{CommandId::InsertAccompanimentTrack, true, false},
          Case{CommandId::InsertTrebleTrack, true, true}}) {
        EXPECT_EQ(EditorCommands::IsEnabled(c.command, &empty, false), c.empty)
            << static_cast<int>(c.command);
        EXPECT_EQ(EditorCommands::IsEnabled(c.command, &accompanimentOnly, false),
                  c.accompanimentOnly)
            << static_cast<int>(c.command);
    }
}

TEST_F(EditorCommandsTest, PagesTurnWithinTheSong) {
    // 50 device pixels a hundred units: a page every 1057 pixels.
    const int pitch = PageGeometry::kPagePitch / 2;
    EXPECT_FALSE(ViewCommands::TurnPage(*window, 3, -1));
    ASSERT_TRUE(ViewCommands::TurnPage(*window, 3, +1));
    EXPECT_EQ(window->scroll.x, pitch);
    window->scroll = {pitch * 2 - 100, 40};
    ASSERT_TRUE(ViewCommands::TurnPage(*window, 3, -1));
    EXPECT_EQ(window->scroll, (Point{pitch, 40}));
    window->scroll = {pitch * 2, 0};
    EXPECT_FALSE(ViewCommands::TurnPage(*window, 3, +1));
}

TEST(EditorCommandCodes, DynamicsAndAccidentalsMapToTheModelsCodes) {
    EXPECT_EQ(EditorCommands::DynamicCodeOf(CommandId::DynamicPPP), 0);
    EXPECT_EQ(EditorCommands::DynamicCodeOf(CommandId::DynamicFFF), 7);
    EXPECT_EQ(EditorCommands::DynamicCodeOf(CommandId::DynamicSF), 8);
    EXPECT_EQ(EditorCommands::DynamicCodeOf(CommandId::DynamicAccent), 9);
    EXPECT_EQ(EditorCommands::DynamicCodeOf(CommandId::DynamicClear), 12);
    EXPECT_EQ(EditorCommands::DynamicCodeOf(CommandId::Copy), -1);
    EXPECT_EQ(EditorCommands::AccidentalCodeOf(CommandId::AccidentalNormal), 3);
    EXPECT_EQ(EditorCommands::AccidentalCodeOf(CommandId::AccidentalDoubleFlat), 5);
}

}  // namespace
