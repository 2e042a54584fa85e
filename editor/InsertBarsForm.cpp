#include "editor/InsertBarsForm.h"

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "platform/Prompt.h"
#include "platform/Translation.h"

std::string InsertBarsForm::LimitMessage(int numBars) {
    return Translation::Fill("%s\n%s = %d\n%s = %d",
                             {messages::kBarLimitExceeded.Text(), messages::kMaximumBars.Text(),
                              std::to_string(Song::kMaxBars), messages::kBarsYouCanInsert.Text(),
                              std::to_string(Song::kMaxBars - numBars)});
}

bool InsertBarsForm::Ok(Song& song, Prompt& prompt, UndoManager& history) const {
    const long long count = FormFields::ReadNumber(numberText, 39);
    if (count < 1) {
        prompt.Show(messages::kTooFewBarsToInsert, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    if (song.GetNumBars() + count >= Song::kMaxBars + 1) {
        prompt.Show(LimitMessage(song.GetNumBars()), messages::kError, Prompt::ErrorIcon);
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    if (!song.InsertBars(static_cast<int>(count), barIndex, before)) {
        return false;
    }
    history.Record(song, "Insert Bar", "Insert Bar");
    return true;
}
