#pragma once

#include <string>

// Runs the editor window: the first song, or the file given, in the main
// window until it is closed. Returns the process's exit code; without a
// display it says so on standard error and returns 1.
class EditorApp {
public:
    static int Run(int argc, char** argv, const std::string& file);
    // Whether a window can be shown: a display, a Wayland session or a Qt
    // platform named explicitly.
    static bool HasDisplay();
};
