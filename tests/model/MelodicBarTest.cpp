#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;

namespace {

class MelodicBarTest : public EngineReset {};

// --- key functions ---

TEST_F(MelodicBarTest, KeyTablesAgreeWithEachOther) {
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
        EXPECT_EQ(Bar::TonicOfKey(Bar::KeyOfTonic(pitchClass)), pitchClass) << pitchClass;
    }
    for (int key = -6; key <= 6; ++key) {
        // The tonic's letter, altered as the key writes it, is the tonic.
        const char letter = Note::LetterOfRank(Bar::TonicLetterOfKey(key));
        const int tonic =
            Note::SemitoneOf(letter) + Note::AlterationOf(Bar::KeyAccidentalFor(key, letter));
        EXPECT_EQ((tonic + 12) % 12, Bar::TonicOfKey(key)) << key;
    }
    EXPECT_EQ(Bar::KeyOfTonic(6), 6) << "F sharp, not G flat";
    EXPECT_EQ(Bar::KeyOfTonic(1), -5) << "D flat, not C sharp";
    EXPECT_EQ(Bar::TonicOfKey(7), 0);
    EXPECT_EQ(Bar::TonicLetterOfKey(-7), 0);
    EXPECT_EQ(Bar::KeyOfTonic(12), 0);
}

TEST_F(MelodicBarTest, KeySignaturesAlterTheirLettersInOrder) {
    EXPECT_EQ(Bar::KeyAccidentalFor(2, 'F'), Note::Sharp);
    EXPECT_EQ(Bar::KeyAccidentalFor(2, 'C'), Note::Sharp);
    EXPECT_EQ(Bar::KeyAccidentalFor(2, 'G'), Note::NoAccidental);
    EXPECT_EQ(Bar::KeyAccidentalFor(-3, 'A'), Note::Flat);
    EXPECT_EQ(Bar::KeyAccidentalFor(-3, 'D'), Note::NoAccidental);
    EXPECT_EQ(Bar::KeyAccidentalFor(6, 'E'), Note::Sharp);
    EXPECT_EQ(Bar::KeyAccidentalFor(-6, 'C'), Note::Flat);
    EXPECT_EQ(Bar::KeyAccidentalFor(7, 'F'), Note::NoAccidental) << "no such key";
    EXPECT_EQ(Bar::KeyAccidentalFor(2, 'X'), Note::Sharp) << "an unknown letter counts as C";
}

// --- key numbers ---

TEST_F(MelodicBarTest, AWrittenAccidentalHoldsForItsLetterAndOctaveToTheBarsEnd) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "F#5", 4);
    Note* same = Put(bar, 24, "F5", 4);
    Note* lower = Put(bar, 24, "F4", 4);
    Note* natural = Put(bar, 48, "Fn5", 4);
    Note* after = Put(bar, 72, "F5", 4);
    EXPECT_EQ(At(bar, 0)->MidiKeyOf(), 66);
    EXPECT_EQ(same->MidiKeyOf(), 66);
    EXPECT_EQ(lower->MidiKeyOf(), 53);
    EXPECT_EQ(natural->MidiKeyOf(), 65);
    EXPECT_EQ(after->MidiKeyOf(), 65);
    EXPECT_EQ(Put(Treble(*song, 1), 0, "F5", 4)->MidiKeyOf(), 65);
    EXPECT_EQ(bar.MidiKeyOf(*Treble(*song, 2).GetChordAt(0)->First()), -1) << "a rest";
}

TEST_F(MelodicBarTest, TheKeySignatureAltersEveryOctaveAndEachBarStartsFromIt) {
    auto song = MakeSong(4, 4, 4, 1);
    MelodicBar& bar = Treble(*song);
    Note* high = Put(bar, 0, "F5", 4);
    Note* low = Put(bar, 0, "F4", 4);
    Put(bar, 24, "Fn5", 4);
    EXPECT_EQ(high->MidiKeyOf(), 66);
    EXPECT_EQ(low->MidiKeyOf(), 54);
    EXPECT_EQ(Put(Treble(*song, 1), 0, "F5", 4)->MidiKeyOf(), 66);

    auto flats = MakeSong(4, 4, 4, -2);
    EXPECT_EQ(Put(Treble(*flats), 0, "E5", 4)->MidiKeyOf(), 63);
    Note* doubleSharp = Treble(*flats).InsertNote(24, 'B', 4, Note::DoubleSharp, 4, false, false);
    EXPECT_EQ(doubleSharp->MidiKeyOf(), 59 + 2);
}

