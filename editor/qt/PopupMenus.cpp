#include "editor/qt/PopupMenus.h"

#include <QMenu>

#include "editor/PopupMenuTable.h"

namespace {

QString Caption(std::string_view caption) {
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

void AddItems(QMenu& menu, const std::vector<PopupMenuItem>& items) {
    for (const PopupMenuItem& item : items) {
        if (item.caption.empty()) {
            menu.addSeparator();
        } else if (!item.submenu.empty()) {
            AddItems(*menu.addMenu(Caption(item.caption)), item.submenu);
        } else {
            menu.addAction(Caption(item.caption))->setEnabled(false);
        }
    }
}

}  // namespace

void PopupMenus::Fill(QMenu& menu, std::string_view menuName) {
    AddItems(menu, PopupMenuTable::Items(menuName));
}
