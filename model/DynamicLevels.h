#pragma once

#include <array>

#include "model/DynamicMark.h"

// How loud the dynamic marks play: the velocity percentage of each mark code.
// PPP to FFF are levels that stay in force; SF and ACCENT act on their own
// step only (their entries are what a MIDI file export gives such a step);
// CRESC, DIM and NONE are no level at all.
class DynamicLevels {
public:
    static constexpr int VelocityPercent(int code) {
        constexpr std::array<int, DynamicMark::kNumCodes> kPercent = {20, 30, 40, 50, 60, 70, 80,
                                                                      90, 30, 20, -1, -1, 80};
        return code >= 0 && code < DynamicMark::kNumCodes ? kPercent[static_cast<size_t>(code)]
                                                          : -1;
    }
    // PPP to FFF: marks that set the level the following notes play at.
    static constexpr bool SetsLevel(int code) {
        return code >= DynamicMark::PPP && code <= DynamicMark::FFF;
    }
    static constexpr bool IsAccent(int code) {
        return code == DynamicMark::SF || code == DynamicMark::Accent;
    }
    // How much an accent raises the step's velocity.
    static constexpr double AccentFactor(int accent) {
        return accent == DynamicMark::SF ? 1.3 : accent == DynamicMark::Accent ? 1.15 : 1.0;
    }
};
