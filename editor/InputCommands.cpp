#include "editor/InputCommands.h"

#include "editor/ToolsManager.h"
#include "model/Note.h"
#include "platform/Translation.h"

namespace {

constexpr const char* kContext = "InputCommands";

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

std::string InputCommands::Prompt(Command command) {
    switch (command) {
        case Pencil:
            return Translation::Text("InputCommands", "Insert note or rest\nPencil");
        case Eraser:
            return Translation::Text("InputCommands",
                                     "Delete notes, remove user text boxes\nEraser");
        case Select:
            return Translation::Text("InputCommands",
                                     "Select bar for copy and paste, select notes for batch delete "
                                     "and make changes etc...\nSelect");
        default:
            return {};
    }
}

std::string InputCommands::Name(Command command) {
    static constexpr const char* kNames[kCount] = {
        nullptr,
        nullptr,
        nullptr,
        QS_TRANSLATE_NOOP("InputCommands", "Whole Note"),
        QS_TRANSLATE_NOOP("InputCommands", "Half Note"),
        QS_TRANSLATE_NOOP("InputCommands", "Quarter Note"),
        QS_TRANSLATE_NOOP("InputCommands", "Eighth Note"),
        QS_TRANSLATE_NOOP("InputCommands", "Sixteenth Note"),
        QS_TRANSLATE_NOOP("InputCommands", "Sharp"),
        QS_TRANSLATE_NOOP("InputCommands", "Flat"),
        QS_TRANSLATE_NOOP("InputCommands", "Natural"),
        QS_TRANSLATE_NOOP("InputCommands", "Whole Rest"),
        QS_TRANSLATE_NOOP("InputCommands", "Half Rest"),
        QS_TRANSLATE_NOOP("InputCommands", "Quarter Rest"),
        QS_TRANSLATE_NOOP("InputCommands", "Eighth Rest"),
        QS_TRANSLATE_NOOP("InputCommands", "Sixteenth Rest"),
        QS_TRANSLATE_NOOP("InputCommands", "Dot"),
        QS_TRANSLATE_NOOP("InputCommands", "Triplet"),
        QS_TRANSLATE_NOOP("InputCommands", "Tie")};
    const std::string prompt = Prompt(command);
    const size_t lineBreak = prompt.find('\n');
    if (lineBreak != std::string::npos) {
        return prompt.substr(lineBreak + 1);
    }
    if (command < 0 || command >= kCount || kNames[command] == nullptr) {
        return {};
    }
    return Translation::Text(kContext, kNames[command]);
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
