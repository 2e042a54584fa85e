#include "model/SongText.h"

#include "model/Palette.h"

namespace {
FloatingText::Style SongTextStyle(int fontHeight) {
    FloatingText::Style style;
    style.height = fontHeight;
    style.weight = 900;
    style.normalColor = Palette::kSongText;
    style.activeColor = Palette::kSongTextActive;
    return style;
}
}  // namespace

SongText::SongText(SelObject* song, const Box& box, std::string key, int fontHeight)
    : FloatingText(song, box, std::move(key), SongTextStyle(fontHeight)) {}

std::unique_ptr<SelObject> SongText::Clone() const {
    return std::make_unique<SongText>(*this);
}
