#include "model/NoteBarPainter.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string_view>

#include "model/BeamedGroup.h"
#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/DynamicMark.h"
#include "model/NoteBar.h"
#include "model/Palette.h"

namespace {
constexpr std::string_view kDigitGlyphs = "0123456789";
constexpr int kTimeSignatureDx = 160;
constexpr int kNumeratorDy = -37;
constexpr int kDenominatorDy = 3;
// The triplet mark stays above the staff's top line and clear of the stems.
constexpr int kTripletHighest = 30;
constexpr int kTripletGap = 14;
constexpr int kTripletHook = 8;
constexpr int kTripletDigitGap = 3;
// The small score font's digits are centred this far below the cell's top.
constexpr int kSmallDigitCentre = 65;
constexpr std::string_view kTripletDigit = "3";
constexpr PenSpec kBracketPen{Palette::kInk, 1};

// A digit of the notation font, or nothing for a value it has no glyph for.
std::string_view DigitGlyph(int value) {
    return value >= 0 && value <= 9 ? kDigitGlyphs.substr(static_cast<size_t>(value), 1)
                                    : std::string_view{};
}
}  // namespace

void NoteBarPainter::Draw(DeviceContext& dc) const {
    if (!dc.RectVisible(m_bar.GetBoundingRect())) {
        return;
    }
    const DrawResources& resources = DrawResources::Instance();
    dc.SelectFont(resources.scoreFont);
    dc.SelectPen(resources.blackPen);
    DrawChords(dc, 0, m_bar.GetSteps(), BeatLength(), false);
    DrawTripletGroups(dc);
    DrawMarks(dc);
    dc.SelectFont(resources.scoreFont);
    for (const auto& [step, lyric] : m_bar.GetLyrics()) {
        lyric->Draw(dc);
    }
}

template <typename Complete>
void NoteBarPainter::WalkGroups(int first, int end, int unit, bool triplets,
                                Complete&& complete) const {
    BeamedGroup group;
    int groupEnd = first;
    for (int step = std::max(first, 0); step < std::min(end, m_bar.GetSteps()); ++step) {
        NoteChord* chord = m_bar.GetChordAt(step);
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            continue;
        }
        if (chord->IsTriplet() != triplets) {
            complete(group);
            continue;
        }
        const int unitEnd = first + ((step - first) / unit + 1) * unit;
        const bool beamable =
            !chord->IsRest() && chord->GetTimeValue(true) >= 8 && chord->GetEndStep() < unitEnd;
        if (!beamable || step >= groupEnd || group.IsFull()) {
            complete(group);
            groupEnd = unitEnd;
        }
        group.Add(*chord);
        if (!beamable) {
            complete(group);
        }
    }
    complete(group);
}

int NoteBarPainter::DrawChords(DeviceContext& dc, int first, int end, int unit,
                               bool triplets) const {
    int top = INT_MAX;
    WalkGroups(first, end, unit, triplets,
               [&](BeamedGroup& group) { top = std::min(top, group.Flush(dc)); });
    return top;
}

bool NoteBarPainter::StemsDownAt(const NoteChord& chord) const {
    int first = 0;
    int end = m_bar.GetSteps();
    int unit = BeatLength();
    if (chord.IsTriplet()) {
        const NoteBar::TripletGroup group = m_bar.GroupAt(chord.GetStep());
        first = group.start;
        end = group.start + group.length;
        unit = group.length;
    }
    bool down = false;
    if (unit > 0) {
        WalkGroups(first, end, unit, chord.IsTriplet(), [&](BeamedGroup& group) {
            if (group.Contains(chord)) {
                down = group.StemsDown();
            }
            group.Clear();
        });
    }
    return down;
}

void NoteBarPainter::VisitGroups(const std::function<void(const BeamedGroup&)>& visit) const {
    const auto hand = [&](BeamedGroup& group) {
        if (!group.IsEmpty()) {
            visit(group);
        }
        group.Clear();
    };
    WalkGroups(0, m_bar.GetSteps(), BeatLength(), false, hand);
    for (const NoteChord* chord = m_bar.FirstChord(); chord != nullptr;
         chord = m_bar.ChordAfter(*chord)) {
        const int length = chord->GetTripletLength();
        if (chord->IsTriplet() && length > 0) {
            WalkGroups(chord->GetStep(), chord->GetStep() + length, length, true, hand);
        }
    }
}

