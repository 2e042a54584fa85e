#pragma once

#include <QBrush>
#include <QPen>

#include "editor/qt/QtFontCache.h"
#include "model/DeviceContext.h"

class QPainter;

// The score's device context over a QPainter whose transform already maps
// score units to the device. The painter is not owned; text is placed by the
// top-left of its cell like the score expects.
class QtDeviceContext : public DeviceContext {
public:
    QtDeviceContext(QPainter& painter, const Rect& clipBox, bool printing);

    // Score units to device pixels for a screen of the given size, as the
    // score view shows it: 100 % is real size.
    static qreal ScreenScale(int zoomPercent, qreal dotsPerInch);

    void SelectFont(const FontSpec& font) override;
    void SelectPen(const PenSpec& pen) override;
    void SelectNullPen() override;
    void SelectBrush(Color color) override;
    void SelectNullBrush() override;
    void SetTextColor(Color color) override;

    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void Ellipse(const Rect& rect) override;
    void FillRect(const Rect& rect, Color color) override;

    void Text(int x, int y, std::string_view text) override;
    Size TextExtent(std::string_view text) override;

    Rect ClipBox() const override { return m_clipBox; }
    bool IsPrinting() const override { return m_printing; }

private:
    void ApplyPen();
    void ApplyShapeState();
    void ApplyTextState();
    // Single characters are most of the score's text: notation symbols.
    static const QString& CharacterString(char c);

    QPainter& m_painter;
    Rect m_clipBox;
    bool m_printing;
    FontSpec m_fontSpec;
    const QtFontCache::Entry* m_font = nullptr;
    QPen m_pen;
    QBrush m_brush;
    QColor m_textColor;
    // What the painter holds now, so unchanged state is not set again:
    // QPainter redoes work for every pen or brush it is given.
    enum class PainterPen { Unknown, Shape, Text };
    PainterPen m_painterPen = PainterPen::Unknown;
    bool m_painterBrushCurrent = false;
};
