#pragma once

#include <string>
#include <vector>

#include "model/DeviceContext.h"

// A device context that remembers what was drawn, with the state each call
// was drawn in, so tests can ask where a symbol, line or text ended up.
class RecordingDeviceContext : public DeviceContext {
public:
    enum class Kind { Line, Polyline, Polygon, Rectangle, Ellipse, FillRect, Text };

    struct Call {
        Kind kind;
        std::vector<Point> points;  // shapes: their points; rectangles: two corners
        std::string text;
        FontSpec font;
        PenSpec pen;
        bool hasPen = true;
        bool hasBrush = true;
        Color brush;
        Color textColor;
    };

    explicit RecordingDeviceContext(Rect clip = {-100000, -100000, 100000, 100000},
                                    bool printing = false)
        : m_clip(clip), m_printing(printing) {}

    void SelectFont(const FontSpec& font) override { m_font = font; }
    void SelectPen(const PenSpec& pen) override {
        m_pen = pen;
        m_hasPen = true;
    }
    void SelectNullPen() override { m_hasPen = false; }
    void SelectBrush(Color color) override {
        m_brush = color;
        m_hasBrush = true;
    }
    void SelectNullBrush() override { m_hasBrush = false; }
    void SetTextColor(Color color) override { m_textColor = color; }

    void Line(Point from, Point to) override { Record(Kind::Line, {from, to}); }
    void Polyline(std::span<const Point> points) override {
        Record(Kind::Polyline, {points.begin(), points.end()});
    }
    void Polygon(std::span<const Point> points) override {
        Record(Kind::Polygon, {points.begin(), points.end()});
    }
    void Rectangle(const Rect& r) override { Record(Kind::Rectangle, Corners(r)); }
    void Ellipse(const Rect& r) override { Record(Kind::Ellipse, Corners(r)); }
    void FillRect(const Rect& r, Color color) override {
        Record(Kind::FillRect, Corners(r));
        calls.back().brush = color;
        calls.back().hasBrush = true;
        calls.back().hasPen = false;
    }
    void Text(int x, int y, std::string_view text) override {
        Record(Kind::Text, {{x, y}});
        calls.back().text = std::string(text);
    }
    Size TextExtent(std::string_view text) override {
        return {static_cast<int>(text.size()) * m_font.height / 2, m_font.height};
    }
    Rect ClipBox() const override { return m_clip; }
    bool IsPrinting() const override { return m_printing; }

    // The calls of one kind, in drawing order.
    std::vector<Call> OfKind(Kind kind) const {
        std::vector<Call> found;
        for (const Call& call : calls) {
            if (call.kind == kind) {
                found.push_back(call);
            }
        }
        return found;
    }
    // Every text call that wrote exactly this text.
    std::vector<Call> TextsEqual(const std::string& text) const {
        std::vector<Call> found;
        for (const Call& call : calls) {
            if (call.kind == Kind::Text && call.text == text) {
                found.push_back(call);
            }
        }
        return found;
    }

    std::vector<Call> calls;

private:
    static std::vector<Point> Corners(const Rect& r) {
        return {{r.left, r.top}, {r.right, r.bottom}};
    }
    void Record(Kind kind, std::vector<Point> points) {
        calls.push_back(Call{kind,
                             std::move(points),
                             {},
                             m_font,
                             m_pen,
                             m_hasPen,
                             m_hasBrush,
                             m_brush,
                             m_textColor});
    }

    Rect m_clip;
    bool m_printing;
    FontSpec m_font;
    PenSpec m_pen;
    Color m_brush{255, 255, 255};
    Color m_textColor{};
    bool m_hasPen = true;
    bool m_hasBrush = true;
};
