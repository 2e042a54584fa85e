#pragma once

#include <QDialog>

#include "editor/CopyBarForm.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class Prompt;
class Song;
class UndoManager;

// The "Copy Bar" dialog over CopyBarForm: bars of a source track copied,
// repeated, onto a destination track of the same type, or every track onto
// itself. exec() answers Accepted once the bars are copied and recorded;
// after a message it stays open with the focus on the field in question.
class CopyBarDialog : public QDialog {
    Q_OBJECT

public:
    CopyBarDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent = nullptr);

private:
    void ChooseSource(int row);
    void CopyAllTracks(bool all);
    void ShowBars();
    void Ok();

    Song& m_song;
    Prompt& m_prompt;
    UndoManager& m_history;
    CopyBarForm m_form;
    QListWidget* m_sources;
    QListWidget* m_destinations;
    QCheckBox* m_copyAll;
    QComboBox* m_first;
    QComboBox* m_last;
    QComboBox* m_destinationBar;
    QLineEdit* m_repetitions;
};
