#include "app/menus/DialogCommands.h"

#include <memory>

#include "app/CQuillsong3Doc.h"
#include "app/menus/CommandActions.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/dialogs/ClearBarsDialog.h"
#include "editor/qt/dialogs/CopyBarDialog.h"
#include "editor/qt/dialogs/DeleteBarsDialog.h"
#include "editor/qt/dialogs/DeleteTrackDialog.h"
#include "editor/qt/dialogs/InsertBarsDialog.h"
#include "editor/qt/dialogs/LyricsDialog.h"
#include "editor/qt/dialogs/OrganizeTracksDialog.h"
#include "editor/qt/dialogs/ShiftNotesDialog.h"
#include "editor/qt/dialogs/TransposeDialog.h"
#include "model/Song.h"

namespace {

std::function<int(QDialog&)>& ExecHook() {
    static std::function<int(QDialog&)> hook;
    return hook;
}

template <typename Dialog>
bool RunOnSong(CommandActions& actions) {
    Song* song = actions.Document().GetSong();
    if (song == nullptr) {
        return false;
    }
    Dialog dialog(*song, actions.MessagePrompt(), UndoManager::Instance(), &actions.View());
    return DialogCommands::Exec(dialog) == QDialog::Accepted;
}

}  // namespace

void DialogCommands::SetExecHook(std::function<int(QDialog&)> hook) {
    ExecHook() = std::move(hook);
}

int DialogCommands::Exec(QDialog& dialog) {
    return ExecHook() ? ExecHook()(dialog) : dialog.exec();
}

bool DialogCommands::Run(CommandId command, CommandActions& actions) {
    bool accepted = false;
    switch (command) {
        case CommandId::DeleteTrack:
            accepted = RunOnSong<DeleteTrackDialog>(actions);
            break;
        case CommandId::OrganizeTracks:
            accepted = RunOnSong<OrganizeTracksDialog>(actions);
            break;
        case CommandId::Lyrics:
            accepted = RunOnSong<LyricsDialog>(actions);
            break;
        case CommandId::ShiftNotes:
            accepted = RunOnSong<ShiftNotesDialog>(actions);
            break;
        case CommandId::CopyBars:
            accepted = RunOnSong<CopyBarDialog>(actions);
            break;
        case CommandId::InsertBars:
            accepted = RunOnSong<InsertBarsDialog>(actions);
            break;
        case CommandId::DeleteBars:
            accepted = RunOnSong<DeleteBarsDialog>(actions);
            break;
        case CommandId::ClearBars:
            accepted = RunOnSong<ClearBarsDialog>(actions);
            break;
        case CommandId::Transpose:
            accepted = actions.Document().EditOwnedSong([&actions](std::unique_ptr<Song>& song) {
                TransposeDialog dialog(song, actions.MessagePrompt(), UndoManager::Instance(),
                                       &actions.View());
                return Exec(dialog) == QDialog::Accepted;
            });
            break;
        default:
            return false;
    }
    Finish(command, accepted, actions);
    return true;
}

void DialogCommands::Finish(CommandId command, bool accepted, CommandActions& actions) {
    if (!accepted) {
        return;
    }
    CQuillsong3View& view = actions.View();
    switch (command) {
        case CommandId::DeleteTrack:
        case CommandId::OrganizeTracks:
            ToolsManager::Instance().ClearSelection(false);
            break;
        case CommandId::Lyrics:
            ToolsManager::Instance().ClearSelection(false);
            if (Song* song = actions.Document().GetSong()) {
                song->Relayout();
            }
            break;
        default:
            break;
    }
    view.UpdateScrollSizes();
    view.RedrawAll();
}
