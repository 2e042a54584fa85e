#pragma once

#include <vector>

#include "tools/PatternLine.h"
#include "tools/StyleDescription.h"

// The keys a part may sound once its pattern, written on C, is moved to a
// chord's root: a chord named from Ab to G# shifts it by -4 to +8 semitones.
// Folding a line moves every note by octaves so that it sounds within the
// range under every one of those shifts.
class PitchRange {
public:
    static constexpr int kLowestRootOffset = -4;
    static constexpr int kHighestRootOffset = 8;

    // A bass guitar's E string to middle C; chords around middle C.
    static PitchRange For(PartKind kind);

    int Lowest() const { return m_lowest; }
    int Highest() const { return m_highest; }
    // The key nearest to key, by octaves, that stays in range under every
    // root offset.
    int Fold(int key) const;
    // Folds the events' semitones above rootKey. A chord that folds two of
    // its notes onto one key keeps both, for note entry to refuse.
    void Fold(std::vector<PatternLine::Event>& events, int rootKey) const;

private:
    PitchRange(int lowest, int highest) : m_lowest(lowest), m_highest(highest) {}

    int m_lowest;
    int m_highest;
};
