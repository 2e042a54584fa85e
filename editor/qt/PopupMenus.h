#pragma once

#include <functional>
#include <string_view>

#include "editor/commands/CommandId.h"

class QMenu;

// Builds the score's pop-up menus from their table; choosing an item hands
// its command to the handler (without one, the items show disabled).
class PopupMenus {
public:
    using Handler = std::function<void(CommandId)>;
    static void Fill(QMenu& menu, std::string_view menuName, const Handler& handler);
};
