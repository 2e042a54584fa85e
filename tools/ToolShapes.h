#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// The pictures of the editing tools, drawn from shapes of our own: a pencil,
// an eraser, the selection arrow and frame, and a round badge. Flat colours
// inside a dark outline, so they read on light and dark backgrounds alike.
// Sizes are in the painter's logical pixels; the outline is one of them.
class ToolShapes {
public:
    // A pencil whose tip is at `tip`, lying up and to the right at 45 degrees.
    static void Pencil(QPainter& painter, QPointF tip, qreal length, qreal width);
    // A two-coloured eraser lying up and to the right at 45 degrees, the
    // middle of its rubbing edge at `edgeMiddle`.
    static void Eraser(QPainter& painter, QPointF edgeMiddle, qreal length, qreal width);
    // The classic pointer arrow, white inside the outline, tip at `tip`;
    // `scale` 1 makes it 20 pixels tall.
    static void Arrow(QPainter& painter, QPointF tip, qreal scale);
    // A dashed rectangle over a pale fill, as a dragged selection shows.
    static void SelectionFrame(QPainter& painter, const QRectF& frame);
    // A filled circle with `symbol` in white on it, the symbol given around
    // the circle's centre.
    static void Badge(QPainter& painter, QPointF centre, qreal radius, const QPainterPath& symbol);
    // A short line for the eraser to rub along.
    static void Ground(QPainter& painter, QPointF from, QPointF to);
};
