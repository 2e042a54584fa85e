#include "editor/qt/QtFontCache.h"

#include <QtGlobal>

QtFontCache& QtFontCache::Instance() {
    static QtFontCache cache;
    return cache;
}

const QtFontCache::Entry& QtFontCache::Get(const FontSpec& request) {
    const std::string key = Key(request);
    std::lock_guard lock(m_mutex);
    auto found = m_entries.find(key);
    if (found == m_entries.end()) {
        found = m_entries.emplace(key, Make(request)).first;
    }
    return found->second;
}

std::string QtFontCache::Key(const FontSpec& request) {
    return request.face + '/' + std::to_string(request.height) + '/' +
           std::to_string(request.weight) + (request.italic ? "i" : "") +
           (request.underline ? "u" : "");
}

QtFontCache::Entry QtFontCache::Make(const FontSpec& request) {
    QFont font(QString::fromStdString(request.face));
    font.setWeight(static_cast<QFont::Weight>(qBound(1, request.weight, 1000)));
    font.setItalic(request.italic);
    font.setUnderline(request.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Measure the cell at a large size, then scale so the cell is the height
    // the score asks for.
    constexpr int kProbe = 1000;
    font.setPixelSize(kProbe);
    const QFontMetricsF probe(font);
    const qreal cell = probe.ascent() + probe.descent();
    const int height = qMax(1, request.height);
    const int pixels = cell > 0 ? qMax(1, qRound(height * kProbe / cell)) : height;
    font.setPixelSize(pixels);
    QFontMetricsF metrics(font);
    const qreal ascent = metrics.ascent();
    return Entry{font, metrics, ascent};
}
