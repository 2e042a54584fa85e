#include "editor/ViewMapping.h"

#include <cmath>

#include "model/PageGeometry.h"

namespace {

int Floor(double value) {
    return static_cast<int>(std::floor(value));
}

int Ceil(double value) {
    return static_cast<int>(std::ceil(value));
}

}  // namespace

ViewMapping::ViewMapping(double dotsPerInch, int zoomPercent, Point scroll)
    : m_scale(dotsPerInch / kUnitsPerInch * zoomPercent / 100.0), m_scroll(scroll) {}

Point ViewMapping::ToDevice(Point logical) const {
    return {Floor(logical.x * m_scale) - m_scroll.x, Floor(logical.y * m_scale) - m_scroll.y};
}

Point ViewMapping::ToLogical(Point device) const {
    return {Floor((device.x + m_scroll.x) / m_scale), Floor((device.y + m_scroll.y) / m_scale)};
}

Size ViewMapping::ToDevice(Size logical) const {
    return {static_cast<int>(std::lround(logical.width * m_scale)),
            static_cast<int>(std::lround(logical.height * m_scale))};
}

Rect ViewMapping::ToDevice(const Rect& logical) const {
    return {Floor(logical.left * m_scale) - m_scroll.x, Floor(logical.top * m_scale) - m_scroll.y,
            Ceil(logical.right * m_scale) - m_scroll.x,
            Ceil(logical.bottom * m_scale) - m_scroll.y};
}

Rect ViewMapping::ToLogical(const Rect& device) const {
    return {Floor((device.left + m_scroll.x) / m_scale), Floor((device.top + m_scroll.y) / m_scale),
            Ceil((device.right + m_scroll.x) / m_scale),
            Ceil((device.bottom + m_scroll.y) / m_scale)};
}

Size ViewMapping::ExtentFor(int pageCount) const {
    return {Ceil(PageGeometry::ScrollWidth(pageCount) * m_scale),
            Ceil(PageGeometry::kScrollHeight * m_scale)};
}
