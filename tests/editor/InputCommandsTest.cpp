#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "model/Note.h"
#include "model/Song.h"
#include "support/EngineReset.h"
#include "support/RecordingObserver.h"

namespace {

using Command = InputCommands::Command;

// The tool manager's input as one value, for comparing before and after.
struct Input {
    int tool = ToolsManager::Pencil;
    int kind = ToolsManager::NoteInput;
    int value = 8;
    int length = ToolsManager::Plain;
    int accidental = Note::NoAccidental;
    bool operator==(const Input&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Input& input) {
    return out << "tool " << input.tool << ", kind " << input.kind << ", value " << input.value
               << ", length " << input.length << ", accidental " << input.accidental;
}

class InputCommandsTest : public EngineReset {
protected:
    static void Set(const Input& input) {
        ToolsManager& tools = ToolsManager::Instance();
        tools.SetTool(input.tool);
        tools.SetInputKind(input.kind);
        tools.SetNoteValue(input.value);
        tools.SetLengthModifier(input.length);
        tools.SetAccidental(input.accidental);
    }
    static Input Current() {
        const ToolsManager& tools = ToolsManager::Instance();
        return {tools.ToolIndex(), tools.InputKind(), tools.NoteValue(), tools.LengthModifier(),
                tools.Accidental()};
    }
};

constexpr int kNote = ToolsManager::NoteInput;
constexpr int kRest = ToolsManager::RestInput;
constexpr int kTie = ToolsManager::TieInput;
constexpr int kDot = ToolsManager::Dotted;
constexpr int kTriplet = ToolsManager::Triplet;
constexpr int kPlain = ToolsManager::Plain;
constexpr int kNone = Note::NoAccidental;

TEST_F(InputCommandsTest, EachCommandSetsThePencilsInput) {
    struct Case {
        const char* name;
        Input before;
        std::vector<Command> commands;
        Input after;
    };
    const Case cases[] = {
        {"a note value",
         {2, kRest, 8, kDot, kNone},
         {InputCommands::HalfNote},
         {0, kNote, 2, kDot, kNone}},
        {"the whole note clears a dot",
         {0, kNote, 4, kDot, kNone},
         {InputCommands::WholeNote},
         {0, kNote, 1, kPlain, kNone}},
        {"the whole note clears a triplet",
         {0, kNote, 8, kTriplet, kNone},
         {InputCommands::WholeNote},
         {0, kNote, 1, kPlain, kNone}},
        {"a rest value drops the accidental",
         {1, kNote, 8, kTriplet, Note::Flat},
         {InputCommands::QuarterRest},
         {0, kRest, 4, kTriplet, kNone}},
        {"the whole rest clears a dot",
         {0, kNote, 8, kDot, kNone},
         {InputCommands::WholeRest},
         {0, kRest, 1, kPlain, kNone}},
        {"no dot on a whole note",
         {2, kTie, 1, kPlain, kNone},
         {InputCommands::Dot},
         {0, kTie, 1, kPlain, kNone}},
        {"no triplet on a whole note",
         {0, kNote, 1, kPlain, kNone},
         {InputCommands::Triplet},
         {0, kNote, 1, kPlain, kNone}},
        {"the dot twice",
         {0, kNote, 4, kPlain, kNone},
         {InputCommands::Dot, InputCommands::Dot},
         {0, kNote, 4, kPlain, kNone}},
        {"the dot turns a tie into notes",
         {0, kTie, 4, kPlain, kNone},
         {InputCommands::Dot},
         {0, kNote, 4, kDot, kNone}},
        {"the triplet replaces the dot",
         {0, kRest, 8, kDot, kNone},
         {InputCommands::Triplet},
         {0, kRest, 8, kTriplet, kNone}},
        {"the tie",
         {1, kRest, 8, kDot, Note::Sharp},
         {InputCommands::Tie},
         {0, kTie, 8, kPlain, kNone}},
        {"sharp twice leaves none",
         {0, kNote, 8, kPlain, kNone},
         {InputCommands::Sharp, InputCommands::Sharp},
         {0, kNote, 8, kPlain, kNone}},
        {"sharp while writing rests",
         {0, kRest, 4, kPlain, kNone},
         {InputCommands::Sharp},
         {0, kNote, 4, kPlain, Note::Sharp}},
        {"flat after sharp",
         {0, kNote, 4, kPlain, Note::Sharp},
         {InputCommands::Flat},
         {0, kNote, 4, kPlain, Note::Flat}},
        {"natural taken back keeps the rests",
         {0, kRest, 4, kPlain, Note::Natural},
         {InputCommands::Natural},
         {0, kRest, 4, kPlain, kNone}},
        {"the eraser",
         {0, kRest, 4, kDot, Note::Sharp},
         {InputCommands::Eraser},
         {1, kRest, 4, kDot, Note::Sharp}},
        {"the select tool",
         {1, kNote, 8, kPlain, kNone},
         {InputCommands::Select},
         {2, kNote, 8, kPlain, kNone}},
    };
    for (const Case& c : cases) {
        Set(c.before);
        for (Command command : c.commands) {
            InputCommands::Execute(command);
        }
        EXPECT_EQ(Current(), c.after) << c.name;
    }
}

TEST_F(InputCommandsTest, LeavingTheSelectToolForTheInputEmptiesTheSelection) {
    auto song = std::make_unique<Song>("t", "a", 2, 100, Song::TimeSignature{4, 4}, 0);
    song->AddTrebleTrack();
    ToolsManager& tools = ToolsManager::Instance();
    InputCommands::Execute(InputCommands::Select);
    tools.SelectSingle(song->GetBar(0, 1));
    InputCommands::Execute(InputCommands::QuarterRest);
    EXPECT_EQ(tools.ToolIndex(), ToolsManager::Pencil);
    EXPECT_TRUE(tools.Selection().empty());
}

TEST_F(InputCommandsTest, ObserversHearEveryCommand) {
    RecordingObserver toolBar;
    ToolsManager::Instance().Attach(&toolBar, 0);
    InputCommands::Execute(InputCommands::Dot);
    InputCommands::Execute(InputCommands::Eraser);
    ToolsManager::Instance().Detach(&toolBar, 0);
    EXPECT_EQ(toolBar.CountFor(0), 2);
}

TEST_F(InputCommandsTest, CheckMarksShowTheInput) {
    struct Case {
        const char* name;
        Input input;
        std::vector<Command> checked;
    };
    const Case cases[] = {
        {"the start", {}, {InputCommands::Pencil, InputCommands::EighthNote}},
        {"a dotted quarter rest with the eraser",
         {1, kRest, 4, kDot, kNone},
         {InputCommands::Eraser, InputCommands::QuarterRest, InputCommands::Dot}},
        {"a tie shows no value",
         {2, kTie, 16, kTriplet, Note::Flat},
         {InputCommands::Select, InputCommands::Flat, InputCommands::Triplet, InputCommands::Tie}},
        {"a sharp whole note",
         {0, kNote, 1, kPlain, Note::Sharp},
         {InputCommands::Pencil, InputCommands::WholeNote, InputCommands::Sharp}},
        {"natural",
         {0, kNote, 2, kPlain, Note::Natural},
         {InputCommands::Pencil, InputCommands::HalfNote, InputCommands::Natural}},
        {"another tool index", {5, kNote, 16, kPlain, kNone}, {InputCommands::SixteenthNote}},
    };
    for (const Case& c : cases) {
        Set(c.input);
        std::vector<Command> checked;
        for (int i = 0; i < InputCommands::kCount; ++i) {
            if (InputCommands::IsChecked(static_cast<Command>(i))) {
                checked.push_back(static_cast<Command>(i));
            }
        }
        EXPECT_EQ(checked, c.checked) << c.name;
    }
}

TEST_F(InputCommandsTest, TheToolBarGroupsAndPrompts) {
    std::vector<std::vector<Command>> groups;
    for (int i = 0; i < InputCommands::kCount; ++i) {
        const auto command = static_cast<Command>(i);
        if (groups.empty() || InputCommands::StartsGroup(command)) {
            groups.emplace_back();
        }
        groups.back().push_back(command);
    }
    const std::vector<size_t> sizes = {3, 5, 3, 5, 2, 1};
    ASSERT_EQ(groups.size(), sizes.size());
    for (size_t g = 0; g < sizes.size(); ++g) {
        EXPECT_EQ(groups[g].size(), sizes[g]) << "group " << g;
    }
    EXPECT_EQ(groups[2].front(), InputCommands::Sharp);
    EXPECT_EQ(InputCommands::Prompt(InputCommands::Pencil), "Insert note or rest\nPencil");
    EXPECT_EQ(InputCommands::Prompt(InputCommands::Eraser),
              "Delete notes, remove user text boxes\nEraser");
    EXPECT_EQ(InputCommands::Prompt(InputCommands::Select),
              "Select bar for copy and paste, select notes for batch delete and make changes "
              "etc...\nSelect");
    EXPECT_TRUE(InputCommands::Prompt(InputCommands::Tie).empty());
}

}  // namespace
