#pragma once

#include "model/Geometry.h"

// How the score view maps score units (0.1 mm) to its device pixels: a scale
// from the screen's resolution and the zoom (100 % shows a page at its real
// size), and the scroll position in pixels. Conversions truncate towards the
// point's own pixel or score unit, so a round trip lands within one unit.
class ViewMapping {
public:
    static constexpr double kUnitsPerInch = 254.0;

    ViewMapping() = default;
    ViewMapping(double dotsPerInch, int zoomPercent, Point scroll);

    double Scale() const { return m_scale; }
    Point Scroll() const { return m_scroll; }

    Point ToDevice(Point logical) const;
    Point ToLogical(Point device) const;
    Size ToDevice(Size logical) const;
    // The smallest device rectangle covering the score rectangle.
    Rect ToDevice(const Rect& logical) const;
    // The smallest score rectangle covering the device rectangle.
    Rect ToLogical(const Rect& device) const;
    // The whole score's size in pixels for a number of pages.
    Size ExtentFor(int pageCount) const;

private:
    double m_scale = 1.0;
    Point m_scroll;
};
