#include "platform/MemorySettingsStore.h"

std::optional<int> MemorySettingsStore::ReadInt(std::string_view key) const {
    const auto it = m_values.find(key);
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}

void MemorySettingsStore::WriteInt(std::string_view key, int value) {
    m_values.insert_or_assign(std::string(key), value);
}
