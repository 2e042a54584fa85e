#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <vector>

class QPainter;

// Draws the tool bar's music images (notes, rests, accidentals, the dot, the
// triplet bracket and the tie) from the score's notation font, each symbol
// put together as the score puts it together (the triplet's digit in DejaVu
// Sans Bold), black in a pale rim, centred on a canvas of
// ToolBarIcons::kSize logical pixels. The painter may be scaled by a whole
// factor for sharper copies: stems, lines and each figure's anchor fall on
// whole logical pixels. Needs a QGuiApplication with the notation font loaded.
class NotationIcons {
public:
    explicit NotationIcons(const QString& notationFamily);

    // value: 0 whole, 1 half, 2 quarter, 3 eighth, 4 sixteenth.
    void Note(QPainter& painter, int value) const;
    void Rest(QPainter& painter, int value) const;
    // accidental: 0 sharp, 1 flat, 2 natural.
    void Accidental(QPainter& painter, int accidental) const;
    void Dot(QPainter& painter) const;
    void Triplet(QPainter& painter) const;
    void Tie(QPainter& painter) const;
    // A note with its stem and flag as one outline `height` pixels tall,
    // centred on the origin, for other pictures to carry.
    QPainterPath NoteSymbol(int value, qreal height) const;

private:
    // A symbol in score units (0.1 mm), as the score would draw it: glyphs of
    // the notation font, and the rectangles of stems and lines. The anchor is
    // the point that must land on a whole pixel, a stem's or line's corner.
    struct Figure {
        QPainterPath glyphs;
        std::vector<QRectF> bars;
        QPointF anchor;
        QRectF Bounds() const;
    };

    QPainterPath Glyph(char symbol, QPointF cellTopLeft) const;
    Figure NoteFigure(int value, qreal stemWidth, qreal stemLength) const;
    void AddRestLine(Figure& figure, int value, qreal lineWidth) const;
    // Fills the figure at `scale` pixels per score unit, centred on the canvas.
    static void Paint(QPainter& painter, const Figure& figure, qreal scale);
    static void PaintHalo(QPainter& painter, const Figure& figure, const QTransform& place,
                          qreal width);

    QFont m_font;
    QFont m_digitFont;
};
