#include "model/FloatingText.h"

#include <algorithm>

#include "model/DrawResources.h"
#include "model/EditingState.h"
#include "model/Palette.h"
#include "model/TextMeasurer.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {
// The placeholder's halo keeps the hint readable over staff lines.
constexpr int kHaloOffset = 2;
}  // namespace

FloatingText::FloatingText(SelObject* owner, const Box& box, std::string key, Style style)
    : SelObject(owner, true),
      m_key(std::move(key)),
      m_style(std::move(style)),
      m_normalFont(DrawResources::Font(m_style.face.c_str(), m_style.height, m_style.weight)),
      m_activeFont(
          DrawResources::Font(m_style.face.c_str(), m_style.height, m_style.weight, true)) {
    SetBox(box);
}

SelObject* FloatingText::HitTest(int x, int y) {
    return HitRect().Contains(x, y) ? this : nullptr;
}

void FloatingText::Update(Subject*, int) {}

void FloatingText::SetText(const std::string& text) {
    if (text.size() <= kMaxTextLength) {
        m_text = text;
        return;
    }
    size_t cut = kMaxTextLength;
    // Step back over UTF-8 continuation bytes so a character is never split.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    m_text = text.substr(0, cut);
}

Box FloatingText::GetBox() const {
    return {m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top};
}

void FloatingText::SetBox(const Box& box) {
    SetRect(box.ToRect());
}

void FloatingText::SetRect(const Rect& rect) {
    m_rect = rect;
    m_layoutSize = {rect.right - rect.left, rect.bottom - rect.top};
}

void FloatingText::SetRect(const Rect& rect, Size layoutSize) {
    m_rect = rect;
    m_layoutSize = layoutSize;
}

void FloatingText::MoveTo(int x, int y) {
    const Box box = GetBox();
    SetBox({x, y, box.width, box.height});
}

std::string FloatingText::ShownText() const {
    return m_text.empty() ? Placeholder() : m_text;
}

std::string FloatingText::Placeholder() const {
    return Translation::Text("FloatingText", m_style.placeholder.c_str());
}

void FloatingText::Measure() {
    FitTo(TextMeasurer::Instance().Measure(m_normalFont, ShownText()));
}

void FloatingText::Measure(DeviceContext& dc) {
    dc.SelectFont(m_normalFont);
    FitTo(dc.TextExtent(ShownText()));
}

void FloatingText::FitTo(Size extent) {
    if (m_style.keepsLayoutSize) {
        extent.width = std::max(extent.width, m_layoutSize.width);
        extent.height = std::max(extent.height, m_layoutSize.height);
    }
    m_rect.left = TextLeft(extent.width);
    m_rect.right = m_rect.left + extent.width;
    m_rect.bottom = m_rect.top + extent.height;
}

int FloatingText::TextLeft(int width) const {
    switch (m_style.alignment) {
        case AlignRight:
            return m_rect.right - width;
        case AlignCentre:
            return (m_rect.left + m_rect.right) / 2 - width / 2;
        default:
            return m_rect.left;
    }
}

void FloatingText::Draw(DeviceContext& dc) {
    const EditingState& state = EditingState::Instance();
    const bool hovered = state.Hover() == this;
    const bool active = hovered || state.IsSelected(this);
    dc.SelectFont(active ? m_activeFont : m_normalFont);
    if (m_text.empty()) {
        if (!dc.IsPrinting()) {
            DrawPlaceholder(dc, hovered);
        }
        return;
    }
    dc.SetTextColor(active ? m_style.activeColor : m_style.normalColor);
    dc.Text(TextLeft(dc.TextExtent(m_text).width), m_rect.top, m_text);
}

void FloatingText::DrawPlaceholder(DeviceContext& dc, bool hovered) const {
    const std::string hint = Placeholder();
    const int left = TextLeft(dc.TextExtent(hint).width);
    dc.SetTextColor(Palette::kPlaceholderHalo);
    for (const int dy : {-kHaloOffset, kHaloOffset}) {
        for (const int dx : {-kHaloOffset, kHaloOffset}) {
            dc.Text(left + dx, m_rect.top + dy, hint);
        }
    }
    dc.SetTextColor(hovered ? Palette::kPlaceholderHover : Palette::kPlaceholder);
    dc.Text(left, m_rect.top, hint);
}

void FloatingText::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.WriteText(FileElement(), m_key.c_str(), m_text);
        return;
    }
    if (!archive.IsReading()) {
        return;
    }
    const std::optional<std::string> text = archive.ReadText(FileElement(), m_key.c_str());
    if (text) {
        SetText(*text);
    } else if (TextRequired()) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
}
