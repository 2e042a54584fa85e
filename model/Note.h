#pragma once

#include <atomic>
#include <memory>
#include <string_view>

#include "model/Archive.h"
#include "model/Color.h"
#include "model/SelObject.h"

class DeviceContext;
class NoteBar;
class NoteChord;

// One written note or rest (letter 'S') of a melodic or percussion bar. Its
// parent is the NoteChord holding it. Lengths are in steps, 96 to a whole note.
class Note : public SelObject {
public:
    enum Accidental {
        Sharp = 0,
        Flat = 1,
        Natural = 2,
        NoAccidental = 3,
        DoubleSharp = 4,
        DoubleFlat = 5
    };
    enum TieMode { NotTied = 0, TieStart = 1, TieMiddle = 2, TieEnd = 3 };
    static constexpr char kRestLetter = 'S';

    Note(NoteChord* chord, int step, char letter, int octave, int value, int accidental,
         bool dotted, int clef, bool triplet, int tripletLength);
    // The copy is not highlighted.
    Note(const Note& other);
    Note& operator=(const Note&) = delete;

    const char* GetClassName() const override { return "Note"; }
    std::unique_ptr<SelObject> Clone() const override;
    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override;
    // The note alone, without a stem: stems belong to chords and groups.
    void Draw(DeviceContext& dc) override;
    // Draws the rest or head where the bar places it, in the colour of its
    // state, with its dot, accidental and ledger lines. With the stem (on the
    // right going up, on the left going down) come the flag, when asked for,
    // and the accent of the note's step unless noAccent. Symbols use the
    // current font and lines the current pen: the score font and the black
    // pen, which the caller selects once for many notes.
    void Draw(DeviceContext& dc, bool withStem, int stemLength, bool stemDown, bool withFlag,
              bool noAccent);
    // The written symbol: 0 whole, 1 half, 2 quarter, 3 eighth, 4 sixteenth,
    // 5 thirty-second; a whole-bar rest without a dot is a whole rest.
    int SymbolIndex(int barSteps) const;

    // Length from a written value: 96 / value (64 / value in a triplet), a
    // whole rest lasting the bar, plus half when dotted.
    void SetLength(int value, bool triplet);

    // Storing appends a bar element with the note's attributes; reading takes
    // them from the current bar element ("pitch" must be there). The bar
    // checks that what was read fits it.
    void Serialize(Archive& archive);
    // The written value 96 / length (64 / length in a triplet); with round,
    // raised to the next of 1, 2, 4, 8, 16, 32. Above 32 unchanged.
    double GetTimeValue(bool round) const;
    void MakeRest();
    bool IsRest() const { return m_letter == kRestLetter; }
    bool IsWholeBarRest() const;

    int GetStep() const { return m_step; }
    void SetStep(int step) { m_step = step; }
    int GetEndStep() const { return m_step + m_length - 1; }
    int GetLength() const { return m_length; }
    void SetLengthRaw(int length) { m_length = length; }

    char GetLetter() const { return m_letter; }
    int GetOctave() const { return m_octave; }
    void SetPitch(int octave, char letter);
    bool IsSamePitch(const Note& other) const;

    int GetAccidental() const { return m_accidental; }
    // Also hands the note's area to the editing state for repainting.
    void SetAccidental(int accidental);
    // Without repainting, for readers and bar-internal rewrites.
    void SetAccidentalRaw(int accidental) { m_accidental = accidental; }

    int GetTieMode() const { return m_tieMode; }
    void SetTieMode(int mode) { m_tieMode = mode; }
    bool IsTied() const { return m_tieMode != NotTied; }
    bool IsTieStart() const { return m_tieMode == TieStart; }
    bool IsTieMiddle() const { return m_tieMode == TieMiddle; }
    bool IsTieEnd() const { return m_tieMode == TieEnd; }

    bool IsTriplet() const { return m_triplet; }
    void SetTriplet(bool triplet) { m_triplet = triplet; }
    int GetTripletLength() const { return m_tripletLength; }
    void SetTripletLength(int length) { m_tripletLength = length; }

    bool IsDotted() const { return m_dotted; }
    void SetDotted(bool dotted) { m_dotted = dotted; }
    int NoteClefCode() const { return m_clef; }
    void SetClef(int clef) { m_clef = clef; }

    const Box& GetBox() const { return m_box; }
    void SetBox(const Box& box) { m_box = box; }

    // Set by playback on its own thread while the view reads it.
    void SetHighlighted(bool on) { m_highlighted.store(on, std::memory_order_relaxed); }
    bool IsHighlighted() const { return m_highlighted.load(std::memory_order_relaxed); }

    NoteChord* GetChord() const;
    // The note bar holding the note's chord, or null.
    const NoteBar* GetNoteBar() const;
    // Index of the bar holding the note's chord, or -1 outside a bar.
    int GetBarIndex() const;
    // The key number the note sounds, as its bar works it out; -1 for a rest
    // or a note outside a note bar.
    int MidiKeyOf() const;

    // Semitone of a letter above C (C 0 ... B 11); -1 for anything else.
    static int SemitoneOf(char letter);
    // Diatonic rank of a letter (C 0 ... B 6); -1 for anything else.
    static int RankOf(char letter);
    // The letter of a diatonic rank taken modulo 7.
    static char LetterOfRank(int rank);
    // Semitones a written accidental moves the letter: +1, -1, 0, +2, -2;
    // 0 for NoAccidental, which keeps what is in force.
    static int AlterationOf(int accidental);
    // The accidental that writes an alteration of -2 to +2; NoAccidental
    // for anything else.
    static int AccidentalFor(int alteration);
    static bool IsValidAccidental(int accidental) {
        return accidental >= Sharp && accidental <= DoubleFlat;
    }

private:
    // Black; hovered blue, selected green, playing red, the later winning.
    Color StateColor() const;

    int m_step;
    char m_letter;
    int m_octave;
    int m_length = 0;
    int m_accidental;
    bool m_dotted;
    int m_tieMode = NotTied;
    bool m_triplet;
    int m_tripletLength;
    int m_clef;
    Box m_box;
    std::atomic<bool> m_highlighted{false};
};
