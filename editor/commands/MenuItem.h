#pragma once

#include <string_view>
#include <vector>

#include "editor/commands/CommandId.h"

// One item of a menu as data: its caption ("&" marks the access key, a tab
// starts the key hint the menu shows), the command it runs, for a sub-menu
// its items, and the keys that run it from anywhere in the window ("Ctrl+C",
// in the portable form of key names). Separators have an empty caption.
struct MenuItem {
    std::string_view caption;
    CommandId command;
    std::vector<MenuItem> submenu;
    std::vector<std::string_view> keys;
};
