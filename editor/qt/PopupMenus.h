#pragma once

#include <string_view>

class QMenu;

// Builds the score's pop-up menus from their table. Their commands come with
// the editor's command set; until one is connected its item shows disabled.
class PopupMenus {
public:
    static void Fill(QMenu& menu, std::string_view menuName);
};
