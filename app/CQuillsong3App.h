#pragma once

#include <functional>
#include <string>

// The application: starts the editor window in a fixed order (crash handler,
// single instance, splash, settings, document, main window, MIDI output),
// runs it until the window closes, and tears it down. The built-in
// synthesizer's SoundFont loads on a worker thread, so the window shows at
// once. Returns the process's exit code.
class CQuillsong3App {
public:
    static int Run(int argc, char** argv, const std::string& file);
    // Whether a window can be shown: a display, a Wayland session or a Qt
    // platform named explicitly.
    static bool HasDisplay();
    // Where the crash reporter plugs in: called first of all with the
    // program's name (nothing is installed until one is set).
    static void SetCrashHandlerInstaller(std::function<void(const std::string&)> installer);
};
