#include "tools/NotationIcons.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QTransform>
#include <array>
#include <cmath>
#include <string_view>

#include "editor/qt/ToolBarIcons.h"

namespace {

constexpr qreal kCanvas = ToolBarIcons::kSize;
const QColor kInk(0, 0, 0);
// A pale rim around the black symbols keeps them readable on a dark tool bar
// and is hardly seen on a light one.
const QColor kHalo(255, 255, 255);
constexpr qreal kHaloOpacity = 0.75;
constexpr qreal kHaloPixels = 1;

// The notation font's cell is 170 score units tall, two ems, with the
// baseline 101 units below its top. Glyphs are taken at a large pixel size
// and scaled down so their outlines keep every detail.
constexpr qreal kCellHeight = 170;
constexpr qreal kCellEms = 2;
constexpr qreal kBaseline = 101;
constexpr int kProbePixels = 1000;
constexpr qreal kStaffSpace = 20;

// Notes at six pixels a staff space: a note with its stem then fills the
// canvas but for a pixel at each end. Rests at seven, so the small ones keep
// their shape.
constexpr qreal kNoteScale = 6.0 / kStaffSpace;
constexpr qreal kRestScale = 7.0 / kStaffSpace;
// The font draws accidentals at about half a note's scale; the icons draw
// them about as tall as the notes, at the scale that puts the sharp's two
// upright strokes (their left edges 6.57 and 11.81 units from the glyph
// cell's left) three pixels apart, so both fall on the pixel grid. The other
// accidentals align their upright stroke's left edge likewise.
constexpr qreal kAccidentalScale = 3 / (11.81 - 6.57);
constexpr std::array<qreal, 3> kAccidentalStemLeft{6.57, 6.3, 8.25};
// Stems and lines are a pixel wide on the 24-pixel canvas, a little heavier
// than the score's so they hold up at that size.
constexpr qreal kLinePixels = 1;

// The same characters and offsets the score draws notes with (model/Note.cpp
// and model/NoteChord.cpp): from the note's reference point to the top-left
// of the glyph cell, the stem's top and bottom, the flag's cell.
constexpr std::string_view kHeadGlyphs = "GHIII";
constexpr std::string_view kRestGlyphs = "@ABCD";
constexpr std::string_view kAccidentalGlyphs = "=?>";
constexpr char kUpFlags[] = {0, 0, 0, 'J', 'K'};
constexpr char kDotGlyph = 'N';
constexpr QPointF kDotOffset(26, 12);
// The dot as the score draws it would be under three pixels wide here.
constexpr qreal kDotGrowth = 1.4;
constexpr QPointF kGlyphCell(-10, -96);
constexpr qreal kHeadRight = 10.5;
constexpr qreal kStemLength = 60;
constexpr qreal kStemBottom = 3;
constexpr qreal kUpFlagDx = 20;

// Whole and half rests look alike but for the staff line they hang from or
// sit on, so their icons show a piece of it.
constexpr int kWholeRest = 0;
constexpr int kHalfRest = 1;
constexpr qreal kRestLineOverhang = 10;

// Two quarter notes on the same line, their stems shorter than the score's
// so the tie under them fits the canvas; the tie starts and ends near the
// heads' middles like the score's.
constexpr qreal kTieStemLength = 40;
constexpr qreal kTieNotesApart = 48;
constexpr qreal kTieClearance = 8;
constexpr qreal kTieY = 15;
constexpr qreal kTieDepth = 14;
constexpr qreal kTieThickness = 5;
constexpr qreal kTieEndThickness = 1;

// The triplet's "3", in a bold sans face, between the arms of its bracket.
constexpr qreal kDigitPixels = 11;
constexpr qreal kDigitGapPixels = 1.5;
constexpr qreal kArmPixels = 5;
constexpr qreal kHookPixels = 4;

}  // namespace

QRectF NotationIcons::Figure::Bounds() const {
    QRectF bounds = glyphs.boundingRect();
    for (const QRectF& bar : bars) {
        bounds = bounds.isNull() ? bar : bounds.united(bar);
    }
    return bounds;
}

NotationIcons::NotationIcons(const QString& notationFamily)
    : m_font(notationFamily), m_digitFont(QStringLiteral("DejaVu Sans")) {
    m_font.setPixelSize(kProbePixels);
    m_font.setHintingPreference(QFont::PreferNoHinting);
    m_digitFont.setBold(true);
    m_digitFont.setPixelSize(kProbePixels);
    m_digitFont.setHintingPreference(QFont::PreferNoHinting);
}

