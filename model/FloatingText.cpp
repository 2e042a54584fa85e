#include "model/FloatingText.h"

#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

FloatingText::FloatingText(SelObject* owner, const Box& box, std::string key, Style style)
    : SelObject(owner, true), m_key(std::move(key)), m_style(std::move(style)) {
    SetBox(box);
}

SelObject* FloatingText::HitTest(int x, int y) {
    const Rect r = HitRect();
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom ? this : nullptr;
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
    m_rect = {box.x, box.y, box.x + box.width, box.y + box.height};
}

void FloatingText::MoveTo(int x, int y) {
    const Box box = GetBox();
    SetBox({x, y, box.width, box.height});
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
