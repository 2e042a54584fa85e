#pragma once

#include <string>

// The program's own texts by number (platform/StringIds.h), in the user's
// language: the built-in English unless a translation is installed
// (platform/Translation.h). A number without a text gives an empty string.
class StringTable {
public:
    static std::string Get(int id);
    static bool Has(int id);
};
