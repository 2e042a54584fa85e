#include "model/DynamicMark.h"

#include <array>

#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/Palette.h"

namespace {
constexpr std::array<const char*, DynamicMark::kNumCodes> kNames = {
    "PPP", "PP", "P", "MP", "MF", "F", "FF", "FFF", "SF", "ACCENT", "CRESC", "DIM", "NONE"};
constexpr std::array<std::string_view, DynamicMark::SF + 1> kTexts = {
    "ppp", "pp", "p", "mp", "mf", "f", "ff", "fff", "sf"};
// A hairpin starts at the head's left edge and opens this far each side of
// the middle of the text line.
constexpr int kHeadHalfWidth = 10;
constexpr int kHairpinHalfOpening = 8;
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

std::string_view DynamicMark::TextOf(int code) {
    return code >= PPP && code <= SF ? kTexts[static_cast<size_t>(code)] : std::string_view{};
}

void DynamicMark::Draw(DeviceContext& dc, int code, int x, int top, int endX) {
    const DrawResources& resources = DrawResources::Instance();
    const FontSpec& font = resources.dynamicsFont;
    if (code == Cresc || code == Dim) {
        dc.SelectPen(resources.blackPen);
        DrawHairpin(dc, code == Cresc, x - kHeadHalfWidth, endX, top + font.height / 2);
        return;
    }
    const std::string_view text = TextOf(code);
    if (text.empty()) {
        return;
    }
    dc.SelectFont(font);
    dc.SetTextColor(Palette::kInk);
    dc.Text(x - dc.TextExtent(text).width / 2, top, text);
}

void DynamicMark::DrawHairpin(DeviceContext& dc, bool opening, int left, int right, int middle) {
    const int closed = opening ? left : right;
    const int open = opening ? right : left;
    dc.Line({closed, middle}, {open, middle - kHairpinHalfOpening});
    dc.Line({closed, middle}, {open, middle + kHairpinHalfOpening});
}
