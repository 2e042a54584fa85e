#pragma once

#include <QDialog>

#include "editor/ShiftNotesForm.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class Prompt;
class Song;
class UndoManager;

// The "Shift Notes" dialog over ShiftNotesForm: the notes of one treble or
// bass track, over a range of bars, moved up or down by diatonic steps. OK
// is disabled when the song has no such track. exec() answers Accepted once
// the notes are shifted and recorded; after a message it stays open.
class ShiftNotesDialog : public QDialog {
    Q_OBJECT

public:
    ShiftNotesDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent = nullptr);

private:
    void ShowRange();
    void Ok();

    Song& m_song;
    Prompt& m_prompt;
    UndoManager& m_history;
    ShiftNotesForm m_form;
    QListWidget* m_tracks;
    QComboBox* m_first;
    QComboBox* m_last;
    QLineEdit* m_steps;
    QRadioButton* m_upward;
};
