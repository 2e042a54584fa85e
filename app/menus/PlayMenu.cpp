#include "app/menus/PlayMenu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/panels/PlayCommands.h"

PlayMenu::PlayMenu(QMenuBar& bar, PlayCommands& commands) : QObject(&bar), m_commands(commands) {
    QMenu* menu = bar.addMenu(tr("&Play"));
    menu->addAction(m_commands.PlayAction());
    menu->addAction(m_commands.StopAction());
}

QAction* PlayMenu::PlayAction() const {
    return m_commands.PlayAction();
}

QAction* PlayMenu::StopAction() const {
    return m_commands.StopAction();
}
