#include "model/LyricText.h"

namespace {
FloatingText::Style LyricStyle() {
    FloatingText::Style style;
    style.height = 40;
    style.alignment = FloatingText::AlignCentre;
    style.placeholder = "::";
    // The bar places each syllable under its note; a short syllable must not
    // shrink the box the pointer aims at.
    style.keepsLayoutSize = true;
    return style;
}
}  // namespace

LyricText::LyricText(SelObject* bar, const Box& box)
    : FloatingText(bar, box, "lyric", LyricStyle()) {}

std::unique_ptr<SelObject> LyricText::Clone() const {
    return std::make_unique<LyricText>(*this);
}
