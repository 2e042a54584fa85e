#include "app/menus/EditMenu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/CQuillsong3Doc.h"
#include "editor/UndoManager.h"

EditMenu::EditMenu(QMenuBar& bar, CQuillsong3Doc& document)
    : QObject(&bar), m_document(document), m_menu(bar.addMenu(QStringLiteral("&Edit"))) {
    m_undo = m_menu->addAction(QStringLiteral("&Undo\tCtrl+Z"));
    m_undo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    m_redo = m_menu->addAction(QStringLiteral("&Redo\tCtrl-Y"));
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    connect(m_undo, &QAction::triggered, this, [this] { m_document.Undo(); });
    connect(m_redo, &QAction::triggered, this, [this] { m_document.Redo(); });
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