QPainterPath NotationIcons::Glyph(char symbol, QPointF cellTopLeft) const {
    QPainterPath outline;
    outline.addText(0, 0, m_font, QString(QChar(symbol)));
    const qreal unitsPerPixel = kCellHeight / (kCellEms * kProbePixels);
    QTransform toScore;
    toScore.translate(cellTopLeft.x(), cellTopLeft.y() + kBaseline);
    toScore.scale(unitsPerPixel, unitsPerPixel);
    QPainterPath glyph = toScore.map(outline);
    glyph.setFillRule(Qt::WindingFill);
    return glyph;
}

NotationIcons::Figure NotationIcons::NoteFigure(int value, qreal stemWidth,
                                                qreal stemLength) const {
    Figure figure;
    figure.glyphs = Glyph(kHeadGlyphs[static_cast<size_t>(value)], kGlyphCell);
    figure.anchor = figure.glyphs.boundingRect().topLeft();
    if (value == 0) {
        return figure;
    }
    // The stem stands at the head's right edge as in the score; being wider
    // than the score's, it grows inwards, over the head.
    const qreal stemTop = kStemBottom - stemLength;
    figure.bars.emplace_back(QPointF(kHeadRight - stemWidth, stemTop),
                             QPointF(kHeadRight, kStemBottom));
    figure.anchor = QPointF(kHeadRight, stemTop);
    if (const char flag = kUpFlags[value]; flag != 0) {
        figure.glyphs.addPath(Glyph(flag, kGlyphCell + QPointF(kUpFlagDx, -stemLength)));
    }
    return figure;
}

void NotationIcons::Note(QPainter& painter, int value) const {
    Paint(painter, NoteFigure(value, kLinePixels / kNoteScale, kStemLength), kNoteScale);
}

void NotationIcons::AddRestLine(Figure& figure, int value, qreal lineWidth) const {
    const QRectF rest = figure.glyphs.boundingRect();
    // A whole number of pixels long, so both ends are sharp.
    const qreal length =
        std::round((rest.width() + 2 * kRestLineOverhang) * kRestScale) / kRestScale;
    const qreal left = rest.center().x() - length / 2;
    const qreal top = value == kWholeRest ? rest.top() - lineWidth : rest.bottom();
    figure.bars.emplace_back(left, top, length, lineWidth);
    figure.anchor = QPointF(left, top);
}

void NotationIcons::Rest(QPainter& painter, int value) const {
    Figure figure;
    figure.glyphs = Glyph(kRestGlyphs[static_cast<size_t>(value)], kGlyphCell);
    figure.anchor = figure.glyphs.boundingRect().topLeft();
    if (value == kWholeRest || value == kHalfRest) {
        AddRestLine(figure, value, kLinePixels / kRestScale);
    }
    Paint(painter, figure, kRestScale);
}

void NotationIcons::Accidental(QPainter& painter, int accidental) const {
    Figure figure;
    figure.glyphs = Glyph(kAccidentalGlyphs[static_cast<size_t>(accidental)], kGlyphCell);
    figure.anchor = QPointF(kGlyphCell.x() + kAccidentalStemLeft[static_cast<size_t>(accidental)],
                            figure.glyphs.boundingRect().top());
    Paint(painter, figure, kAccidentalScale);
}

void NotationIcons::Dot(QPainter& painter) const {
    Figure figure = NoteFigure(2, kLinePixels / kNoteScale, kStemLength);
    const QPainterPath dot = Glyph(kDotGlyph, kGlyphCell + kDotOffset);
    const QPointF centre = dot.boundingRect().center();
    QTransform grow;
    grow.translate(centre.x(), centre.y());
    grow.scale(kDotGrowth, kDotGrowth);
    grow.translate(-centre.x(), -centre.y());
    figure.glyphs.addPath(grow.map(dot));
    Paint(painter, figure, kNoteScale);
}