int NoteBarPainter::BeatLength() const {
    return m_bar.GetStepsPerBeat() > 0 ? m_bar.GetStepsPerBeat() : m_bar.GetSteps();
}

void NoteBarPainter::DrawTripletGroups(DeviceContext& dc) const {
    for (const NoteChord* chord = m_bar.FirstChord(); chord != nullptr;
         chord = m_bar.ChordAfter(*chord)) {
        const int length = chord->GetTripletLength();
        if (!chord->IsTriplet() || length <= 0) {
            continue;
        }
        const int start = chord->GetStep();
        const int top = DrawChords(dc, start, start + length, length, true);
        const NoteChord* last = m_bar.GetChordAt(start + length - length / 3);
        DrawTripletMark(dc, *chord, last != nullptr ? *last : *chord, top);
    }
}

void NoteBarPainter::DrawTripletMark(DeviceContext& dc, const NoteChord& first,
                                     const NoteChord& last, int top) const {
    const DrawResources& resources = DrawResources::Instance();
    const int left = first.First()->GetBox().x;
    const int right = last.First()->GetBox().x + last.First()->GetBox().width;
    const int y = std::min(top - kTripletGap, m_bar.GetBox().y + kTripletHighest);
    const int middle = (left + right) / 2;
    dc.SelectFont(resources.smallScoreFont);
    dc.SetTextColor(Palette::kInk);
    const int halfDigit = dc.TextExtent(kTripletDigit).width / 2;
    dc.Text(middle - halfDigit, y - kSmallDigitCentre, kTripletDigit);
    dc.SelectPen(kBracketPen);
    const std::array<Point, 3> leftArm{
        {{left, y + kTripletHook}, {left, y}, {middle - halfDigit - kTripletDigitGap, y}}};
    const std::array<Point, 3> rightArm{
        {{middle + halfDigit + kTripletDigitGap, y}, {right, y}, {right, y + kTripletHook}}};
    dc.Polyline(leftArm);
    dc.Polyline(rightArm);
    dc.SelectPen(resources.blackPen);
    dc.SelectFont(resources.scoreFont);
}

void NoteBarPainter::DrawMarks(DeviceContext& dc) const {
    const int top = m_bar.MarkTop();
    const int barEnd = m_bar.GetBox().x + m_bar.GetBox().width - 10;
    for (const auto& [step, code] : m_bar.GetMarks()) {
        const NoteChord* chord = m_bar.GetChordAt(step);
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            continue;
        }
        const NoteChord* next = m_bar.ChordAfter(*chord);
        const int endX = next != nullptr ? next->First()->GetBox().x : barEnd;
        DynamicMark::Draw(dc, code, NoteChord::PlacedAt(*chord->First()).x, top, endX);
    }
}

void NoteBarPainter::DrawTimeSignature(DeviceContext& dc) const {
    const int* signature = m_bar.GetProperty("TimeSignature");
    if (m_bar.GetIndex() != 0 || signature == nullptr) {
        return;
    }
    const int x = m_bar.GetBox().x - NoteBar::kHeaderWidth + kTimeSignatureDx;
    const int top = m_bar.GetBox().y;
    if (const std::string_view numerator = DigitGlyph(signature[0]); !numerator.empty()) {
        dc.Text(x, top + kNumeratorDy, numerator);
    }
    if (const std::string_view denominator = DigitGlyph(signature[1]); !denominator.empty()) {
        dc.Text(x, top + kDenominatorDy, denominator);
    }
}

void NoteBarPainter::DrawStaffLine(DeviceContext& dc, int y, bool header) const {
    const Box& box = m_bar.GetBox();
    const int left = header ? box.x - NoteBar::kHeaderWidth : box.x;
    const int right = header ? box.x : box.x + box.width;
    dc.Line({left, y}, {right, y});
}
