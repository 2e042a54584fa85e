#include "files/Event.h"

void Event::Encode(std::uint32_t delta) {
    m_bytes.clear();
    AppendVariableLength(m_bytes, delta);
    AppendBody(m_bytes);
}

void Event::AppendVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
    value &= 0x0FFFFFFF;
    int groups = 1;
    if (value >= 0x200000) {
        groups = 4;
    } else if (value >= 0x4000) {
        groups = 3;
    } else if (value >= 0x80) {
        groups = 2;
    }
    for (int g = groups - 1; g >= 0; --g) {
        const auto group = static_cast<std::uint8_t>((value >> (7 * g)) & 0x7F);
        out.push_back(g > 0 ? static_cast<std::uint8_t>(group | 0x80) : group);
    }
}
