#include "editor/ScoreKeys.h"

#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"

bool ScoreKeys::Press(char key) {
    ToolsManager& tools = ToolsManager::Instance();
    switch (key) {
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
            ChooseValue(key - '1');
            return true;
        case 'S':
        case 's':
            tools.ToggleRest();
            tools.Notify(0);
            return true;
        case 'T':
        case 't':
            NextTool();
            return true;
        case 'P':
        case 'p':
            InputCommands::Execute(InputCommands::Triplet);
            return true;
        case '.':
            InputCommands::Execute(InputCommands::Dot);
            return true;
        default:
            return false;
    }
}

void ScoreKeys::ChooseValue(int index) {
    const bool rests = ToolsManager::Instance().InputKind() == ToolsManager::RestInput;
    const auto first = rests ? InputCommands::WholeRest : InputCommands::WholeNote;
    InputCommands::Execute(static_cast<InputCommands::Command>(first + index));
}

void ScoreKeys::NextTool() {
    ToolsManager& tools = ToolsManager::Instance();
    const int next = tools.ToolIndex() == ToolsManager::Pencil   ? ToolsManager::Eraser
                     : tools.ToolIndex() == ToolsManager::Eraser ? ToolsManager::Select
                                                                 : ToolsManager::Pencil;
    InputCommands::Execute(static_cast<InputCommands::Command>(next));
}
