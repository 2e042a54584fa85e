#include "app/menus/EditMenu.h"

#include <QMenu>

#include "app/CQuillsong3Doc.h"
#include "editor/UndoManager.h"

EditMenu::EditMenu(QMenu& menu, CQuillsong3Doc& document)
    : QObject(&menu), m_document(document), m_menu(&menu) {
    QAction* first = menu.actions().isEmpty() ? nullptr : menu.actions().front();
    m_undo = new QAction(tr("&Undo\tCtrl+Z"), &menu);
    m_undo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    m_redo = new QAction(tr("&Redo\tCtrl-Y"), &menu);
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    menu.insertActions(first, {m_undo, m_redo});
    menu.insertSeparator(first);
    connect(m_undo, &QAction::triggered, this, [this] {
        if (m_beforeWalk) {
            m_beforeWalk();
        }
        m_document.Undo();
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        if (m_beforeWalk) {
            m_beforeWalk();
        }
        m_document.Redo();
    });
    // Shortcuts work even while the menu is closed, so its state must be
    // right before the menu is ever shown.
    connect(m_menu, &QMenu::aboutToShow, this, &EditMenu::Refresh);
    UndoManager::Instance().Attach(this, 0);
    m_document.Attach(this, 0);
    Refresh();
}

EditMenu::~EditMenu() {
    UndoManager::Instance().Detach(this, 0);
    m_document.Detach(this, 0);
}

void EditMenu::Refresh() {
    m_undo->setEnabled(m_document.CanUndo());
    m_redo->setEnabled(m_document.CanRedo());
}

void EditMenu::Update(Subject* /*subject*/, int /*aspect*/) {
    Refresh();
}
