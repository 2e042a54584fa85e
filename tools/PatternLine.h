#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Reads one bar of one part of a style, written as a row of equal cells that
// together fill the bar (8 cells in 4/4 are eighths, 12 are triplet eighths):
//
//   "."        silence for a cell
//   "-"        the sound before it goes on for another cell
//   "x"        a drum hit, or the chords part's voicing
//   "X", "o"   the same, accented or as a ghost note
//   "1" to "9" a chord degree above the root C; "," after it lowers it an
//              octave, "'" raises it one: "5," is the G under the root
//   ">", "!"   before a sound: accent it, or accent it strongly
//   "~"        before a sound: play it as a ghost note, well under the rest
//   " ", "|"   ignored, to group cells by beats
//
// Degrees follow the chord's quality, so one line gives all three variations:
// 3 is the major or minor third, 6 the major sixth or, on minor chords, the
// minor sixth, 7 the major seventh or, on minor and seventh chords, the minor
// seventh, and 8 is the upper root, which a seventh chord lowers to its
// seventh (C E G C becomes C E G Bb). 2, 4, 5 and 9 stay as they are.
//
// Every note must be one written value, plain or dotted. On a triplet grid a
// group of three cells is either silent, one note filling the group (written
// as a plain note) or three single-cell triplet members.
class PatternLine {
public:
    // As the chord box names them: major 0, minor 1, seventh 2.
    enum Quality { Major = 0, Minor = 1, Seventh = 2 };

    // How hard a sound is played against the section's level.
    enum Stress { Plain = 0, Accent = 1, Strong = 2, Ghost = 3 };

    // A note, chord or drum hit of the line; silence is what lies between.
    struct Event {
        int step = 0;
        int length = 0;
        bool triplet = false;
        // Semitones above the root C; a drum hit is {0}.
        std::vector<int> semitones;
        Stress stress = Plain;

        bool operator==(const Event&) const = default;
    };

    // A length in steps as one written value: 96 / value, half as long again
    // when dotted.
    struct WrittenLength {
        int value = 0;
        bool dotted = false;
    };

    // The events of the line in a bar of the given steps. Drum lines take
    // only "x", "." and "-". Throws std::invalid_argument, naming the
    // problem, when the line cannot be written as a bar.
    static std::vector<Event> Parse(std::string_view line, std::string_view voicing,
                                    Quality quality, int stepsPerBar, bool drums);
    // The semitones of a voicing such as "5, 8, 3" in the quality.
    static std::vector<int> ParseVoicing(std::string_view voicing, Quality quality);
    // Semitones above the root of degree '1' to '9' in the quality.
    static int DegreeSemitones(char degree, Quality quality);
    // The plain or dotted value that lasts exactly so many steps, if any.
    static std::optional<WrittenLength> WrittenLengthOf(int steps);
    // The value whose triplet members last so many steps (8 steps: eighths).
    static std::optional<int> TripletValueOf(int steps);
};
