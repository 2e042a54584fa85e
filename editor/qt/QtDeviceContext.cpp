#include "editor/qt/QtDeviceContext.h"

#include <QPainter>
#include <QPolygon>
#include <QString>
#include <cmath>

#include "editor/qt/QtFontCache.h"

namespace {

constexpr qreal kUnitsPerInch = 254.0;

QColor ToQColor(Color color) {
    return QColor(color.red, color.green, color.blue);
}

QRectF ToQRect(const Rect& rect) {
    return QRectF(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

QPolygonF ToPolygon(std::span<const Point> points) {
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const Point& point : points) {
        polygon.append(QPointF(point.x, point.y));
    }
    return polygon;
}

}  // namespace

QtDeviceContext::QtDeviceContext(QPainter& painter, const Rect& clipBox, bool printing)
    : m_painter(painter),
      m_clipBox(clipBox),
      m_printing(printing),
      m_pen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
      m_brush(Qt::white),
      m_textColor(Qt::black) {
    SelectFont(FontSpec{"Tahoma", 28});
}

qreal QtDeviceContext::ScreenScale(int zoomPercent, qreal dotsPerInch) {
    return dotsPerInch / kUnitsPerInch * zoomPercent / 100.0;
}

void QtDeviceContext::SelectFont(const FontSpec& font) {
    if (m_fontEntry != nullptr && font == m_fontSpec) {
        return;
    }
    const QtFontCache::Entry& entry = QtFontCache::Instance().Get(font);
    m_fontSpec = font;
    m_fontEntry = &entry;
    m_ascent = entry.ascent;
    m_painter.setFont(entry.font);
}

void QtDeviceContext::SelectPen(const PenSpec& pen) {
    m_pen = QPen(ToQColor(pen.color), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void QtDeviceContext::SelectNullPen() {
    m_pen = QPen(Qt::NoPen);
}

void QtDeviceContext::SelectBrush(Color color) {
    m_brush = QBrush(ToQColor(color));
}

void QtDeviceContext::SelectNullBrush() {
    m_brush = QBrush(Qt::NoBrush);
}

void QtDeviceContext::SetTextColor(Color color) {
    m_textColor = ToQColor(color);
}

void QtDeviceContext::ApplyShapeState() {
    m_painter.setPen(m_pen);
    m_painter.setBrush(m_brush);
}

void QtDeviceContext::ApplyTextState() {
    m_painter.setPen(m_textColor);
}

void QtDeviceContext::Line(Point from, Point to) {
    m_painter.setPen(m_pen);
    m_painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void QtDeviceContext::Polyline(std::span<const Point> points) {
    m_painter.setPen(m_pen);
    m_painter.drawPolyline(ToPolygon(points));
}

void QtDeviceContext::Polygon(std::span<const Point> points) {
    ApplyShapeState();
    m_painter.drawPolygon(ToPolygon(points));
}

void QtDeviceContext::Rectangle(const Rect& rect) {
    ApplyShapeState();
    m_painter.drawRect(ToQRect(rect));
}

void QtDeviceContext::Ellipse(const Rect& rect) {
    ApplyShapeState();
    m_painter.drawEllipse(ToQRect(rect));
}

void QtDeviceContext::FillRect(const Rect& rect, Color color) {
    m_painter.fillRect(ToQRect(rect), ToQColor(color));
}

void QtDeviceContext::Text(int x, int y, std::string_view text) {
    if (text.empty()) {
        return;
    }
    ApplyTextState();
    m_painter.drawText(QPointF(x, y + m_ascent),
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

Size QtDeviceContext::TextExtent(std::string_view text) {
    const auto& entry = *static_cast<const QtFontCache::Entry*>(m_fontEntry);
    const qreal width = entry.metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return {static_cast<int>(std::ceil(width)), m_fontSpec.height};
}
