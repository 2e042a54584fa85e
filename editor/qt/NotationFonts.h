#pragma once

#include <string>

// Makes the score's fonts available to Qt: the notation font from the fonts
// folder of the program's data, and free stand-ins for the Windows faces the
// score names ("Tahoma", "Arial"), so every machine lays text out alike.
// Also installs the Qt text measurer. Needs a QGuiApplication.
class NotationFonts {
public:
    // False, with the reason, when the notation font cannot be loaded.
    static bool Load(std::string& error);
    // The same with the notation font from a file of the caller's choice.
    static bool LoadFrom(const std::string& fontPath, std::string& error);
    static std::string FontPath();
};
