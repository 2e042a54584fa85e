#include "editor/tools/Tool.h"

#include "editor/UndoManager.h"
#include "model/NoteBar.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"

void Tool::RecordEdit(ScoreWindow& window, const char* name) {
    if (Song* song = window.GetSong()) {
        UndoManager::Instance().Record(*song, name, name);
    }
}

void Tool::RefreshNotes(NoteBar& bar) {
    bar.PlaceNotes(bar.GetBox());
    bar.Repaint();
}
