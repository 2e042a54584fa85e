#pragma once

#include <QDialog>

#include "editor/ClearBarsForm.h"

class QComboBox;
class QListWidget;
class Prompt;
class Song;
class UndoManager;

// The "Clear Bars" dialog over ClearBarsForm: a range of bars of one track
// emptied. The two bar lists follow each other as the form says. exec()
// answers Accepted once the bars are cleared and recorded; after a message it
// stays open.
class ClearBarsDialog : public QDialog {
    Q_OBJECT

public:
    ClearBarsDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent = nullptr);

private:
    void ShowRange();
    void Ok();

    Song& m_song;
    Prompt& m_prompt;
    UndoManager& m_history;
    ClearBarsForm m_form;
    QListWidget* m_tracks;
    QComboBox* m_first;
    QComboBox* m_last;
};
