#pragma once

class CommandActions;
class QMenu;
class QMenuBar;
class QWidget;
struct MenuItem;

// Builds the editor's menus from their table onto the menu bar, each item an
// action of the command set, and the window-wide keys of commands without a
// menu item.
class EditorMenus {
public:
    static QMenu* AddMenu(QMenuBar& bar, CommandActions& actions, const MenuItem& menu);
    static void AddShortcuts(QWidget& window, CommandActions& actions);
};
