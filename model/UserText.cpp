#include "model/UserText.h"

#include "model/Palette.h"

namespace {
FloatingText::Style UserTextStyle() {
    FloatingText::Style style;
    style.height = 30;
    style.weight = 900;
    style.normalColor = Palette::kUserText;
    style.activeColor = Palette::kUserTextActive;
    return style;
}
}  // namespace

UserText::UserText(SelObject* song, int x, int y)
    : FloatingText(song, {x, y, kWidth, kHeight}, "userText", UserTextStyle()) {}

std::unique_ptr<SelObject> UserText::Clone() const {
    return std::make_unique<UserText>(*this);
}

Rect UserText::HitRect() const {
    const Rect& r = GetRect();
    return {r.left - 15, r.top - 15, r.right + 15, r.bottom + 15};
}

void UserText::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.NewUserText();
        FloatingText::Serialize(archive);
        archive.WriteInt(Archive::UserTextElement, "x", GetRect().left);
        archive.WriteInt(Archive::UserTextElement, "y", GetRect().top);
        return;
    }
    if (!archive.IsReading()) {
        return;
    }
    FloatingText::Serialize(archive);
    MoveTo(archive.ReadIntOr(Archive::UserTextElement, "x", GetRect().left),
           archive.ReadIntOr(Archive::UserTextElement, "y", GetRect().top));
}
