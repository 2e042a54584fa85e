#pragma once

#include <string>

// Conversion between the texts held in memory and the UTF-8 stored in files.
// On Linux the program's own code page is UTF-8, so both directions keep the
// bytes; the pair stays named so every crossing point is visible.
class TextCodec {
public:
    static std::string AnsiToUtf8(const std::string& text) { return text; }
    static std::string Utf8ToAnsi(const std::string& text) { return text; }
};
