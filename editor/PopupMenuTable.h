#pragma once

#include <string_view>
#include <vector>

#include "editor/commands/MenuItem.h"

// The score's pop-up menus as data, by name.
class PopupMenuTable {
public:
    // "NotePopup", "BarPopup", "UserTextPopup" or "NullPopup"; empty for any
    // other name.
    static const std::vector<MenuItem>& Items(std::string_view menuName);
};
