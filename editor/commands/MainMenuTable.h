#pragma once

#include <string>
#include <vector>

#include "editor/commands/MenuItem.h"

// The editor's menus on the menu bar, in order, as data: each top-level item
// is a menu and its sub-menu the items. Undo and Redo head the Edit menu
// apart from these (they walk the document's history). Previous Page and
// Next Page, in the View menu, are the window's own additions. Captions are
// kept in English; a menu shows them through Caption.
class MainMenuTable {
public:
    // The item's caption in the user's language, access key and key hint
    // included; empty for a separator.
    static std::string Caption(const MenuItem& item);
    static const std::vector<MenuItem>& Menus();
    // Commands with keys but no menu item (the navigation panel shows them).
    static const std::vector<MenuItem>& Shortcuts();
};
