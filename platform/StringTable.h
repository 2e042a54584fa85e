#pragma once

#include <string>

// The program's own texts by number (platform/StringIds.h), in the built-in
// language. A number without a text gives an empty string.
class StringTable {
public:
    static const std::string& Get(int id);
    static bool Has(int id);
};
