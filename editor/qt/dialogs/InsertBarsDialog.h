#pragma once

#include <QDialog>

#include "editor/InsertBarsForm.h"

class QComboBox;
class QLineEdit;
class Prompt;
class Song;
class UndoManager;

// The "Insert Bars" dialog over InsertBarsForm: how many bars, before or
// after which bar. exec() answers Accepted once the bars are inserted and
// recorded; after a message it stays open on the number.
class InsertBarsDialog : public QDialog {
    Q_OBJECT

public:
    InsertBarsDialog(Song& song, Prompt& prompt, UndoManager& history, QWidget* parent = nullptr);

private:
    void Ok();

    Song& m_song;
    Prompt& m_prompt;
    UndoManager& m_history;
    InsertBarsForm m_form;
    QLineEdit* m_number;
    QComboBox* m_position;
    QComboBox* m_bar;
};
