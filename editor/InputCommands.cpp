#include "editor/InputCommands.h"

#include "editor/ToolsManager.h"
#include "model/Note.h"

namespace {

static_assert(static_cast<int>(InputCommands::Pencil) == ToolsManager::Pencil &&
                  static_cast<int>(InputCommands::Eraser) == ToolsManager::Eraser &&
                  static_cast<int>(InputCommands::Select) == ToolsManager::Select,
              "the tool commands count as the tool manager's tools");

ToolsManager& Tools() {
    return ToolsManager::Instance();
}

bool IsNoteCommand(InputCommands::Command command) {
    return command >= InputCommands::WholeNote && command <= InputCommands::SixteenthNote;
}

bool IsRestCommand(InputCommands::Command command) {
    return command >= InputCommands::WholeRest && command <= InputCommands::SixteenthRest;
}

// The accidental code of Sharp, Flat or Natural.
int AccidentalOf(InputCommands::Command command) {
    return Note::Sharp + (command - InputCommands::Sharp);
}

}  // namespace

void InputCommands::Execute(Command command) {
    ToolsManager& tools = Tools();
    if (command <= Select) {
        tools.SetTool(command);
        tools.Notify(0);
        return;
    }
    if (IsNoteCommand(command)) {
        ChooseNote(ValueOf(command));
    } else if (IsRestCommand(command)) {
        ChooseRest(ValueOf(command));
    } else if (command >= Sharp && command <= Natural) {
        ToggleAccidental(AccidentalOf(command));
    } else if (command == Dot) {
        ToggleLength(ToolsManager::Dotted);
    } else if (command == Triplet) {
        ToggleLength(ToolsManager::Triplet);
    } else if (command == Tie) {
        ChooseTie();
    }
    tools.SetTool(ToolsManager::Pencil);
    tools.Notify(0);
}

bool InputCommands::IsChecked(Command command) {
    const ToolsManager& tools = Tools();
    if (command <= Select) {
        return tools.ToolIndex() == command;
    }
    if (IsNoteCommand(command)) {
        return tools.NoteValue() == ValueOf(command) &&
               tools.InputKind() == ToolsManager::NoteInput;
    }
    if (IsRestCommand(command)) {
        return tools.NoteValue() == ValueOf(command) &&
               tools.InputKind() == ToolsManager::RestInput;
    }
    if (command >= Sharp && command <= Natural) {
        return tools.Accidental() == AccidentalOf(command);
    }
    switch (command) {
        case Dot:
            return tools.LengthModifier() == ToolsManager::Dotted;
        case Triplet:
            return tools.LengthModifier() == ToolsManager::Triplet;
        case Tie:
            return tools.InputKind() == ToolsManager::TieInput;
        default:
            return false;
    }
}

bool InputCommands::StartsGroup(Command command) {
    return command == WholeNote || command == Sharp || command == WholeRest || command == Dot ||
           command == Tie;
}

std::string_view InputCommands::Prompt(Command command) {
    switch (command) {
        case Pencil:
            return "Insert note or rest\nPencil";
        case Eraser:
            return "Delete notes, remove user text boxes\nEraser";
        case Select:
            return "Select bar for copy and paste, select notes for batch delete and make changes "
                   "etc...\nSelect";
        default:
            return {};
    }
}

std::string_view InputCommands::Name(Command command) {
    static constexpr std::string_view kNames[kCount] = {{},
                                                        {},
                                                        {},
                                                        "Whole Note",
                                                        "Half Note",
                                                        "Quarter Note",
                                                        "Eighth Note",
                                                        "Sixteenth Note",
                                                        "Sharp",
                                                        "Flat",
                                                        "Natural",
                                                        "Whole Rest",
                                                        "Half Rest",
                                                        "Quarter Rest",
                                                        "Eighth Rest",
                                                        "Sixteenth Rest",
                                                        "Dot",
                                                        "Triplet",
                                                        "Tie"};
    const std::string_view prompt = Prompt(command);
    const size_t lineBreak = prompt.find('\n');
    if (lineBreak != std::string_view::npos) {
        return prompt.substr(lineBreak + 1);
    }
    return command >= 0 && command < kCount ? kNames[command] : std::string_view{};
}

int InputCommands::ValueOf(Command command) {
    const int first = IsRestCommand(command) ? WholeRest : WholeNote;
    return 1 << (command - first);
}

void InputCommands::ChooseNote(int value) {
    ToolsManager& tools = Tools();
    tools.SetNoteValue(value);
    tools.SetInputKind(ToolsManager::NoteInput);
    if (value == 1) {
        tools.SetLengthModifier(ToolsManager::Plain);
    }
}

void InputCommands::ChooseRest(int value) {
    ToolsManager& tools = Tools();
    tools.SetNoteValue(value);
    tools.SetInputKind(ToolsManager::RestInput);
    tools.SetAccidental(Note::NoAccidental);
    if (value == 1) {
        tools.SetLengthModifier(ToolsManager::Plain);
    }
}

void InputCommands::ToggleLength(int modifier) {
    ToolsManager& tools = Tools();
    if (tools.NoteValue() == 1) {
        return;
    }
    tools.ToggleLengthModifier(modifier);
    if (tools.InputKind() == ToolsManager::TieInput) {
        tools.SetInputKind(ToolsManager::NoteInput);
    }
}

void InputCommands::ToggleAccidental(int accidental) {
    ToolsManager& tools = Tools();
    const bool again = tools.Accidental() == accidental;
    tools.SetAccidental(again ? Note::NoAccidental : accidental);
    if (!again) {
        tools.SetInputKind(ToolsManager::NoteInput);
    }
}

void InputCommands::ChooseTie() {
    ToolsManager& tools = Tools();
    tools.SetInputKind(ToolsManager::TieInput);
    tools.SetAccidental(Note::NoAccidental);
    tools.SetLengthModifier(ToolsManager::Plain);
}
