#pragma once

#include <string_view>
#include <vector>

// The score's pop-up menus as data: each item's caption ("&" marks the
// access key, a tab starts the key hint) and, for a sub-menu, its items.
// Separators are items with an empty caption.
struct PopupMenuItem {
    std::string_view caption;
    std::vector<PopupMenuItem> submenu;
};

class PopupMenuTable {
public:
    // "NotePopup", "BarPopup", "UserTextPopup" or "NullPopup"; empty for any
    // other name.
    static const std::vector<PopupMenuItem>& Items(std::string_view menuName);
};
