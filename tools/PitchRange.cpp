#include "tools/PitchRange.h"

namespace {

constexpr int kOctave = 12;
constexpr int kBassLowest = 28;  // E1, a bass guitar's lowest string
constexpr int kBassHighest = 60;
constexpr int kChordsLowest = 48;
constexpr int kChordsHighest = 84;

}  // namespace

PitchRange PitchRange::For(PartKind kind) {
    return kind == PartKind::Bass ? PitchRange(kBassLowest, kBassHighest)
                                  : PitchRange(kChordsLowest, kChordsHighest);
}

int PitchRange::Fold(int key) const {
    // The written key must leave room for the whole span of offsets, which
    // is narrower than the range by 12 semitones but still wider than an
    // octave, so some octave of every key fits.
    const int low = m_lowest - kLowestRootOffset;
    const int high = m_highest - kHighestRootOffset;
    while (key < low) {
        key += kOctave;
    }
    while (key > high) {
        key -= kOctave;
    }
    return key;
}

void PitchRange::Fold(std::vector<PatternLine::Event>& events, int rootKey) const {
    for (PatternLine::Event& event : events) {
        for (int& semitones : event.semitones) {
            semitones = Fold(rootKey + semitones) - rootKey;
        }
    }
}
