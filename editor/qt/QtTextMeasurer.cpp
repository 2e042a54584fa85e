#include "editor/qt/QtTextMeasurer.h"

#include <QString>
#include <cmath>

#include "editor/qt/QtFontCache.h"

Size QtTextMeasurer::Measure(const FontSpec& font, std::string_view text) const {
    const QtFontCache::Entry& entry = QtFontCache::Instance().Get(font);
    const qreal width = entry.metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return {static_cast<int>(std::ceil(width)), font.height};
}
