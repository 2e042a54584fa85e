#include "model/BeamedGroup.h"

#include <algorithm>
#include <climits>

#include "model/DeviceContext.h"
#include "model/NoteChord.h"
#include "model/Palette.h"
#include "model/StemVote.h"

namespace {
constexpr int kBeyondHead = 54;
constexpr int kUpStemDx = 10;
constexpr int kUpStemDy = 3;
constexpr int kDownStemDx = -10;
constexpr int kDownStemDy = 6;
constexpr int kBeamThickness = 7;
constexpr int kBeamSpacing = 10;
constexpr int kStubLength = 12;
constexpr int kMaxBeams = 3;
}  // namespace

bool BeamedGroup::Add(NoteChord& chord) {
    if (IsFull()) {
        return false;
    }
    m_chords[static_cast<size_t>(m_count++)] = &chord;
    return true;
}

bool BeamedGroup::Contains(const NoteChord& chord) const {
    return std::find(m_chords.begin(), m_chords.begin() + m_count, &chord) !=
           m_chords.begin() + m_count;
}

bool BeamedGroup::StemsDown() const {
    if (m_count == 1) {
        return m_chords[0]->PlanStem().down;
    }
    StemVote vote;
    for (int k = 0; k < m_count; ++k) {
        const NoteChord& chord = *m_chords[static_cast<size_t>(k)];
        for (int i = 0; i < chord.GetNoteCount(); ++i) {
            vote.Add(*chord.GetNote(i));
        }
    }
    return vote.StemsDown();
}

int BeamedGroup::Flush(DeviceContext& dc) {
    int top = INT_MAX;
    if (m_count == 1) {
        top = DrawAlone(dc, *m_chords[0]);
    } else if (m_count > 1) {
        top = DrawBeamed(dc);
    }
    m_count = 0;
    return top;
}

int BeamedGroup::DrawAlone(DeviceContext& dc, NoteChord& chord) const {
    const NoteChord::StemPlan stem = chord.PlanStem();
    chord.DrawPlanned(dc, stem, false);
    const Note* highest = chord.GetHighestNote();
    if (highest == nullptr) {
        return INT_MAX;
    }
    int top = highest->GetBox().y;
    if (stem.note != nullptr && !stem.down && chord.GetTimeValue(false) > 1.0) {
        top = std::min(top, NoteChord::PlacedAt(*stem.note).y + kUpStemDy - stem.length);
    }
    return top;
}

int BeamedGroup::DrawBeamed(DeviceContext& dc) const {
    const bool down = StemsDown();
    const int tip = StemTip(down);
    int top = down ? INT_MAX : tip;
    for (int k = 0; k < m_count; ++k) {
        NoteChord& chord = *m_chords[static_cast<size_t>(k)];
        const Note* stemNote = down ? chord.GetHighestNote() : chord.GetLowestNote();
        const int start = NoteChord::PlacedAt(*stemNote).y + (down ? kDownStemDy : kUpStemDy);
        const int length = down ? tip - start : start - tip;
        for (int i = 0; i < chord.GetNoteCount(); ++i) {
            Note& note = *chord.GetNote(i);
            note.Draw(dc, &note == stemNote, length, down, false, false);
        }
        top = std::min(top, chord.GetHighestNote()->GetBox().y);
    }
    for (int level = 1; level <= kMaxBeams; ++level) {
        DrawBeamLevel(dc, level, down, tip);
    }
    return top;
}

int BeamedGroup::StemTip(bool down) const {
    int highest = INT_MAX;
    int lowest = INT_MIN;
    for (int k = 0; k < m_count; ++k) {
        const NoteChord& chord = *m_chords[static_cast<size_t>(k)];
        highest = std::min(highest, NoteChord::PlacedAt(*chord.GetHighestNote()).y);
        lowest = std::max(lowest, NoteChord::PlacedAt(*chord.GetLowestNote()).y);
    }
    return down ? lowest + kDownStemDy + kBeyondHead : highest + kUpStemDy - kBeyondHead;
}

void BeamedGroup::DrawBeamLevel(DeviceContext& dc, int level, bool down, int tip) const {
    // Beams further in lie closer to the heads.
    const int offset = (level - 1) * kBeamSpacing;
    const int top = down ? tip - offset - kBeamThickness : tip + offset;
    const int bottom = top + kBeamThickness;
    int k = 0;
    while (k < m_count) {
        if (BeamsOf(k) < level) {
            ++k;
            continue;
        }
        int last = k;
        while (last + 1 < m_count && BeamsOf(last + 1) >= level) {
            ++last;
        }
        int left = StemX(k, down);
        int right = StemX(last, down);
        if (last == k) {
            // A lone shorter note gets a stub pointing at its neighbour.
            if (k == 0) {
                right += kStubLength;
            } else {
                left -= kStubLength;
            }
        }
        dc.FillRect({left - 1, top, right + 1, bottom}, Palette::kInk);
        k = last + 1;
    }
}

int BeamedGroup::BeamsOf(int index) const {
    const double value = m_chords[static_cast<size_t>(index)]->GetTimeValue(true);
    int beams = 0;
    for (double written = 8.0; beams < kMaxBeams && value >= written; written *= 2.0) {
        ++beams;
    }
    return beams;
}

int BeamedGroup::StemX(int index, bool down) const {
    const NoteChord& chord = *m_chords[static_cast<size_t>(index)];
    const Note& stemNote = down ? *chord.GetHighestNote() : *chord.GetLowestNote();
    return NoteChord::PlacedAt(stemNote).x + (down ? kDownStemDx : kUpStemDx);
}
