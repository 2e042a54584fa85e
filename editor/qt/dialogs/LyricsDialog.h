#pragma once

#include <QDialog>

#include "editor/LyricsForm.h"

class QListWidget;
class Prompt;
class Song;
class UndoManager;

// The "Lyrics" dialog over LyricsForm: a check list of the tracks that can
// carry a lyric line. On OK the lines are shown and hidden to match; exec()
// answers Accepted exactly when one changed (and the change is recorded).
class LyricsDialog : public QDialog {
    Q_OBJECT

public:
    LyricsDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent = nullptr);

private:
    void Ok();

    Prompt& m_prompt;
    UndoManager& m_history;
    LyricsForm m_form;
    QListWidget* m_tracks;
};