// --- pitch from a point ---

TEST_F(MelodicBarTest, PitchFromAPointFollowsTheStaffPositions) {
    auto song = MakeSong(4, 4);
    const MelodicBar& treble = Treble(*song);
    const MelodicBar& bass = BassBar(*song);
    const Box t = treble.GetBox();
    const Box b = bass.GetBox();
    const int x = t.x + 100;

    const NoteBar::Pitch g4 = treble.PitchAt(x, t.y + 175, Pencil());
    EXPECT_EQ(g4.letter, 'G');
    EXPECT_EQ(g4.octave, 4);
    EXPECT_FALSE(g4.outside);
    const NoteBar::Pitch b5 = treble.PitchAt(x, t.y + 85, Pencil());
    EXPECT_EQ(std::string{b5.letter} + std::to_string(b5.octave), "B5") << "the middle line";
    const NoteBar::Pitch c7 = treble.PitchAt(x, t.y + 1, Pencil());
    EXPECT_EQ(std::string{c7.letter} + std::to_string(c7.octave), "C7");
    EXPECT_FALSE(c7.outside);
    // Just under position 0 still rounds towards it.
    EXPECT_FALSE(treble.PitchAt(x, t.y + 185, Pencil()).outside);

    const NoteBar::Pitch bottomBass = bass.PitchAt(b.x + 100, b.y + 175, Pencil());
    EXPECT_EQ(std::string{bottomBass.letter} + std::to_string(bottomBass.octave), "B2");
    const NoteBar::Pitch topBass = bass.PitchAt(b.x + 100, b.y + 5, Pencil());
    EXPECT_EQ(std::string{topBass.letter} + std::to_string(topBass.octave), "E5");
}

TEST_F(MelodicBarTest, APointOffTheStaffTakesTheNearerEndAndSaysSo) {
    auto song = MakeSong(4, 4);
    const MelodicBar& treble = Treble(*song);
    const Box t = treble.GetBox();
    const NoteBar::Pitch above = treble.PitchAt(t.x + 100, t.y - 40, Pencil());
    EXPECT_TRUE(above.outside);
    EXPECT_EQ(std::string{above.letter} + std::to_string(above.octave), "C7");
    const NoteBar::Pitch below = treble.PitchAt(t.x + 100, t.y + 230, Pencil());
    EXPECT_TRUE(below.outside);
    EXPECT_EQ(std::string{below.letter} + std::to_string(below.octave), "G4");
    // Left of the bar, at the height of position 3: nearer position 0.
    const NoteBar::Pitch left = treble.PitchAt(t.x - 1, t.y + 140, Pencil());
    EXPECT_TRUE(left.outside);
    EXPECT_EQ(left.letter, 'G');
    // Half-way between the two ends goes to the top.
    EXPECT_EQ(treble.PitchAt(t.x - 1, t.y + 85, Pencil()).letter, 'C');
}

TEST_F(MelodicBarTest, PitchCarriesTheToolsAccidentalOrASharpForDoubles) {
    auto song = MakeSong(4, 4);
    const MelodicBar& treble = Treble(*song);
    const Box t = treble.GetBox();
    ToolsManager& tools = ToolsManager::Instance();
    for (auto [chosen, expected] : {std::pair{Note::Flat, Note::Flat},
                                    {Note::Natural, Note::Natural},
                                    {Note::NoAccidental, Note::NoAccidental},
                                    {Note::DoubleSharp, Note::Sharp},
                                    {Note::DoubleFlat, Note::Sharp}}) {
        tools.SetAccidental(chosen);
        EXPECT_EQ(treble.PitchAt(t.x + 10, t.y + 100, Pencil()).accidental, expected) << chosen;
    }
}

// --- where notes are drawn ---

