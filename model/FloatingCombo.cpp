#include "model/FloatingCombo.h"

#include "platform/StringTable.h"

FloatingCombo::FloatingCombo(SelObject* owner, int channel)
    : SelObject(owner, true), m_channel(channel) {}

SelObject* FloatingCombo::HitTest(int x, int y) {
    const Rect r = HitRect();
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom ? this : nullptr;
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
