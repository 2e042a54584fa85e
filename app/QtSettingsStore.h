#pragma once

#include "platform/SettingsStore.h"

// The settings kept by Qt in the user's configuration: organisation
// "Fernwick", application "Quillsong", group "Settings".
class QtSettingsStore : public SettingsStore {
public:
    std::optional<int> ReadInt(std::string_view key) const override;
    void WriteInt(std::string_view key, int value) override;
};
