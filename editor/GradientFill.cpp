#include "editor/GradientFill.h"

namespace {

std::uint8_t Blend(std::uint8_t from, std::uint8_t to, int band, int bands) {
    return static_cast<std::uint8_t>(from + (to - from) * band / bands);
}

}  // namespace

Color GradientFill::Band(Color from, Color to, int band, int bands) {
    return {Blend(from.red, to.red, band, bands), Blend(from.green, to.green, band, bands),
            Blend(from.blue, to.blue, band, bands)};
}

void GradientFill::Fill(DeviceContext& dc, const Rect& rect, Color from, Color to, int bands,
                        Direction direction) {
    if (bands < 1) {
        return;
    }
    const int length = direction == LeftToRight ? rect.right - rect.left : rect.bottom - rect.top;
    const int step = length / bands;
    for (int i = 0; i < bands; ++i) {
        Rect band = rect;
        if (direction == LeftToRight) {
            band.left = rect.left + i * step;
            band.right = band.left + step;
        } else {
            band.top = rect.top + i * step;
            band.bottom = band.top + step;
        }
        dc.FillRect(band, Band(from, to, i, bands));
    }
}
