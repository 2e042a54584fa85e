#pragma once

#include <QObject>
#include <functional>

#include "model/Observer.h"

class CQuillsong3Doc;
class QAction;
class QMenu;

// The Edit menu's Undo and Redo, at the head of the menu, through the
// document's history: enabled when there is something to go to and no music
// plays.
class EditMenu : public QObject, public Observer {
    Q_OBJECT

public:
    EditMenu(QMenu& menu, CQuillsong3Doc& document);
    ~EditMenu() override;

    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }
    // Called before Undo or Redo walks the history (the window closes any
    // field being typed in, so the walk starts from what was recorded).
    void SetBeforeWalk(std::function<void()> before) { m_beforeWalk = std::move(before); }
    // Enables each item as the history and playback allow.
    void Refresh();

    void Update(Subject* subject, int aspect) override;

private:
    CQuillsong3Doc& m_document;
    QMenu* m_menu;
    QAction* m_undo;
    QAction* m_redo;
    std::function<void()> m_beforeWalk;
};
