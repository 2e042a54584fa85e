#include "model/FloatingCombo.h"

#include "model/DrawResources.h"
#include "model/EditingState.h"
#include "model/Palette.h"
#include "platform/StringTable.h"

namespace {
constexpr int kHaloReach = 2;
}  // namespace

FloatingCombo::FloatingCombo(SelObject* owner, int channel)
    : SelObject(owner, true), m_channel(channel) {}

SelObject* FloatingCombo::HitTest(int x, int y) {
    return HitRect().Contains(x, y) ? this : nullptr;
}

void FloatingCombo::SetIndex(int index, bool notify) {
    if (index < 0 || index >= ItemCount()) {
        return;
    }
    m_index = index;
    OnIndexChanged(notify);
}

bool FloatingCombo::SelectText(const std::string& text, bool notify) {
    for (int i = 0; i < ItemCount(); ++i) {
        if (ItemText(i) == text) {
            SetIndex(i, notify);
            return true;
        }
    }
    return false;
}

int FloatingCombo::ItemCount() const {
    if (m_idCount > 0) {
        return m_idCount;
    }
    return m_textItems ? static_cast<int>(m_textItems->size()) : 0;
}

std::string FloatingCombo::ItemText(int index) const {
    if (index < 0 || index >= ItemCount()) {
        return {};
    }
    if (m_idCount > 0) {
        return StringTable::Get(m_firstId + index);
    }
    return (*m_textItems)[static_cast<size_t>(index)];
}

void FloatingCombo::SetTextItems(std::vector<std::string> items) {
    SetTextItems(std::make_shared<const std::vector<std::string>>(std::move(items)));
}

void FloatingCombo::SetTextItems(std::shared_ptr<const std::vector<std::string>> items) {
    m_textItems = std::move(items);
    m_idCount = 0;
}

void FloatingCombo::SetIdItems(int firstId, int count) {
    m_textItems.reset();
    m_firstId = firstId;
    m_idCount = count;
}

FontSpec FloatingCombo::TextFont(bool hovered) const {
    const FontSpec& font = DrawResources::Instance().textFont;
    return hovered ? DrawResources::Font(font.face.c_str(), font.height, font.weight, true) : font;
}

void FloatingCombo::Draw(DeviceContext& dc) {
    DrawBackground(dc);
    const bool hovered = EditingState::Instance().Hover() == this;
    dc.SelectFont(TextFont(hovered));
    const std::string text = FitToWidth(dc, CurrentText(), m_rect.right - m_rect.left + kOverhang);
    // Empty items (no chord, no style yet) write nothing at all.
    if (!text.empty()) {
        const Point origin = TextOrigin();
        if (m_halo) {
            DrawHalo(dc, origin, text);
        }
        dc.SetTextColor(hovered ? Palette::kHover : Palette::kInk);
        dc.Text(origin.x, origin.y, text);
    }
    if (hovered && m_index == 0) {
        DrawHint(dc);
    }
}

std::string FloatingCombo::FitToWidth(DeviceContext& dc, std::string text, int width) {
    if (dc.TextExtent(text).width <= width) {
        return text;
    }
    // Long instrument names would run into the staff's clef: cut them at a
    // character boundary and mark the cut.
    static constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
    while (!text.empty()) {
        // Drop the last character: its continuation bytes, then its lead byte.
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
            text.pop_back();
        }
        if (!text.empty()) {
            text.pop_back();
        }
        if (dc.TextExtent(text + std::string(kEllipsis)).width <= width) {
            break;
        }
    }
    return text + std::string(kEllipsis);
}

void FloatingCombo::DrawHalo(DeviceContext& dc, Point origin, const std::string& text) {
    dc.SetTextColor(Palette::kPaper);
    for (int dy = -kHaloReach; dy <= kHaloReach; ++dy) {
        for (int dx = -kHaloReach; dx <= kHaloReach; ++dx) {
            dc.Text(origin.x + dx, origin.y + dy, text);
        }
    }
}
