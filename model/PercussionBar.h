#pragma once

#include "model/NoteBar.h"

// A bar of a percussion track: rhythm on one line. Every note sounds the
// track's drum (its "MidiProgNum"), so pitches do not matter: notes are
// written as C 5 without accidentals, and key changes leave the bar alone.
class PercussionBar : public NoteBar {
public:
    // The first drum of the General MIDI key map, for a bar outside a track.
    static constexpr int kDefaultDrumKey = 35;

    PercussionBar(Track* track, int index, const Box& box);
    PercussionBar(const PercussionBar&) = default;

    const char* GetClassName() const override { return "PercussionBar"; }
    std::unique_ptr<SelObject> Clone() const override;
    int NoteClefCode() const override { return PercussionClef; }

    // Percussion ignores transposition: always true, nothing changes.
    bool ChangeKey(int newKey, bool upward) override;
    // The track's drum key for every note; -1 for a rest.
    int MidiKeyOf(const Note& note) const override;
    // Every head on the one line, without ledger lines.
    Placement PlaceNote(const Note& note) const override;
    // C 5 without accidental wherever the click is.
    Pitch PitchAt(int x, int y, const PencilSettings& pencil) const override;
    int MarkingOffset() const override { return 60; }
    // The lyrics come close under the drum line, so the marks go above the
    // stems instead.
    int MarkTop() const override { return GetBox().y + MarkingOffset() - 80; }
    // The one line the drum notes sit on.
    void DrawStaffLines(DeviceContext& dc, bool header) const override;
    // A drum staff has no clef or key: only the time signature.
    void DrawHeader(DeviceContext& dc) const override;

protected:
    void NormalizeEnteredPitch(char& letter, int& octave, int& accidental) const override;
    // Whatever pitch a file gives a drum note, it sits on the one line.
    void NormalizeLoadedNote(Note& note) const override;
};
