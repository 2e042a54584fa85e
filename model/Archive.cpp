#include "model/Archive.h"

#include <cctype>
#include <climits>

std::optional<int> Archive::ReadInt(Cursor cursor, const char* name) const {
    const std::optional<std::string> text = ReadText(cursor, name);
    if (!text) {
        return std::nullopt;
    }
    size_t i = 0;
    while (i < text->size() && std::isspace(static_cast<unsigned char>((*text)[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text->size() && ((*text)[i] == '-' || (*text)[i] == '+')) {
        negative = (*text)[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text->size() && std::isdigit(static_cast<unsigned char>((*text)[i])); ++i) {
        // Saturate instead of overflowing on absurd numbers.
        value = std::min<long long>(value * 10 + ((*text)[i] - '0'), INT_MAX);
    }
    return static_cast<int>(negative ? -value : value);
}
