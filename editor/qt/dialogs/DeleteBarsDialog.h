#pragma once

#include <QDialog>

#include "editor/DeleteBarsForm.h"

class QComboBox;
class Prompt;
class Song;
class UndoManager;

// The "Delete Bars" dialog over DeleteBarsForm: a range of bars removed from
// every track. exec() answers Accepted once the bars are deleted and
// recorded; after a message it stays open.
class DeleteBarsDialog : public QDialog {
    Q_OBJECT

public:
    DeleteBarsDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent = nullptr);

private:
    void Ok();

    Song& m_song;
    Prompt& m_prompt;
    UndoManager& m_history;
    DeleteBarsForm m_form;
    QComboBox* m_first;
    QComboBox* m_last;
};
