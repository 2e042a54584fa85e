#pragma once

#include <QDialog>

#include "editor/DeleteTrackForm.h"

class QListWidget;
class Prompt;
class Song;
class UndoManager;

// The "Delete Track" dialog over DeleteTrackForm: the user chooses a track and
// confirms. exec() answers Accepted once the track is deleted and recorded;
// a No to the question leaves the dialog open.
class DeleteTrackDialog : public QDialog {
    Q_OBJECT

public:
    DeleteTrackDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent = nullptr);

private:
    void Delete();

    Prompt& m_prompt;
    UndoManager& m_history;
    DeleteTrackForm m_form;
    QListWidget* m_tracks;
};
