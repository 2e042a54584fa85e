#include "editor/DeleteBarsForm.h"

#include "editor/EditorMessages.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "platform/Prompt.h"

bool DeleteBarsForm::Ok(Song& song, Prompt& prompt, UndoManager& history) const {
    if (firstBar > lastBar) {
        prompt.Show(messages::kInvalidBarRange, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    if (firstBar <= 0 && lastBar >= song.GetNumBars() - 1) {
        prompt.Show(messages::kCannotDeleteAll, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    if (!song.DeleteBars(firstBar, lastBar)) {
        return false;
    }
    history.Record(song, "Delete Bar", "Delete Bar");
    return true;
}
