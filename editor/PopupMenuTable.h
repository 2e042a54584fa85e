#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/commands/MenuItem.h"

// The score's pop-up menus as data, by name. Captions are kept in English; a
// menu shows them through Caption.
class PopupMenuTable {
public:
    // The item's caption in the user's language; empty for a separator.
    static std::string Caption(const MenuItem& item);
    // "NotePopup", "BarPopup", "UserTextPopup" or "NullPopup"; empty for any
    // other name.
    static const std::vector<MenuItem>& Items(std::string_view menuName);
};
