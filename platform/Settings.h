#pragma once

#include <memory>

#include "platform/SettingsStore.h"

// The program's two remembered choices: the interface language ("Lang": 1 the
// built-in texts, 2 the second language) and the MIDI output device
// ("OutDevId"). One instance per process, created on first use over an
// in-memory store; the application installs its persistent store at start-up.
// Used from the user-interface thread only.
class Settings {
public:
    static constexpr const char* kOutDevIdKey = "OutDevId";
    static constexpr const char* kLangKey = "Lang";
    static constexpr int kDefaultOutDevId = 0;
    static constexpr int kDefaultLang = 1;

    static Settings& Instance();

    // Takes over the store; null goes back to an empty in-memory one.
    void SetStore(std::unique_ptr<SettingsStore> store);
    SettingsStore& Store() { return *m_store; }

    // The device id as stored; it may name a device that no longer exists.
    int GetOutDevId() const;
    void SetOutDevId(int id);
    int GetLang() const;
    void SetLang(int lang);

private:
    Settings();

    std::unique_ptr<SettingsStore> m_store;
};
