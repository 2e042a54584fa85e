#include "editor/qt/QtDeviceContext.h"

#include <QPainter>
#include <QPolygon>
#include <QString>
#include <array>
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
    if (m_font != nullptr && font == m_fontSpec) {
        return;
    }
    m_font = &QtFontCache::Instance().Get(font);
    m_fontSpec = font;
    m_painter.setFont(m_font->font);
}

void QtDeviceContext::SelectPen(const PenSpec& pen) {
    const QColor color = ToQColor(pen.color);
    if (m_pen.style() == Qt::SolidLine && m_pen.color() == color && m_pen.width() == pen.width) {
        return;
    }
    m_pen = QPen(color, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (m_painterPen == PainterPen::Shape) {
        m_painterPen = PainterPen::Unknown;
    }
}

void QtDeviceContext::SelectNullPen() {
    m_pen = QPen(Qt::NoPen);
    if (m_painterPen == PainterPen::Shape) {
        m_painterPen = PainterPen::Unknown;
    }
}

void QtDeviceContext::SelectBrush(Color color) {
    const QColor qcolor = ToQColor(color);
    if (m_brush.style() == Qt::SolidPattern && m_brush.color() == qcolor) {
        return;
    }
    m_brush = QBrush(qcolor);
    m_painterBrushCurrent = false;
}

void QtDeviceContext::SelectNullBrush() {
    m_brush = QBrush(Qt::NoBrush);
    m_painterBrushCurrent = false;
}

void QtDeviceContext::SetTextColor(Color color) {
    const QColor qcolor = ToQColor(color);
    if (qcolor == m_textColor) {
        return;
    }
    m_textColor = qcolor;
    if (m_painterPen == PainterPen::Text) {
        m_painterPen = PainterPen::Unknown;
    }
}

void QtDeviceContext::ApplyPen() {
    if (m_painterPen != PainterPen::Shape) {
        m_painter.setPen(m_pen);
        m_painterPen = PainterPen::Shape;
    }
}

void QtDeviceContext::ApplyShapeState() {
    ApplyPen();
    if (!m_painterBrushCurrent) {
        m_painter.setBrush(m_brush);
        m_painterBrushCurrent = true;
    }
}

void QtDeviceContext::ApplyTextState() {
    if (m_painterPen != PainterPen::Text) {
        m_painter.setPen(m_textColor);
        m_painterPen = PainterPen::Text;
    }
}

const QString& QtDeviceContext::CharacterString(char c) {
    static const auto table = [] {
        std::array<QString, 128> strings;
        for (int i = 0; i < 128; ++i) {
            strings[static_cast<size_t>(i)] = QString(QChar(i));
        }
        return strings;
    }();
    return table[static_cast<unsigned char>(c) & 0x7F];
}

void QtDeviceContext::Line(Point from, Point to) {
    ApplyPen();
    m_painter.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void QtDeviceContext::Polyline(std::span<const Point> points) {
    ApplyPen();
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
    const QPointF baseline(x, y + m_font->ascent);
    if (text.size() == 1 && static_cast<unsigned char>(text[0]) < 0x80) {
        m_painter.drawText(baseline, CharacterString(text[0]));
        return;
    }
    m_painter.drawText(baseline,
                       QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

Size QtDeviceContext::TextExtent(std::string_view text) {
    const qreal width = m_font->metrics.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return {static_cast<int>(std::ceil(width)), m_fontSpec.height};
}
