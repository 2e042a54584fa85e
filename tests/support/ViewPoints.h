#pragma once

#include <QPoint>
#include <QRect>

#include "editor/qt/CQuillsong3View.h"

// Scrolls the view so the score point is in sight, when it is not, and gives
// its place in the viewport, where a test's mouse event must land.
inline QPoint VisiblePoint(CQuillsong3View& view, Point logical) {
    const QPoint device = view.ToDevicePoint(logical);
    const QSize size = view.viewport()->size();
    if (!QRect(QPoint(0, 0), size).contains(device)) {
        const Point scroll = view.ScrollPosition();
        view.ScrollTo(
            {scroll.x + device.x() - size.width() / 2, scroll.y + device.y() - size.height() / 2});
    }
    return view.ToDevicePoint(logical);
}
