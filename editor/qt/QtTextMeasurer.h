#pragma once

#include "model/TextMeasurer.h"

// Measures text with the fonts Qt will draw it in. Needs a QGuiApplication.
class QtTextMeasurer : public TextMeasurer {
public:
    Size Measure(const FontSpec& font, std::string_view text) const override;
};
