#include "editor/commands/TextCommands.h"

#include <vector>

#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/commands/CommandContext.h"
#include "editor/commands/CommandTargets.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"
#include "model/UserText.h"

bool TextCommands::Insert(CommandContext& context, Point at) {
    Song* song = context.window.GetSong();
    if (song == nullptr || song->AddUserText(at.x, at.y) == nullptr) {
        return false;
    }
    context.window.RedrawAll();
    context.history.Record(*song, "Add User Text", "Add User Text");
    return true;
}

bool TextCommands::Delete(CommandContext& context) {
    Song* song = context.window.GetSong();
    const std::vector<UserText*> texts = CommandTargets::UserTexts();
    if (song == nullptr || texts.empty()) {
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    for (UserText* text : texts) {
        song->RemoveUserText(text);
    }
    context.history.Record(*song, "Erase UserText", "Erase UserText");
    return true;
}
