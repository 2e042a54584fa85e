#pragma once

#include <vector>

#include "files/Event.h"

// A meta event: 0xFF, its type, the length of its data as a variable-length
// quantity, then the data.
class MetaEvent : public Event {
public:
    MetaEvent(std::uint32_t time, int type, std::vector<std::uint8_t> data);

    int Type() const { return m_type; }

protected:
    void AppendBody(std::vector<std::uint8_t>& out) const override;

private:
    int m_type;
    std::vector<std::uint8_t> m_data;
};
