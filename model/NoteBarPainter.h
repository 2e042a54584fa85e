#pragma once

#include <functional>

class BeamedGroup;
class DeviceContext;
class NoteBar;
class NoteChord;

// Draws what a note bar holds: its chords with stems and flags, beamed in
// runs of eighths and shorter within each beat (each triplet group on its
// own, under a bracketed 3), its dynamic marks and its lyrics; and, for the
// bar kinds' staves, the time signature and single staff lines. Reads the
// bar, never changes it; made for one drawing call.
class NoteBarPainter {
public:
    explicit NoteBarPainter(const NoteBar& bar) : m_bar(bar) {}

    // The bar's notes and rests with their stems, flags and beams, its
    // triplet marks, dynamics and lyrics; nothing when the bar lies outside
    // the device context's visible area. The caller draws the selection, the
    // staff lines and the header first.
    void Draw(DeviceContext& dc) const;
    // Whether the chord's stem points down as drawn: alone, or with the
    // beamed group it belongs to.
    bool StemsDownAt(const NoteChord& chord) const;
    // Hands each group of chords Draw draws together to the visitor, in the
    // order drawn: the plain chords beat by beat, then the members of each
    // triplet group. A group of one chord stands alone with its flag; two or
    // more share beams.
    void VisitGroups(const std::function<void(const BeamedGroup&)>& visit) const;
    // The time signature in the header space of the track's first bar; a
    // numerator or denominator of two digits is left out.
    void DrawTimeSignature(DeviceContext& dc) const;
    // A horizontal staff line at y across the bar or, with header, across
    // the header space left of it.
    void DrawStaffLine(DeviceContext& dc, int y, bool header) const;

private:
    // Draws the chords starting between first and end, either the plain ones
    // or the triplet members, beaming runs of eighths and shorter inside each
    // stretch of unit steps. Answers the topmost y drawn.
    int DrawChords(DeviceContext& dc, int first, int end, int unit, bool triplets) const;
    // Hands each group DrawChords would draw, complete, to the callback,
    // which empties it.
    template <typename Complete>
    void WalkGroups(int first, int end, int unit, bool triplets, Complete&& complete) const;
    // Steps to a beat; the whole bar when the meter counts no beats.
    int BeatLength() const;
    void DrawTripletGroups(DeviceContext& dc) const;
    void DrawTripletMark(DeviceContext& dc, const NoteChord& first, const NoteChord& last,
                         int top) const;
    void DrawMarks(DeviceContext& dc) const;

    const NoteBar& m_bar;
};
