#include "model/DynamicMark.h"

#include <array>

namespace {
constexpr std::array<const char*, DynamicMark::kNumCodes> kNames = {
    "PPP", "PP", "P", "MP", "MF", "F", "FF", "FFF", "SF", "ACCENT", "CRESC", "DIM", "NONE"};
}  // namespace

const char* DynamicMark::NameOf(int code) {
    return code >= 0 && code < kNumCodes ? kNames[static_cast<size_t>(code)] : nullptr;
}

int DynamicMark::CodeOf(std::string_view name) {
    // Crescendo, diminuendo and "none" are read from files but never chosen
    // by name.
    for (int code = PPP; code <= Accent; ++code) {
        if (name == kNames[static_cast<size_t>(code)]) {
            return code;
        }
    }
    return -1;
}
