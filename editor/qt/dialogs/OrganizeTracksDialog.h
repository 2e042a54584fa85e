#pragma once

#include <QDialog>

#include "editor/OrganizeTracksForm.h"

class QListWidget;
class Prompt;
class Song;
class UndoManager;

// The "Organize Tracks" dialog over OrganizeTracksForm: Up and Down move the
// chosen track on the song at once. However the dialog closes, the moves are
// recorded as one edit, and exec() answers Accepted exactly when a track
// moved.
class OrganizeTracksDialog : public QDialog {
    Q_OBJECT

public:
    OrganizeTracksDialog(Song& song, Prompt& prompt, UndoManager& history,
                         QWidget* parent = nullptr);

    void done(int result) override;

private:
    void Move(bool up);

    Prompt& m_prompt;
    UndoManager& m_history;
    OrganizeTracksForm m_form;
    QListWidget* m_tracks;
};