void NotationIcons::Triplet(QPainter& painter) const {
    // Built in pixels: the bracket's lines and the digit's top fall on whole
    // pixels.
    QPainterPath digit;
    digit.addText(0, 0, m_digitFont, QStringLiteral("3"));
    const QRectF probe = digit.boundingRect();
    QTransform toPixels;
    toPixels.scale(kDigitPixels / probe.height(), kDigitPixels / probe.height());
    toPixels.translate(-probe.left(), -probe.top());
    Figure figure;
    figure.glyphs = toPixels.map(digit);
    figure.glyphs.setFillRule(Qt::WindingFill);
    const QRectF box = figure.glyphs.boundingRect();
    const qreal y = std::round(box.center().y());
    // The gaps take up the digit's fraction of a pixel, so the bracket's ends
    // are whole pixels apart.
    const qreal gap = (std::round(box.width() + 2 * kDigitGapPixels) - box.width()) / 2;
    const qreal left = box.left() - gap - kArmPixels;
    const qreal right = box.right() + gap + kArmPixels;
    figure.bars = {QRectF(left, y, kArmPixels, kLinePixels),
                   QRectF(left, y, kLinePixels, kHookPixels),
                   QRectF(right - kArmPixels, y, kArmPixels, kLinePixels),
                   QRectF(right - kLinePixels, y, kLinePixels, kHookPixels)};
    figure.anchor = QPointF(left, 0);
    Paint(painter, figure, 1);
}

void NotationIcons::Tie(QPainter& painter) const {
    const qreal stemWidth = kLinePixels / kNoteScale;
    Figure figure = NoteFigure(2, stemWidth, kTieStemLength);
    const Figure second = NoteFigure(2, stemWidth, kTieStemLength);
    figure.glyphs.addPath(second.glyphs.translated(kTieNotesApart, 0));
    for (const QRectF& bar : second.bars) {
        figure.bars.push_back(bar.translated(kTieNotesApart, 0));
    }
    // A crescent under the heads, away from the stems, fine at the ends and
    // thick in the middle, as the score draws ties.
    const qreal left = kTieClearance;
    const qreal right = kTieNotesApart - kTieClearance;
    const qreal middle = (left + right) / 2;
    QPainterPath tie;
    tie.moveTo(left, kTieY + kTieEndThickness);
    tie.quadTo(middle, kTieY + 2 * kTieDepth - kTieEndThickness, right, kTieY + kTieEndThickness);
    tie.lineTo(right, kTieY);
    tie.quadTo(middle, kTieY + 2 * (kTieDepth - kTieThickness), left, kTieY);
    tie.closeSubpath();
    figure.glyphs.addPath(tie);
    Paint(painter, figure, kNoteScale);
}

QPainterPath NotationIcons::NoteSymbol(int value, qreal height) const {
    const Figure figure = NoteFigure(value, kStaffSpace / 6, kStemLength);
    QPainterPath outline = figure.glyphs;
    for (const QRectF& bar : figure.bars) {
        QPainterPath stem;
        stem.addRect(bar);
        outline = outline.united(stem);
    }
    const QRectF bounds = outline.boundingRect();
    const qreal scale = height / bounds.height();
    QTransform toCentre;
    toCentre.scale(scale, scale);
    toCentre.translate(-bounds.center().x(), -bounds.center().y());
    return toCentre.map(outline);
}

void NotationIcons::Paint(QPainter& painter, const Figure& figure, qreal scale) {
    const QRectF bounds = figure.Bounds();
    QPointF offset = QPointF(kCanvas / 2, kCanvas / 2) - bounds.center() * scale;
    const QPointF anchor = figure.anchor * scale + offset;
    offset += QPointF(std::round(anchor.x()) - anchor.x(), std::round(anchor.y()) - anchor.y());
    QTransform place = painter.worldTransform();
    place.translate(offset.x(), offset.y());
    place.scale(scale, scale);
    PaintHalo(painter, figure, place, kHaloPixels / scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setWorldTransform(place);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(figure.glyphs);
    for (const QRectF& bar : figure.bars) {
        painter.drawRect(bar);
    }
    painter.restore();
}

void NotationIcons::PaintHalo(QPainter& painter, const Figure& figure, const QTransform& place,
                              qreal width) {
    // Drawn opaque on a layer of its own and laid on translucent, so that
    // where the halos of head and stem overlap they do not add up.
    QImage layer(painter.device()->width(), painter.device()->height(),
                 QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter halo(&layer);
    halo.setRenderHint(QPainter::Antialiasing);
    halo.setWorldTransform(place);
    halo.setPen(QPen(kHalo, 2 * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    halo.setBrush(kHalo);
    halo.drawPath(figure.glyphs);
    for (const QRectF& bar : figure.bars) {
        halo.drawRect(bar);
    }
    halo.end();
    painter.save();
    painter.resetTransform();
    painter.setOpacity(kHaloOpacity);
    painter.drawImage(0, 0, layer);
    painter.restore();
}
