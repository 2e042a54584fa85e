#include "app/menus/EditorMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/menus/CommandActions.h"
#include "editor/commands/MainMenuTable.h"

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Captions are translated as the menus are built, so building them again after
// a language switch is all a switch needs.
QString Caption(const MenuItem& item) {
    return QString::fromStdString(MainMenuTable::Caption(item));
}

QList<QKeySequence> KeysOf(const MenuItem& item) {
    QList<QKeySequence> keys;
    for (const std::string_view key : item.keys) {
        keys.append(QKeySequence(Text(key), QKeySequence::PortableText));
    }
    return keys;
}

void AddItems(QMenu& menu, CommandActions& actions, const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
        if (item.caption.empty()) {
            menu.addSeparator();
        } else if (!item.submenu.empty()) {
            AddItems(*menu.addMenu(Caption(item)), actions, item.submenu);
        } else {
            actions.Add(menu, item.command, Caption(item), KeysOf(item));
        }
    }
}

}  // namespace

QMenu* EditorMenus::AddMenu(QMenuBar& bar, CommandActions& actions, const MenuItem& menu) {
    QMenu* added = bar.addMenu(Caption(menu));
    AddItems(*added, actions, menu.submenu);
    return added;
}

void EditorMenus::AddShortcuts(QWidget& window, CommandActions& actions) {
    for (const MenuItem& item : MainMenuTable::Shortcuts()) {
        auto* action = new QAction(Caption(item), &window);
        action->setShortcuts(KeysOf(item));
        QObject::connect(action, &QAction::triggered, &actions,
                         [&actions, command = item.command] { actions.Run(command); });
        window.addAction(action);
    }
}
