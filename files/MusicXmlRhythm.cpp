#include "files/MusicXmlRhythm.h"

#include "model/NoteBar.h"
#include "model/NoteChord.h"

MusicXmlRhythm::Rhythm MusicXmlRhythm::Of(const NoteBar& bar, const NoteChord& chord) {
    Rhythm rhythm;
    rhythm.duration = chord.GetLength();
    if (chord.IsWholeBarRest()) {
        rhythm.measureRest = true;
        return rhythm;
    }
    rhythm.type = TypeName(static_cast<int>(chord.GetTimeValue(true)));
    rhythm.dots = chord.IsDotted() ? 1 : 0;
    if (chord.IsTriplet()) {
        rhythm.triplet = true;
        const NoteBar::TripletGroup group = bar.GroupAt(chord.GetStep());
        rhythm.tupletStart = chord.GetStep() == group.start;
        rhythm.tupletStop = chord.GetEndStep() + 1 == group.start + group.length;
    }
    return rhythm;
}

const char* MusicXmlRhythm::TypeName(int value) {
    if (value <= 1) {
        return "whole";
    }
    if (value <= 2) {
        return "half";
    }
    if (value <= 4) {
        return "quarter";
    }
    if (value <= 8) {
        return "eighth";
    }
    if (value <= 16) {
        return "16th";
    }
    return "32nd";
}
