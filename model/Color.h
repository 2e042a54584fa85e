#pragma once

#include <cstdint>

// An RGB colour as the drawing code uses it.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Color&) const = default;
};
