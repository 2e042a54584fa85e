#include "files/MetaEvent.h"

MetaEvent::MetaEvent(std::uint32_t time, int type, std::vector<std::uint8_t> data)
    : Event(time), m_type(type), m_data(std::move(data)) {}

void MetaEvent::AppendBody(std::vector<std::uint8_t>& out) const {
    out.push_back(0xFF);
    out.push_back(static_cast<std::uint8_t>(m_type));
    AppendVariableLength(out, static_cast<std::uint32_t>(m_data.size()));
    out.insert(out.end(), m_data.begin(), m_data.end());
}
