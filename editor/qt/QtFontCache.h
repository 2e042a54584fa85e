#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <mutex>
#include <string>
#include <unordered_map>

#include "model/DeviceContext.h"

// Turns the score's font descriptions into Qt fonts, once each. The score
// gives a font's height as its cell height (ascent plus descent), so each
// font is sized to make its cell exactly that many units tall.
class QtFontCache {
public:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        qreal ascent;
    };

    static QtFontCache& Instance();
    const Entry& Get(const FontSpec& request);

private:
    static std::string Key(const FontSpec& request);
    static Entry Make(const FontSpec& request);

    std::mutex m_mutex;
    std::unordered_map<std::string, Entry> m_entries;
};
