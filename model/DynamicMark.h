#pragma once

#include <string_view>

// The dynamic marks a note bar keeps per step: their codes, as song files and
// playback number them, and their names.
class DynamicMark {
public:
    enum Code {
        PPP = 0,
        PP = 1,
        P = 2,
        MP = 3,
        MF = 4,
        F = 5,
        FF = 6,
        FFF = 7,
        SF = 8,
        Accent = 9,
        Cresc = 10,
        Dim = 11,
        None = 12
    };
    static constexpr int kNumCodes = 13;

    // "PPP" ... "NONE", or null for a code outside 0 to 12.
    static const char* NameOf(int code);
    // The code of a name the editor offers (PPP to ACCENT), or -1.
    static int CodeOf(std::string_view name);
};
