#pragma once

#include <string>
#include <vector>

class Track;

// How the editor's dialogs read and show their fields.
class FormFields {
public:
    // A typed number as the dialogs read it: a leading decimal integer of at
    // most maxChars characters (anything after is ignored), 0 when there is
    // none. Never overflows.
    static long long ReadNumber(const std::string& text, size_t maxChars);
    // "1" ... count.
    static std::vector<std::string> BarItems(int count);
    // "<title> - <instrument or style>".
    static std::string TrackItem(const Track& track);
};
