#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/SettingsStore.h"

// Settings kept in memory for the life of the object: what the core uses
// until the application installs its persistent store, and what tests use.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<int> ReadInt(std::string_view key) const override;
    void WriteInt(std::string_view key, int value) override;

private:
    std::map<std::string, int, std::less<>> m_values;
};
