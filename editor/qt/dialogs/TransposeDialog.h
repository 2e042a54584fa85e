#pragma once

#include <QDialog>
#include <memory>

#include "editor/TransposeSongForm.h"

class QComboBox;
class QRadioButton;
class Prompt;
class Song;
class UndoManager;

// The "Transpose the music" dialog over TransposeSongForm: a new key from the
// major or minor list, or a number of semitones up or down. exec() answers
// Accepted once the song is transposed and recorded; when transposition
// fails the form has put the last recorded song back (which may be a new
// object) and told the user, and exec() answers Rejected. Cancel at the
// F sharp / G flat question keeps the dialog open.
class TransposeDialog : public QDialog {
    Q_OBJECT

public:
    TransposeDialog(std::unique_ptr<Song>& song, Prompt& prompt, UndoManager& history,
                    QWidget* parent = nullptr);

private:
    void ShowForm();
    void Ok();

    std::unique_ptr<Song>& m_song;
    Prompt& m_prompt;
    UndoManager& m_history;
    TransposeSongForm m_form;
    QRadioButton* m_newKey;
    QRadioButton* m_semitones;
    QRadioButton* m_major;
    QRadioButton* m_minor;
    QComboBox* m_majorKeys;
    QComboBox* m_minorKeys;
    QComboBox* m_semitoneCount;
    QComboBox* m_direction;
};
