#pragma once

#include <QIcon>
#include <array>
#include <string_view>

#include "editor/InputCommands.h"

// The score window's tool bar images, compiled into the program from
// assets/icons: one icon per button, holding a 24-pixel image and its
// 48-pixel copy so that high-density screens show the sharp one. Needs a
// QGuiApplication.
class ToolBarIcons {
public:
    // The buttons, in tool bar order. The first three are also the tool
    // indices of ToolsManager::ToolIndex().
    // The buttons, in tool bar order: the tool bar's commands.
    using Button = InputCommands::Command;
    static constexpr int kCount = InputCommands::kCount;
    // Logical size in pixels; the sharp copy has twice as many.
    static constexpr int kSize = 24;
    // Each button's image file under assets/icons and ":/icons", without
    // ".png"; the sharp copy adds "@2x".
    static constexpr std::array<std::string_view, kCount> kNames{
        "pencil",         "eraser",      "select",         "note-whole",   "note-half",
        "note-quarter",   "note-eighth", "note-sixteenth", "sharp",        "flat",
        "natural",        "rest-whole",  "rest-half",      "rest-quarter", "rest-eighth",
        "rest-sixteenth", "dot",         "triplet",        "tie"};

    // The icon of button `index`, with both sizes; a null icon for an index
    // outside 0..kCount-1.
    static QIcon For(int index);
    // Makes the compiled-in images readable under ":/icons". For and
    // ToolCursors call it; calling it again does nothing.
    static void RegisterImages();
};
