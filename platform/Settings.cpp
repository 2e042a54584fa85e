#include "platform/Settings.h"

#include "platform/MemorySettingsStore.h"

Settings& Settings::Instance() {
    static Settings settings;
    return settings;
}

Settings::Settings() : m_store(std::make_unique<MemorySettingsStore>()) {}

void Settings::SetStore(std::unique_ptr<SettingsStore> store) {
    m_store = store != nullptr ? std::move(store) : std::make_unique<MemorySettingsStore>();
}

int Settings::GetOutDevId() const {
    return m_store->ReadInt(kOutDevIdKey).value_or(kDefaultOutDevId);
}

void Settings::SetOutDevId(int id) {
    m_store->WriteInt(kOutDevIdKey, id);
}

int Settings::GetLang() const {
    return m_store->ReadInt(kLangKey).value_or(kDefaultLang);
}

void Settings::SetLang(int lang) {
    m_store->WriteInt(kLangKey, lang);
}