TEST_F(MelodicBarTest, NotesStandAtTheirStepAndWholeBarRestsInTheMiddle) {
    auto song = MakeSong(3, 4);
    MelodicBar& bar = Treble(*song);
    const Box box = bar.GetBox();
    EXPECT_EQ(bar.PlaceNote(*At(bar, 0)).x, box.x + box.width / 2);
    Put(bar, 0, "C5", 4);
    EXPECT_EQ(bar.PlaceNote(*At(bar, 0)).x, box.x + 40);
    // 24 x 340 / 72 = 113.3, cut to 113.
    EXPECT_EQ(bar.PlaceNote(*At(bar, 24)).x, box.x + 40 + 113);
    EXPECT_EQ(At(bar, 24)->GetBox(), NoteBar::HeadBox(bar.PlaceNote(*At(bar, 24)), true))
        << "the stored head box follows the placement";
}

TEST_F(MelodicBarTest, NoteHeightsAndLedgerLinesFollowTheStaffPosition) {
    auto song = MakeSong(4, 4);
    MelodicBar& treble = Treble(*song);
    const int top = treble.GetBox().y;
    struct Case {
        const char* pitch;
        int y;
        bool onLine;
        int below;
        int above;
    };
    const Case cases[] = {
        {"E5", top + 120, true, 0, 0},  // bottom line
        {"F6", top + 40, true, 0, 0},   // top line
        {"D5", top + 130, false, 0, 0}, {"C5", top + 140, true, 1, 0},
        {"G4", top + 170, false, 2, 0}, {"F4", top + 180, true, 3, 0},
        {"G6", top + 30, false, 0, 0},  {"A6", top + 20, true, 0, 1},
        {"C7", top + 0, true, 0, 2},
    };
    int step = 0;
    Put(treble, 0, "S", 16);
    for (const Case& c : cases) {
        Note* note = Put(treble, step, c.pitch, 16);
        ASSERT_NE(note, nullptr) << c.pitch;
        const NoteBar::Placement p = treble.PlaceNote(*note);
        EXPECT_EQ(p.y, c.y) << c.pitch;
        EXPECT_EQ(p.onLine, c.onLine) << c.pitch;
        EXPECT_EQ(p.ledgerBelow, c.below) << c.pitch;
        EXPECT_EQ(p.ledgerAbove, c.above) << c.pitch;
        EXPECT_EQ(p.ledgerWidth, c.below + c.above > 0 ? 34 : 0) << c.pitch;
        step += 6;
    }
    MelodicBar& bass = BassBar(*song);
    Note* g3 = Put(bass, 0, "G3", 1);
    EXPECT_EQ(bass.PlaceNote(*g3).y, bass.GetBox().y + 120) << "the bass staff's bottom line";
    Note* c5 = Put(bass, 0, "C5", 1);
    const NoteBar::Placement whole = bass.PlaceNote(*c5);
    EXPECT_EQ(whole.ledgerAbove, 1);
    EXPECT_EQ(whole.ledgerWidth, 44) << "a whole-bar note has wider ledger lines";
}

TEST_F(MelodicBarTest, RestsHangFromTheirReferenceLine) {
    auto song = MakeSong(3, 4);
    MelodicBar& bar = Treble(*song);
    const int top = bar.GetBox().y;
    EXPECT_EQ(bar.PlaceNote(*At(bar, 0)).y, top + 80) << "a whole-bar rest, even of 72 steps";
    Put(bar, 0, "S", 2, true);
    ASSERT_EQ(GridText(bar), "0:S./72");
    EXPECT_EQ(bar.PlaceNote(*At(bar, 0)).y, top + 81) << "a dotted half rest";
    auto common = MakeSong(4, 4);
    MelodicBar& four = Treble(*common);
    Put(four, 0, "S", 2);
    EXPECT_EQ(four.PlaceNote(*At(four, 0)).y, four.GetBox().y + 81);
    Put(four, 48, "S", 4);
    EXPECT_EQ(four.PlaceNote(*At(four, 48)).y, four.GetBox().y + 80);
    EXPECT_FALSE(four.PlaceNote(*At(four, 48)).onLine);
}

// --- change of key ---

TEST_F(MelodicBarTest, AKeyChangeMovesNotesByTheTonicsLetterDistance) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "F#5", 4);
    Put(bar, 24, "E5", 4);
    Put(bar, 48, "Bb4", 4);
    ASSERT_TRUE(bar.ChangeKey(2, true));
    EXPECT_EQ(GridText(bar), "0:G5#/24 24:F5/24 48:C5n/24 72:S/24");
    song->SetKeySignature(2);
    EXPECT_EQ(At(bar, 24)->MidiKeyOf(), 66) << "the new key sharpens the unmarked F";
    EXPECT_EQ(At(bar, 48)->MidiKeyOf(), 60) << "B flat becomes a C natural against C sharp";
}

