#pragma once

class NoteBar;
class NoteChord;

// The written rhythm of a chord of a note bar in MusicXML terms: its
// duration in divisions (one division per step, so 24 to a quarter note),
// its note type and dots, and for a triplet member the 3:2 time
// modification and whether it opens or closes its group's bracket. A rest
// filling the whole bar is a measure rest of the bar's length.
class MusicXmlRhythm {
public:
    static constexpr int kDivisionsPerQuarter = 24;

    struct Rhythm {
        int duration = 0;
        const char* type = nullptr;  // null for a measure rest
        int dots = 0;
        bool measureRest = false;
        bool triplet = false;
        bool tupletStart = false;
        bool tupletStop = false;
    };

    // The chord must stand in the bar and hold a note.
    static Rhythm Of(const NoteBar& bar, const NoteChord& chord);
    // "whole" for 1 to "32nd" for 32; other written values give "32nd" when
    // shorter, "whole" when longer.
    static const char* TypeName(int value);
};
