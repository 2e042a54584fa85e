#include "editor/BarBlockCommands.h"

#include "editor/EditorMessages.h"
#include "editor/InsertBarsForm.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Bar.h"
#include "model/Song.h"
#include "model/Track.h"
#include "platform/Prompt.h"

bool BarBlockCommands::SelectedBlock(Prompt& prompt, Block& block) {
    const ToolsManager& tools = ToolsManager::Instance();
    if (tools.Selection().empty()) {
        return false;
    }
    if (!tools.SelectionIsBarBlock()) {
        prompt.Show(messages::kNotContinuous, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    const auto* first = static_cast<const Bar*>(tools.Selection().front());
    const auto [tracks, bars] = tools.SelectionBlockSize();
    block = {first->GetTrack()->GetTrackNum(), first->GetIndex(), tracks, bars};
    return true;
}

bool BarBlockCommands::Clear(Song& song, Prompt& prompt, UndoManager& history) {
    Block block{};
    if (!SelectedBlock(prompt, block)) {
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    for (int t = block.firstTrack; t < block.firstTrack + block.tracks; ++t) {
        song.ClearBars(t, block.firstBar, block.firstBar + block.bars - 1);
    }
    history.Record(song, "Clear Bar", "Clear Bar");
    return true;
}

bool BarBlockCommands::Delete(Song& song, Prompt& prompt, UndoManager& history) {
    Block block{};
    if (!SelectedBlock(prompt, block)) {
        return false;
    }
    if (block.bars >= song.GetNumBars()) {
        prompt.Show(messages::kCannotDeleteAll, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    song.DeleteBars(block.firstBar, block.firstBar + block.bars - 1);
    history.Record(song, "Delete Bar", "Delete Bar");
    return true;
}

bool BarBlockCommands::InsertBefore(Song& song, Prompt& prompt, UndoManager& history) {
    return Insert(song, prompt, history, true);
}

bool BarBlockCommands::InsertAfter(Song& song, Prompt& prompt, UndoManager& history) {
    return Insert(song, prompt, history, false);
}

bool BarBlockCommands::Insert(Song& song, Prompt& prompt, UndoManager& history, bool before) {
    Block block{};
    if (!SelectedBlock(prompt, block)) {
        return false;
    }
    if (song.GetNumBars() + block.bars > Song::kMaxBars) {
        prompt.Show(InsertBarsForm::LimitMessage(song.GetNumBars()), messages::kError,
                    Prompt::ErrorIcon);
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    const int at = before ? block.firstBar : block.firstBar + block.bars - 1;
    song.InsertBars(block.bars, at, before);
    history.Record(song, "Insert Bar", "Insert Bar");
    return true;
}
