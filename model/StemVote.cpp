#include "model/StemVote.h"

#include "model/Note.h"
#include "model/NoteBar.h"

namespace {
constexpr int kHigh = 0;
constexpr int kMiddle = 1;
constexpr int kLow = 2;
constexpr int kMiddleOctave = 5;

int TrebleCategory(int octave) {
    if (octave > kMiddleOctave) {
        return kHigh;
    }
    return octave == kMiddleOctave ? kMiddle : kLow;
}

// The bass staff's middle line is D4: C4 and D4 still take stems up.
int BassCategory(int octave, char letter) {
    switch (octave) {
        case 2:
        case 3:
            return kMiddle;
        case 4:
            return letter == 'C' || letter == 'D' ? kMiddle : kHigh;
        case 5:
            return kHigh;
        default:
            return kLow;
    }
}
}  // namespace

void StemVote::Add(const Note& note) {
    const int category = CategoryOf(note);
    if (category >= 0) {
        ++m_counts[static_cast<size_t>(category)];
    }
}

bool StemVote::StemsDown() const {
    return m_counts[kHigh] > m_counts[kMiddle] && m_counts[kHigh] > m_counts[kLow];
}

int StemVote::CategoryOf(const Note& note) {
    if (note.IsRest()) {
        return -1;
    }
    switch (note.NoteClefCode()) {
        case NoteBar::TrebleClef:
            return TrebleCategory(note.GetOctave());
        case NoteBar::BassClef:
            return BassCategory(note.GetOctave(), note.GetLetter());
        default:
            return -1;
    }
}