TEST_F(MelodicBarTest, TheDirectionChoosesTheWayRound) {
    auto down = MakeSong(4, 4);
    Put(Treble(*down), 0, "C5", 4);
    ASSERT_TRUE(Treble(*down).ChangeKey(1, false));
    EXPECT_EQ(NoteText(*At(Treble(*down), 0)), "G4");

    auto up = MakeSong(4, 4);
    Put(Treble(*up), 0, "C5", 4);
    ASSERT_TRUE(Treble(*up).ChangeKey(1, true));
    EXPECT_EQ(NoteText(*At(Treble(*up), 0)), "G5");

    auto same = MakeSong(4, 4, 4, 3);
    Treble(*same).InsertNote(0, 'D', 5, Note::DoubleSharp, 4, false, false);
    ASSERT_TRUE(Treble(*same).ChangeKey(3, false));
    EXPECT_EQ(NoteText(*At(Treble(*same), 0)), "D5x") << "the same key moves nothing";
}

TEST_F(MelodicBarTest, AKeyChangeNeedingMoreThanADoubleAccidentalChangesNothing) {
    auto song = MakeSong(4, 4, 4, -1);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    bar.InsertNote(24, 'B', 5, Note::DoubleSharp, 4, false, false);
    // B is flat in F major, so the double sharp raises it three semitones
    // above the key; C major's F cannot be raised that far.
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.ChangeKey(0, true); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.ChangeKey(7, true); }));
    // G flat major flattens C, so there a double sharp reaches it.
    ASSERT_TRUE(bar.ChangeKey(-6, true));
    EXPECT_EQ(NoteText(*At(bar, 24)), "C6x");
    EXPECT_TRUE(Drums(*song).ChangeKey(3, true)) << "drums ignore keys";
}

// --- shifting and transposing ---

TEST_F(MelodicBarTest, ShiftingMovesByLettersAndKeepsOctavesInRange) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "A4", 4);
    bar.InsertNote(24, 'B', 10, Note::NoAccidental, 4, false, false);
    Put(bar, 48, "G#5", 4);
    bar.ShiftSteps(2);
    EXPECT_EQ(GridText(bar), "0:C5/24 24:D10/24 48:B5#/24 72:S/24");
    bar.ShiftSteps(-9);
    EXPECT_EQ(GridText(bar), "0:A3/24 24:B8/24 48:G4#/24 72:S/24");
    bar.ShiftSteps(-40);
    EXPECT_EQ(NoteText(*At(bar, 0)), "C0") << "octave 0 is the floor";
    EXPECT_EQ(At(bar, 0)->GetBox(), NoteBar::HeadBox(bar.PlaceNote(*At(bar, 0)), false));
}

TEST_F(MelodicBarTest, TransposingSpellsWithSharpsAndAlwaysWritesTheAccidental) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "E5", 4);
    Put(bar, 24, "B5", 4);
    Put(bar, 48, "C5", 4);
    Put(bar, 72, "Bb4", 4);
    bar.TransposeSemitones(2, 0, 71);
    EXPECT_EQ(GridText(bar), "0:F5#/24 24:C6#/24 48:D5n/24 72:B4b/24") << "72 lies outside";
    bar.TransposeSemitones(-1, 72, 200);
    EXPECT_EQ(NoteText(*At(bar, 72)), "A4n");
}

TEST_F(MelodicBarTest, NotesTransposedBelowTheLowestKeyFallSilent) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    bar.InsertNote(0, 'C', 0, Note::NoAccidental, 4, false, false);
    bar.InsertNote(24, 'C', 0, Note::NoAccidental, 4, false, false);
    Put(bar, 24, "E5", 4);
    ASSERT_TRUE(bar.AddMark(0, 5));
    bar.TransposeSemitones(-1, 0, 95);
    EXPECT_EQ(GridText(bar), "0:S/24 24:D5#/24 48:S/24 72:S/24");
    EXPECT_EQ(MarksText(bar), "") << "the silent chord is a rest and keeps no mark";
    EXPECT_EQ(GridViolation(bar), "");
}

}  // namespace
