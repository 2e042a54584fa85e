#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "files/MusicXmlBeams.h"
#include "files/MusicXmlPitchSpeller.h"
#include "files/MusicXmlRhythm.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/Track.h"

// How single notes are spelled, timed and beamed for MusicXML: the
// alteration a note sounds with against what is written and drawn, the
// note type, dots and triplet brackets, and beams as the score draws them.
namespace {

struct Written {
    int bar;
    int step;
    const char* pitch;  // "F#5", "Ebb4", "Cx5" (double sharp), "En5" (natural), "F5" (none)
    int value;
    bool dotted = false;
    bool triplet = false;
};

int AccidentalOf(const std::string& sign) {
    if (sign == "#")
        return Note::Sharp;
    if (sign == "b")
        return Note::Flat;
    if (sign == "n")
        return Note::Natural;
    if (sign == "x")
        return Note::DoubleSharp;
    if (sign == "bb")
        return Note::DoubleFlat;
    return Note::NoAccidental;
}

Note* Write(Song& song, const Written& w, int slot = 0) {
    const std::string pitch = w.pitch;
    const size_t digits = pitch.find_first_of("0123456789");
    const int accidental = AccidentalOf(pitch.substr(1, digits - 1));
    auto* bar = static_cast<NoteBar*>(song.GetBar(slot, w.bar));
    return bar->InsertNote(w.step, pitch[0], std::stoi(pitch.substr(digits)), accidental, w.value,
                           w.dotted, w.triplet);
}

struct SpellingCase {
    const char* what;
    int key;
    std::vector<Written> notes;  // the last one is spelled
    bool tieIntoLast;            // the note before the last is tied to it
    char step;
    int alter;
    int octave;
    const char* accidental;  // null: none drawn
};

// Names each case by what it checks in test lists.
void PrintTo(const SpellingCase& c, std::ostream* out) {
    *out << c.what;
}

class PitchSpellingTest : public ::testing::TestWithParam<SpellingCase> {};

TEST_P(PitchSpellingTest, SpellsTheLetterAsWrittenWithTheAlterationItSounds) {
    const SpellingCase& c = GetParam();
    Song song("t", "a", 2, 100, {4, 4}, c.key);
    song.AddTrebleTrack();
    Note* last = nullptr;
    Note* before = nullptr;
    for (const Written& w : c.notes) {
        before = last;
        last = Write(song, w);
        ASSERT_NE(last, nullptr) << c.what;
    }
    if (c.tieIntoLast) {
        ASSERT_TRUE(song.GetTrack(0)->AddTie(before)) << c.what;
    }
    const auto& bar = static_cast<const NoteBar&>(*song.GetBar(0, c.notes.back().bar));
    const auto spelling = MusicXmlPitchSpeller::Spell(bar, *last);
    EXPECT_EQ(spelling.step, c.step) << c.what;
    EXPECT_EQ(spelling.alter, c.alter) << c.what;
    EXPECT_EQ(spelling.octave, c.octave) << c.what;
    EXPECT_STREQ(spelling.accidental, c.accidental) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PitchSpellingTest,
    ::testing::Values(
        SpellingCase{
            "middle C is MusicXML's octave 4", 0, {{0, 0, "C5", 4}}, false, 'C', 0, 4, nullptr},
        SpellingCase{"the key's sharp", 2, {{0, 0, "C5", 4}}, false, 'C', 1, 4, nullptr},
        SpellingCase{
            "the key's flat, any octave", -3, {{0, 0, "A3", 4}}, false, 'A', -1, 2, nullptr},
        SpellingCase{
            "a natural against the key", -3, {{0, 0, "En5", 4}}, false, 'E', 0, 4, "natural"},
        SpellingCase{"a sharp carried through the bar",
                     0,
                     {{0, 0, "F#5", 4}, {0, 24, "G5", 4}, {0, 48, "F5", 4}},
                     false,
                     'F',
                     1,
                     4,
                     nullptr},
        SpellingCase{"a sharp holds only in its octave",
                     0,
                     {{0, 0, "F#5", 4}, {0, 24, "F4", 4}},
                     false,
                     'F',
                     0,
                     3,
                     nullptr},
        SpellingCase{"the next bar starts from the key again",
                     0,
                     {{0, 0, "F#5", 4}, {1, 0, "F5", 4}},
                     false,
                     'F',
                     0,
                     4,
                     nullptr},
        SpellingCase{"a natural cancels a carried flat",
                     0,
                     {{0, 0, "Bb4", 4}, {0, 24, "Bn4", 4}, {0, 48, "B4", 4}},
                     false,
                     'B',
                     0,
                     3,
                     nullptr},
        SpellingCase{"a tie carries a sharp over the bar line",
                     0,
                     {{0, 0, "C5", 4}, {0, 72, "F#5", 4}, {1, 0, "F#5", 4}},
                     true,
                     'F',
                     1,
                     4,
                     nullptr},
        SpellingCase{"double sharp", 0, {{0, 0, "Cx5", 4}}, false, 'C', 2, 4, "double-sharp"},
        SpellingCase{
            "double flat in a flat key", -2, {{0, 0, "Ebb5", 4}}, false, 'E', -2, 4, "flat-flat"},
        SpellingCase{"a written sharp the key already gives is still drawn",
                     1,
                     {{0, 0, "F#5", 4}},
                     false,
                     'F',
                     1,
                     4,
                     "sharp"}));

struct RhythmCase {
    const char* what;
    int numerator;
    std::vector<Written> notes;
    int step;  // the chord whose rhythm is asked
    int duration;
    const char* type;
    int dots;
    bool measureRest;
    bool triplet;
    bool tupletStart;
    bool tupletStop;
};

// Names each case by what it checks in test lists.
void PrintTo(const RhythmCase& c, std::ostream* out) {
    *out << c.what;
}

class RhythmTest : public ::testing::TestWithParam<RhythmCase> {};

TEST_P(RhythmTest, GivesDurationTypeDotsAndTripletMarks) {
    const RhythmCase& c = GetParam();
    Song song("t", "a", 1, 100, {c.numerator, 4}, 0);
    song.AddTrebleTrack();
    for (const Written& w : c.notes) {
        ASSERT_NE(Write(song, w), nullptr) << c.what;
    }
    const auto& bar = static_cast<const NoteBar&>(*song.GetBar(0, 0));
    ASSERT_NE(bar.GetChordAt(c.step), nullptr) << c.what;
    const auto rhythm = MusicXmlRhythm::Of(bar, *bar.GetChordAt(c.step));
    EXPECT_EQ(rhythm.duration, c.duration) << c.what;
    EXPECT_STREQ(rhythm.type, c.type) << c.what;
    EXPECT_EQ(rhythm.dots, c.dots) << c.what;
    EXPECT_EQ(rhythm.measureRest, c.measureRest) << c.what;
    EXPECT_EQ(rhythm.triplet, c.triplet) << c.what;
    EXPECT_EQ(rhythm.tupletStart, c.tupletStart) << c.what;
    EXPECT_EQ(rhythm.tupletStop, c.tupletStop) << c.what;
}

const std::vector<Written> kEighthTriplet = {
    {0, 0, "C5", 8, false, true}, {0, 8, "D5", 8, false, true}, {0, 16, "E5", 8, false, true}};

INSTANTIATE_TEST_SUITE_P(
    Rules, RhythmTest,
    ::testing::Values(
        RhythmCase{"an empty 3/4 bar is a measure rest of 72",
                   3,
                   {},
                   0,
                   72,
                   nullptr,
                   0,
                   true,
                   false,
                   false,
                   false},
        RhythmCase{"dotted quarter",
                   4,
                   {{0, 0, "C5", 4, true}},
                   0,
                   36,
                   "quarter",
                   1,
                   false,
                   false,
                   false,
                   false},
        RhythmCase{"the rest after a dotted quarter",
                   4,
                   {{0, 0, "C5", 4, true}},
                   36,
                   12,
                   "eighth",
                   0,
                   false,
                   false,
                   false,
                   false},
        RhythmCase{"sixteenth", 4, {{0, 0, "C5", 16}}, 0, 6, "16th", 0, false, false, false, false},
        RhythmCase{"triplet opens its bracket", 4, kEighthTriplet, 0, 8, "eighth", 0, false, true,
                   true, false},
        RhythmCase{"triplet middle", 4, kEighthTriplet, 8, 8, "eighth", 0, false, true, false,
                   false},
        RhythmCase{"triplet closes its bracket", 4, kEighthTriplet, 16, 8, "eighth", 0, false, true,
                   false, true},
        RhythmCase{"a triplet's rest member closes it",
                   4,
                   {{0, 0, "C5", 4, false, true}},
                   32,
                   16,
                   "quarter",
                   0,
                   false,
                   true,
                   false,
                   true},
        RhythmCase{"half-note triplet",
                   4,
                   {{0, 0, "C5", 2, false, true}},
                   0,
                   32,
                   "half",
                   0,
                   false,
                   true,
                   true,
                   false}));

// Beams of the chords of one 4/4 bar, one string per chord ("" when unbeamed).
std::vector<std::string> BeamsOf(const std::vector<Written>& notes) {
    Song song("t", "a", 1, 100, {4, 4}, 0);
    song.AddTrebleTrack();
    for (const Written& w : notes) {
        EXPECT_NE(Write(song, w), nullptr) << w.step;
    }
    const auto& bar = static_cast<const NoteBar&>(*song.GetBar(0, 0));
    const MusicXmlBeams beams(bar);
    std::vector<std::string> out;
    for (const NoteChord* chord = bar.FirstChord(); chord != nullptr;
         chord = bar.ChordAfter(*chord)) {
        std::string levels;
        for (const std::string& level : beams.At(*chord)) {
            levels += (levels.empty() ? "" : "/") + level;
        }
        out.push_back(levels);
    }
    return out;
}

TEST(MusicXmlBeamsTest, FollowTheBeatsAndLevelsTheScoreDraws) {
    // Beat 1: eighth and two sixteenths; beat 2: dotted eighth and sixteenth;
    // beat 3: sixteenth and dotted eighth; beat 4: a quarter alone.
    EXPECT_EQ(BeamsOf({{0, 0, "C5", 8},
                       {0, 12, "D5", 16},
                       {0, 18, "E5", 16},
                       {0, 24, "F5", 8, true},
                       {0, 42, "G5", 16},
                       {0, 48, "A5", 16},
                       {0, 54, "B5", 8, true},
                       {0, 72, "C6", 4}}),
              (std::vector<std::string>{"begin", "continue/begin", "end/end", "begin",
                                        "end/backward hook", "begin/forward hook", "end", ""}));
}

TEST(MusicXmlBeamsTest, StemsPointAsTheScoreDrawsThem) {
    Song song("t", "a", 1, 100, {4, 4}, 0);
    song.AddTrebleTrack();
    // High eighths beamed with a low one, a high quarter, a low triplet.
    for (const Written& w : std::vector<Written>{{0, 0, "A6", 8},
                                                 {0, 12, "C5", 8},
                                                 {0, 24, "B6", 4},
                                                 {0, 48, "G4", 8, false, true},
                                                 {0, 56, "F6", 8, false, true},
                                                 {0, 72, "D5", 4}}) {
        ASSERT_NE(Write(song, w), nullptr) << w.step;
    }
    const auto& bar = static_cast<const NoteBar&>(*song.GetBar(0, 0));
    const MusicXmlBeams beams(bar);
    int down = 0;
    for (const NoteChord* chord = bar.FirstChord(); chord != nullptr;
         chord = bar.ChordAfter(*chord)) {
        EXPECT_EQ(beams.StemsDown(*chord), bar.StemsDownAt(*chord)) << chord->GetStep();
        down += beams.StemsDown(*chord) ? 1 : 0;
    }
    EXPECT_GT(down, 0);
    EXPECT_LT(down, 6);
}

TEST(MusicXmlBeamsTest, NeverCrossABeatARestOrATripletGroup) {
    // Eighths split by beats; an eighth beside a rest stays alone; a triplet
    // group is beamed on its own.
    EXPECT_EQ(BeamsOf({{0, 0, "C5", 8},
                       {0, 12, "D5", 8},
                       {0, 24, "E5", 8},
                       {0, 48, "C5", 8, false, true},
                       {0, 56, "D5", 8, false, true},
                       {0, 64, "E5", 8, false, true},
                       {0, 72, "F5", 8},
                       {0, 84, "G5", 8}}),
              (std::vector<std::string>{"begin", "end", "", "", "begin", "continue", "end", "begin",
                                        "end"}));
}

}  // namespace
