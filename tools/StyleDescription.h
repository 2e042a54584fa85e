#pragma once

#include <array>
#include <vector>

// An accompaniment style as a musician would sketch it: for every part (bass,
// chords, each drum sound) one line of cells per section, in the order of the
// chord box's sub-styles: A, B, intro, fill-in, ending. PatternLine reads a
// line; StyleBuilder turns each line into its major, minor and seventh
// variations, all written on C.

enum class PartKind { Bass, Chords, Drum };

struct StylePart {
    const char* title;
    PartKind kind;
    // The General MIDI program; for a drum part the drum's key (35-81).
    int program;
    // The track's volume, 0-100.
    int volume;
    // The octave of the root C that degree 1 names (octave 5 holds key 60);
    // not used by drum parts.
    int rootOctave;
    // The degrees an "x" cell sounds on a chords part, e.g. "5, 8, 3";
    // empty for parts that only write degrees or drum hits.
    const char* voicing;
    // One line per section: A, B, intro, fill-in, ending. An empty line is a
    // bar of silence.
    std::array<const char*, 5> sections;
};

struct StyleDescription {
    // The style's name in the file name and in the style list, e.g. "Pop".
    const char* name;
    // The pattern song's title, for whoever opens the file in the editor.
    const char* title;
    int numerator;
    int denominator;
    // Only a suggestion stored in the file: the song being played keeps its
    // own. Counted in beats as playback counts them: halves in 2/2, dotted
    // quarters in 6/8.
    int tempo;
    std::vector<StylePart> parts;
};
