#include "editor/qt/PopupMenus.h"

#include <QMenu>

#include "editor/PopupMenuTable.h"

namespace {

QString Caption(const MenuItem& item) {
    return QString::fromStdString(PopupMenuTable::Caption(item));
}

void AddItems(QMenu& menu, const std::vector<MenuItem>& items, const PopupMenus::Handler& handler) {
    for (const MenuItem& item : items) {
        if (item.caption.empty()) {
            menu.addSeparator();
        } else if (!item.submenu.empty()) {
            AddItems(*menu.addMenu(Caption(item)), item.submenu, handler);
        } else {
            QAction* action = menu.addAction(Caption(item));
            action->setEnabled(static_cast<bool>(handler));
            QObject::connect(action, &QAction::triggered, &menu,
                             [handler, command = item.command] { handler(command); });
        }
    }
}

}  // namespace

void PopupMenus::Fill(QMenu& menu, std::string_view menuName, const Handler& handler) {
    AddItems(menu, PopupMenuTable::Items(menuName), handler);
}
