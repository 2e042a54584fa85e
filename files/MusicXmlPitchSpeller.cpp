#include "files/MusicXmlPitchSpeller.h"

#include "model/Note.h"
#include "model/NoteBar.h"

namespace {
// Our octaves put middle C in octave 5, MusicXML's in octave 4.
constexpr int kOctaveShift = 1;
constexpr int kSemitonesPerOctave = 12;
}  // namespace

MusicXmlPitchSpeller::Spelling MusicXmlPitchSpeller::Spell(const NoteBar& bar, const Note& note) {
    Spelling spelling;
    spelling.step = note.GetLetter();
    spelling.octave = note.GetOctave() - kOctaveShift;
    // The bar already knows what the note sounds; the letter as written
    // leaves the alteration as the difference.
    const int natural = kSemitonesPerOctave * note.GetOctave() + Note::SemitoneOf(note.GetLetter());
    spelling.alter = bar.MidiKeyOf(note) - natural;
    spelling.accidental = AccidentalName(note.GetAccidental());
    return spelling;
}

const char* MusicXmlPitchSpeller::AccidentalName(int accidental) {
    switch (accidental) {
        case Note::Sharp:
            return "sharp";
        case Note::Flat:
            return "flat";
        case Note::Natural:
            return "natural";
        case Note::DoubleSharp:
            return "double-sharp";
        case Note::DoubleFlat:
            return "flat-flat";
        default:
            return nullptr;
    }
}
