#include "tools/ToolShapes.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

namespace {

const QColor kOutline(34, 34, 38);
const QColor kGraphite(64, 64, 68);
const QColor kWood(246, 214, 166);
const QColor kPaintLight(255, 204, 72);
const QColor kPaintShade(236, 160, 30);
const QColor kFerrule(196, 201, 208);
const QColor kRubber(239, 128, 148);
const QColor kRubberLight(250, 178, 191);
const QColor kSleeve(64, 118, 216);
const QColor kSleeveLight(126, 167, 240);
const QColor kArrowFill(255, 255, 255);
const QColor kSelectionFill(66, 133, 244, 70);
const QColor kBadge(36, 120, 220);
const QColor kBadgeSymbol(255, 255, 255);

constexpr qreal kOutlineWidth = 1;

QPen OutlinePen(qreal width = kOutlineWidth) {
    return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Fill(QPainter& painter, const QPainterPath& area, const QColor& color) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPath(area);
}

void Stroke(QPainter& painter, const QPainterPath& line, qreal width = kOutlineWidth) {
    painter.setPen(OutlinePen(width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
}

QPainterPath Band(const QPainterPath& within, qreal fromX, qreal toX, qreal top, qreal bottom) {
    QPainterPath band;
    band.addRect(QRectF(QPointF(fromX, top), QPointF(toX, bottom)));
    return within.intersected(band);
}

QPainterPath Across(qreal x, qreal halfWidth) {
    QPainterPath line;
    line.moveTo(x, -halfWidth);
    line.lineTo(x, halfWidth);
    return line;
}

// The pencil's silhouette along the x axis, tip at the origin: a cone, then
// the body with a softly rounded end.
QPainterPath PencilOutline(qreal length, qreal half, qreal cone, qreal rounding) {
    QPainterPath outline;
    outline.moveTo(0, 0);
    outline.lineTo(cone, -half);
    outline.lineTo(length - rounding, -half);
    outline.quadTo(length, -half, length, -half + rounding);
    outline.lineTo(length, half - rounding);
    outline.quadTo(length, half, length - rounding, half);
    outline.lineTo(cone, half);
    outline.closeSubpath();
    return outline;
}

}  // namespace

void ToolShapes::Pencil(QPainter& painter, QPointF tip, qreal length, qreal width) {
    const qreal half = width / 2;
    const qreal cone = width * 1.15;
    const qreal lead = cone * 0.4;
    const qreal rubber = width * 0.6;
    const qreal ferrule = width * 0.5;
    const qreal bodyEnd = length - rubber - ferrule;
    const QPainterPath outline = PencilOutline(length, half, cone, width * 0.3);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(tip);
    painter.rotate(-45);
    Fill(painter, Band(outline, 0, cone, -half, half), kWood);
    Fill(painter, Band(outline, 0, lead, -half, half), kGraphite);
    Fill(painter, Band(outline, cone, bodyEnd, -half, 0), kPaintLight);
    Fill(painter, Band(outline, cone, bodyEnd, 0, half), kPaintShade);
    Fill(painter, Band(outline, bodyEnd, bodyEnd + ferrule, -half, half), kFerrule);
    Fill(painter, Band(outline, bodyEnd + ferrule, length, -half, half), kRubber);
    Stroke(painter, Across(cone, half), kOutlineWidth * 0.75);
    Stroke(painter, Across(bodyEnd, half), kOutlineWidth * 0.75);
    Stroke(painter, Across(bodyEnd + ferrule, half), kOutlineWidth * 0.75);
    Stroke(painter, outline);
    painter.restore();
}

void ToolShapes::Eraser(QPainter& painter, QPointF edgeMiddle, qreal length, qreal width) {
    const qreal half = width / 2;
    const qreal rubberEnd = length * 0.45;
    const qreal face = -half + width * 0.35;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, -half, length, width), width * 0.15, width * 0.15);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(edgeMiddle);
    painter.rotate(-45);
    Fill(painter, Band(outline, 0, rubberEnd, -half, half), kRubber);
    Fill(painter, Band(outline, 0, rubberEnd, -half, face), kRubberLight);
    Fill(painter, Band(outline, rubberEnd, length, -half, half), kSleeve);
    Fill(painter, Band(outline, rubberEnd, length, -half, face), kSleeveLight);
    Stroke(painter, Across(rubberEnd, half), kOutlineWidth * 0.75);
    Stroke(painter, outline);
    painter.restore();
}

void ToolShapes::Arrow(QPainter& painter, QPointF tip, qreal scale) {
    static const QPolygonF kArrow{{0, 0},   {0, 17},   {4.5, 13},   {7.5, 20},
                                  {10, 19}, {7, 12.2}, {12.5, 12.2}};
    QPolygonF arrow;
    for (const QPointF& point : kArrow) {
        arrow << tip + point * scale;
    }
    QPainterPath outline;
    outline.addPolygon(arrow);
    outline.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Fill(painter, outline, kArrowFill);
    Stroke(painter, outline);
    painter.restore();
}

void ToolShapes::SelectionFrame(QPainter& painter, const QRectF& frame) {
    QPen dashes(kOutline, kOutlineWidth, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    dashes.setDashPattern({2, 2});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(dashes);
    painter.setBrush(kSelectionFill);
    painter.drawRect(frame);
    painter.restore();
}

void ToolShapes::Badge(QPainter& painter, QPointF centre, qreal radius,
                       const QPainterPath& symbol) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(OutlinePen());
    painter.setBrush(kBadge);
    painter.drawEllipse(centre, radius, radius);
    painter.translate(centre);
    Fill(painter, symbol, kBadgeSymbol);
    painter.restore();
}

void ToolShapes::Ground(QPainter& painter, QPointF from, QPointF to) {
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(to);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Stroke(painter, line);
    painter.restore();
}
