#pragma once

#include <optional>
#include <string_view>

// Persistent storage of the program's few settings, as integers by key. The
// application keeps them with QSettings under the organisation "Fernwick",
// group "Settings"; tests and tools use MemorySettingsStore. Used from the
// user-interface thread only.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or nothing when the key was never written or does not
    // hold an integer.
    virtual std::optional<int> ReadInt(std::string_view key) const = 0;
    // Stores the value under the key, replacing any earlier one.
    virtual void WriteInt(std::string_view key, int value) = 0;
};
