#pragma once

#include <span>
#include <string>
#include <string_view>

#include "model/Color.h"
#include "model/Geometry.h"

// A font as the score asks for it. The height is the height of the text
// cell (ascent plus descent) in score units, as the score's layout assumes.
struct FontSpec {
    std::string face;
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

// A solid pen; the width is in score units.
struct PenSpec {
    Color color{};
    int width = 1;
    bool operator==(const PenSpec&) const = default;
};

// The surface the model draws on, in score units (0.1 mm). The Qt shell
// implements it for the screen, the printer and images; the core only sees
// this interface. Like a GDI device context it keeps a current font, pen,
// brush and text colour that every later call uses until changed.
class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    virtual void SelectFont(const FontSpec& font) = 0;
    virtual void SelectPen(const PenSpec& pen) = 0;
    // Outlines are not drawn until a pen is selected again.
    virtual void SelectNullPen() = 0;
    virtual void SelectBrush(Color color) = 0;
    // Shapes are not filled until a brush is selected again.
    virtual void SelectNullBrush() = 0;
    virtual void SetTextColor(Color color) = 0;

    // Lines and outlines use the pen; closed shapes are filled with the brush.
    virtual void Line(Point from, Point to) = 0;
    virtual void Polyline(std::span<const Point> points) = 0;
    virtual void Polygon(std::span<const Point> points) = 0;
    virtual void Rectangle(const Rect& rect) = 0;
    virtual void Ellipse(const Rect& rect) = 0;
    // Fills without an outline, whatever pen and brush are selected.
    virtual void FillRect(const Rect& rect, Color color) = 0;

    // Writes UTF-8 text in the current font and text colour; (x, y) is the
    // top-left corner of the text cell, not the baseline.
    virtual void Text(int x, int y, std::string_view text) = 0;
    // The size of the text's cell in the current font.
    virtual Size TextExtent(std::string_view text) = 0;

    // The part of the score that needs drawing, in score units.
    virtual Rect ClipBox() const = 0;
    // True on a printer (or a PDF), where nothing interactive is drawn.
    virtual bool IsPrinting() const = 0;

    // Whether any part of the rectangle lies in the clip box.
    bool RectVisible(const Rect& rect) const { return rect.Intersects(ClipBox()); }
};
