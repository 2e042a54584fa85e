#include "model/UserText.h"

#include "model/PageGeometry.h"
#include "model/Palette.h"
#include "model/Song.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

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

Rect UserText::PlaceableArea() {
    // A song of the most bars, one bar to a page.
    const int scoreWidth = PageGeometry::ScrollWidth(Song::kMaxBars);
    return {-PageGeometry::kPageWidth, -PageGeometry::kPageHeight,
            scoreWidth + PageGeometry::kPageWidth,
            PageGeometry::kScrollHeight + PageGeometry::kPageHeight};
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
    const int x = archive.ReadIntOr(Archive::UserTextElement, "x", GetRect().left);
    const int y = archive.ReadIntOr(Archive::UserTextElement, "y", GetRect().top);
    // A number past int's range reads as its end, which lies outside too.
    if (!PlaceableArea().Contains(x, y)) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    MoveTo(x, y);
}
