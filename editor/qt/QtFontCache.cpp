#include "editor/qt/QtFontCache.h"

#include <QtGlobal>

QtFontCache& QtFontCache::Instance() {
    static QtFontCache cache;
    return cache;
}

const QtFontCache::Entry& QtFontCache::Get(const FontSpec& spec) {
    const std::string key = Key(spec);
    std::lock_guard lock(m_mutex);
    auto found = m_entries.find(key);
    if (found == m_entries.end()) {
        found = m_entries.emplace(key, Make(spec)).first;
    }
    return found->second;
}

std::string QtFontCache::Key(const FontSpec& spec) {
    return spec.face + '/' + std::to_string(spec.height) + '/' + std::to_string(spec.weight) +
           (spec.italic ? "i" : "") + (spec.underline ? "u" : "");
}

QtFontCache::Entry QtFontCache::Make(const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.face));
    font.setWeight(static_cast<QFont::Weight>(qBound(1, spec.weight, 1000)));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Measure the cell at a large size, then scale so the cell is the height
    // the score asks for.
    constexpr int kProbe = 1000;
    font.setPixelSize(kProbe);
    const QFontMetricsF probe(font);
    const qreal cell = probe.ascent() + probe.descent();
    const int height = qMax(1, spec.height);
    const int pixels = cell > 0 ? qMax(1, qRound(height * kProbe / cell)) : height;
    font.setPixelSize(pixels);
    QFontMetricsF metrics(font);
    const qreal ascent = metrics.ascent();
    return Entry{font, metrics, ascent};
}
