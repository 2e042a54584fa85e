#include "editor/commands/TrackCommands.h"

#include "editor/EditorMessages.h"
#include "editor/UndoManager.h"
#include "editor/commands/CommandContext.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"
#include "platform/Prompt.h"

bool TrackCommands::Insert(CommandContext& context, CommandId command) {
    Song* song = context.window.GetSong();
    if (song == nullptr) {
        return false;
    }
    int slot = -1;
    const char* undoName = nullptr;
    switch (command) {
        case CommandId::InsertTrebleTrack:
            slot = song->AddTrebleTrack();
            undoName = "Insert Treble Track";
            break;
        case CommandId::InsertBassTrack:
            slot = song->AddBassTrack();
            undoName = "Insert Bass Track";
            break;
        case CommandId::InsertPercussionTrack:
            slot = song->AddPercussionTrack();
            undoName = "Insert Percussion Track";
            break;
        case CommandId::InsertAccompanimentTrack:
            slot = song->AddAccompanimentTrack();
            undoName = "Insert Chord Track";
            break;
        default:
            return false;
    }
    if (slot < 0) {
        const bool accompaniment = command == CommandId::InsertAccompanimentTrack;
        context.prompt.Show(Translation::Text("TrackCommands", accompaniment ? kAccompanimentExists
                                                                             : kTooManyTracks),
                            messages::kError, Prompt::ErrorIcon);
        return false;
    }
    context.window.UpdateScrollSizes();
    context.window.RedrawAll();
    context.history.Record(*song, undoName, undoName);
    return true;
}
