#pragma once

#include <string_view>

#include "model/DeviceContext.h"

// Measures text outside a drawing pass, for text boxes that size themselves
// to their text when the layout runs. The Qt shell installs one that asks the
// real fonts; until then an estimate from the character count is used, which
// keeps the core usable without a display.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    // The size of the text's cell in the font, in score units.
    virtual Size Measure(const FontSpec& font, std::string_view text) const = 0;

    static const TextMeasurer& Instance();
    // Installs a measurer (not owned), or the estimate again with null.
    static void SetInstance(const TextMeasurer* measurer);
};
