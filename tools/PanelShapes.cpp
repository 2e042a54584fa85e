#include "tools/PanelShapes.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

namespace {

const QColor kFaceTop(252, 252, 253);
const QColor kFaceBottom(218, 221, 226);
const QColor kPressedTop(188, 193, 201);
const QColor kPressedBottom(222, 225, 230);
const QColor kDisabledFace(236, 237, 239);
const QColor kEdge(128, 133, 142);
const QColor kPressedEdge(92, 97, 106);
const QColor kDisabledEdge(190, 192, 196);
const QColor kFocusRing(40, 112, 220);
const QColor kInk(44, 46, 52);
const QColor kPlayGreen(36, 150, 70);
const QColor kStopRed(200, 52, 48);
const QColor kGreyInk(166, 168, 172);
const QColor kWood(214, 146, 72);
const QColor kWoodDark(150, 92, 36);
const QColor kMutedWood(196, 190, 182);
const QColor kGlass(214, 232, 250);

constexpr qreal kSize = 24;
const QPointF kPressShift(1, 1);

QColor Ink(bool enabled, const QColor& colour) {
    return enabled ? colour : kGreyInk;
}

void FillPolygon(QPainter& painter, const QPolygonF& shape, const QColor& colour) {
    painter.setPen(QPen(colour.darker(125), 0.75, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPolygon(shape);
}

void FillRect(QPainter& painter, const QRectF& rect, const QColor& colour) {
    FillPolygon(painter, QPolygonF(rect), colour);
}

}  // namespace

void PanelShapes::Button(QPainter& painter, Symbol symbol, State state) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    Face(painter, state);
    if (state == Pressed) {
        painter.translate(kPressShift);
    }
    DrawSymbol(painter, symbol, state != Disabled);
    painter.restore();
}

void PanelShapes::Face(QPainter& painter, State state) {
    const QRectF face(1.5, 1.5, kSize - 3, kSize - 3);
    QLinearGradient shade(0, face.top(), 0, face.bottom());
    shade.setColorAt(0, state == Pressed ? kPressedTop : kFaceTop);
    shade.setColorAt(1, state == Pressed ? kPressedBottom : kFaceBottom);
    const QColor edge = state == Pressed ? kPressedEdge : state == Disabled ? kDisabledEdge : kEdge;
    painter.setPen(QPen(edge, 1));
    if (state == Disabled) {
        painter.setBrush(kDisabledFace);
    } else {
        painter.setBrush(shade);
    }
    painter.drawRoundedRect(face, 4, 4);
    if (state == Focused) {
        painter.setPen(QPen(kFocusRing, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(1.25, 1.25, -1.25, -1.25), 3, 3);
    }
}

void PanelShapes::DrawSymbol(QPainter& painter, Symbol symbol, bool enabled) {
    switch (symbol) {
        case Rewind:
            FillRect(painter, QRectF(5.5, 7, 2.5, 10), Ink(enabled, kInk));
            FillPolygon(painter, QPolygonF({{13.5, 7}, {8.5, 12}, {13.5, 17}}), Ink(enabled, kInk));
            FillPolygon(painter, QPolygonF({{18.5, 7}, {13.5, 12}, {18.5, 17}}),
                        Ink(enabled, kInk));
            break;
        case Play:
            FillPolygon(painter, QPolygonF({{8.5, 6}, {18, 12}, {8.5, 18}}),
                        Ink(enabled, kPlayGreen));
            break;
        case Pause:
            FillRect(painter, QRectF(7.5, 6.5, 3.5, 11), Ink(enabled, kInk));
            FillRect(painter, QRectF(13, 6.5, 3.5, 11), Ink(enabled, kInk));
            break;
        case Stop:
            FillRect(painter, QRectF(7, 7, 10, 10), Ink(enabled, kStopRed));
            break;
        case MetronomeOff:
        case MetronomeOn:
            Metronome(painter, symbol == MetronomeOn, enabled);
            break;
        case ZoomOut:
        case ZoomIn:
            Magnifier(painter, symbol == ZoomIn, enabled);
            break;
    }
}

void PanelShapes::Metronome(QPainter& painter, bool on, bool enabled) {
    const QColor body = enabled && on ? kWood : enabled ? kMutedWood : kDisabledFace.darker(108);
    FillPolygon(painter, QPolygonF({{6.5, 19}, {17.5, 19}, {14, 4.5}, {10, 4.5}}), body);
    FillRect(painter, QRectF(5.5, 18, 13, 2), Ink(enabled, on ? kWoodDark : kInk));
    // The pendulum swings while the metronome is on and hangs still when off.
    const QPointF pivot(12, 16);
    const QPointF top = on ? QPointF(16.5, 6) : QPointF(12, 5.5);
    painter.setPen(QPen(Ink(enabled, kInk), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pivot, top);
    const QPointF weight = pivot + (top - pivot) * 0.55;
    FillRect(painter, QRectF(weight.x() - 1.5, weight.y() - 1.2, 3, 2.4), Ink(enabled, kInk));
    if (on) {
        painter.setPen(QPen(Ink(enabled, kStopRed), 1.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(18.5, 5), QPointF(20, 3.5));
        painter.drawLine(QPointF(19, 8), QPointF(21, 7.5));
    }
}

void PanelShapes::Magnifier(QPainter& painter, bool plus, bool enabled) {
    const QColor ink = Ink(enabled, kInk);
    painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14.5, 14.5), QPointF(18.5, 18.5));
    painter.setPen(QPen(ink, 1.8));
    painter.setBrush(enabled ? kGlass : kDisabledFace);
    painter.drawEllipse(QPointF(10.5, 10.5), 5.5, 5.5);
    painter.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(7.8, 10.5), QPointF(13.2, 10.5));
    if (plus) {
        painter.drawLine(QPointF(10.5, 7.8), QPointF(10.5, 13.2));
    }
}
