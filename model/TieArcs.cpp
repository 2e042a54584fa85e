#include "model/TieArcs.h"

#include <algorithm>
#include <array>

#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/NoteBar.h"
#include "model/Palette.h"
#include "model/TieChain.h"
#include "model/Track.h"

namespace {
constexpr int kSegments = 12;
constexpr int kHeadClearance = 12;
// Ties start near the head's edge on the side away from the stem.
constexpr int kBelowHeadDy = 12;
constexpr int kAboveHeadDy = -2;
constexpr int kBaseHeight = 12;
constexpr int kMaxHeight = 30;
constexpr int kMiddleThickness = 4;
constexpr int kEndThickness = 1;
constexpr int kBarLineOverhang = 10;

using ArcPoints = std::array<Point, 2 * kSegments>;

// Fills kSegments points of a quadratic curve from left to right (or back)
// whose ends lie endOffset and whose middle lies middleOffset away from y.
void FillCurve(ArcPoints& points, int first, int left, int right, int y, int endOffset,
               int middleOffset, bool backwards) {
    const double control = 2.0 * middleOffset - endOffset;
    for (int k = 0; k < kSegments; ++k) {
        const double t = static_cast<double>(backwards ? kSegments - 1 - k : k) / (kSegments - 1);
        const double ends = endOffset * ((1 - t) * (1 - t) + t * t);
        const double offset = ends + control * 2 * t * (1 - t);
        points[static_cast<size_t>(first + k)] = {
            left + static_cast<int>((right - left) * t + 0.5),
            y + static_cast<int>(offset + (offset < 0 ? -0.5 : 0.5))};
    }
}

// Ties curve away from the stems, so they follow the stem as drawn, which a
// beamed group may turn against the chord's own notes.
bool StemDown(const Note& note) {
    const NoteChord* chord = note.GetChord();
    const NoteBar* bar = TieChain::BarOf(note);
    return chord != nullptr && bar != nullptr && bar->StemsDownAt(*chord);
}
}  // namespace

void TieArcs::Draw(DeviceContext& dc, const Track& track) {
    if (track.IsAccompaniment()) {
        return;
    }
    for (const auto& bar : track.Bars()) {
        const auto* notes = dynamic_cast<const NoteBar*>(bar.get());
        if (notes == nullptr) {
            continue;
        }
        for (const NoteChord* chord = notes->FirstChord(); chord != nullptr;
             chord = notes->ChordAfter(*chord)) {
            for (int i = 0; i < chord->GetNoteCount(); ++i) {
                if (chord->GetNote(i)->IsTieStart()) {
                    DrawChain(dc, *chord->GetNote(i));
                }
            }
        }
    }
}

void TieArcs::DrawChain(DeviceContext& dc, const Note& start) {
    const Note* current = &start;
    while (current->IsTieStart() || current->IsTieMiddle()) {
        const Note* next = TieChain::Next(*current);
        if (next == nullptr || !(next->IsTieMiddle() || next->IsTieEnd())) {
            return;
        }
        DrawTie(dc, *current, *next);
        current = next;
    }
}

void TieArcs::DrawTie(DeviceContext& dc, const Note& from, const Note& to) {
    const NoteBar* fromBar = TieChain::BarOf(from);
    const NoteBar* toBar = TieChain::BarOf(to);
    const Point a = NoteChord::PlacedAt(from);
    const Point b = NoteChord::PlacedAt(to);
    const bool above = StemDown(from);
    const int dy = above ? kAboveHeadDy : kBelowHeadDy;
    if (fromBar->GetBox().y == toBar->GetBox().y) {
        DrawArc(dc, a.x + kHeadClearance, b.x - kHeadClearance, a.y + dy, above);
        return;
    }
    // The next bar begins a new line: the tie leaves the first line and
    // comes in again at the start of the second.
    const Box& first = fromBar->GetBox();
    DrawArc(dc, a.x + kHeadClearance, first.x + first.width + kBarLineOverhang, a.y + dy, above);
    DrawArc(dc, toBar->GetBox().x + kBarLineOverhang, b.x - kHeadClearance, b.y + dy, above);
}

void TieArcs::DrawArc(DeviceContext& dc, int left, int right, int y, bool above) {
    const int height = std::min(kMaxHeight, kBaseHeight + (right - left) / 20);
    const Rect area{std::min(left, right), y - height - 1, std::max(left, right), y + height + 1};
    if (!dc.RectVisible(area)) {
        return;
    }
    const int side = above ? -1 : 1;
    ArcPoints points;
    FillCurve(points, 0, left, right, y, side * kEndThickness, side * height, false);
    FillCurve(points, kSegments, left, right, y, 0, side * (height - kMiddleThickness), true);
    dc.SelectNullPen();
    dc.SelectBrush(Palette::kInk);
    dc.Polygon(points);
    dc.SelectPen(DrawResources::Instance().blackPen);
}
