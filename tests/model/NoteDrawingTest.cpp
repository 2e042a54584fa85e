#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "model/DrawResources.h"
#include "model/DynamicMark.h"
#include "support/DrawingQueries.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;
using namespace drawing_test;

namespace {

constexpr Color kBlack{0, 0, 0};

class NoteDrawingTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = MakeSong(4, 4);
    }

    // Draws the chord of the note as a bar draws a chord on its own.
    static RecordingDeviceContext DrawChordOf(const Note& note, bool noAccent = false) {
        RecordingDeviceContext dc;
        note.GetChord()->DrawChord(dc, true, noAccent);
        return dc;
    }

    static int MiddleLine(const Bar& bar) { return bar.GetBox().y + bar.GetBox().height / 2 - 20; }

    std::unique_ptr<Song> song;
};

TEST_F(NoteDrawingTest, AQuarterMiddleCStandsOnItsLedgerLineWithAStemUpToTheMiddleLine) {
    MelodicBar& bar = Treble(*song);
    Note* c = Put(bar, 0, "C5", 4);
    const NoteBar::Placement at = bar.PlaceNote(*c);
    const RecordingDeviceContext dc = DrawChordOf(*c);

    const auto heads = dc.TextsEqual("I");
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(Where(heads[0]), (Point{at.x - 10, at.y - 96}));
    EXPECT_EQ(heads[0].font, DrawResources::Instance().scoreFont);

    const auto stems = Stems(dc);
    ASSERT_EQ(stems.size(), 1u);
    EXPECT_EQ(stems[0].to, (Point{at.x + 10, at.y + 3})) << "the stem rises from the head's right";
    EXPECT_EQ(stems[0].from.y, MiddleLine(bar)) << "a low note's stem reaches the middle line";
    EXPECT_EQ(stems[0].from.x, at.x + 10);
    EXPECT_TRUE(Flags(dc).empty()) << "a quarter has no flag";

    const auto ledgers = HorizontalLines(dc);
    ASSERT_EQ(ledgers.size(), 1u) << "middle C has one ledger line";
    const int lineY = bar.GetBox().y + 180 - 10 * (3 + 1) + 5;
    EXPECT_EQ(ledgers[0].from, (Point{at.x - 15, lineY}));
    EXPECT_EQ(ledgers[0].to, (Point{at.x - 15 + at.ledgerWidth, lineY}));
}

TEST_F(NoteDrawingTest, StemsAreSixtyLongUnlessTheyMustReachTheMiddleLine) {
    MelodicBar& bar = Treble(*song);
    Note* e = Put(bar, 0, "E5", 4);  // the bottom line: 60 already passes the middle
    Note* g4 = Put(bar, 24, "G4", 4);
    for (const Note* note : {e, g4}) {
        const NoteBar::Placement at = bar.PlaceNote(*note);
        const auto stems = Stems(DrawChordOf(*note));
        ASSERT_EQ(stems.size(), 1u);
        const int length = stems[0].to.y - stems[0].from.y;
        EXPECT_GE(length, 60);
        EXPECT_LE(stems[0].from.y, MiddleLine(bar));
        EXPECT_EQ(stems[0].to.y, at.y + 3);
    }
    const auto short_ = Stems(DrawChordOf(*e));
    EXPECT_EQ(short_[0].to.y - short_[0].from.y, 60);
}

TEST_F(NoteDrawingTest, HighNotesHangTheirStemFromTheLeftWithADownFlag) {
    MelodicBar& bar = Treble(*song);
    Note* high = Put(bar, 0, "C6", 8);
    const NoteBar::Placement at = bar.PlaceNote(*high);
    const RecordingDeviceContext dc = DrawChordOf(*high);

    const auto stems = Stems(dc);
    ASSERT_EQ(stems.size(), 1u);
    EXPECT_EQ(stems[0].from, (Point{at.x - 10, at.y + 6}));
    const int length = stems[0].to.y - stems[0].from.y;
    EXPECT_GE(length, 60);
    EXPECT_GE(stems[0].to.y, MiddleLine(bar));

    const auto flags = Flags(dc);
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_EQ(flags[0].text, "L");
    EXPECT_EQ(Where(flags[0]), (Point{at.x - 10, at.y - 96 + length}));
}

TEST_F(NoteDrawingTest, FlagsCountTheBeamsAShortNoteWouldHave) {
    MelodicBar& bar = Treble(*song);
    Note* eighth = Put(bar, 0, "D5", 8);
    Note* sixteenth = Put(bar, 24, "D5", 16);
    Note* thirtySecond = Put(bar, 48, "D5", 32);
    Note* highThirtySecond = Put(bar, 72, "D6", 32);
    const std::pair<const Note*, const char*> expected[] = {
        {eighth, "J"}, {sixteenth, "K"}, {thirtySecond, "Q"}, {highThirtySecond, "T"}};
    for (const auto& [note, flag] : expected) {
        const RecordingDeviceContext dc = DrawChordOf(*note);
        const auto flags = Flags(dc);
        ASSERT_EQ(flags.size(), 1u) << flag;
        EXPECT_EQ(flags[0].text, flag);
        EXPECT_EQ(dc.TextsEqual("I").size(), 1u) << "every short note has a black head";
    }
    const NoteBar::Placement at = bar.PlaceNote(*eighth);
    const RecordingDeviceContext dc = DrawChordOf(*eighth);
    const Segment stem = Stems(dc)[0];
    EXPECT_EQ(Where(Flags(dc)[0]), (Point{at.x + 10, stem.from.y - 99}))
        << "an up flag hangs from the top of the stem";
}

TEST_F(NoteDrawingTest, HeadsAndRestsFollowTheWrittenValue) {
    MelodicBar& bar = Treble(*song);
    Note* whole = Put(bar, 0, "D5", 1);
    EXPECT_EQ(DrawChordOf(*whole).TextsEqual("G").size(), 1u);
    EXPECT_TRUE(Stems(DrawChordOf(*whole)).empty()) << "a whole note has no stem";

    MelodicBar& next = Treble(*song, 1);
    Note* half = Put(next, 0, "D5", 2);
    EXPECT_EQ(DrawChordOf(*half).TextsEqual("H").size(), 1u);
    Put(next, 48, "D5", 8);
    const std::pair<int, const char*> rests[] = {{60, "C"}, {72, "B"}};
    for (const auto& [step, glyph] : rests) {
        const Note* rest = At(next, step);
        ASSERT_TRUE(rest->IsRest());
        const RecordingDeviceContext dc = DrawChordOf(*rest);
        const auto drawn = dc.TextsEqual(glyph);
        ASSERT_EQ(drawn.size(), 1u) << glyph;
        const NoteBar::Placement at = next.PlaceNote(*rest);
        EXPECT_EQ(Where(drawn[0]), (Point{at.x - 10, at.y - 96}));
        EXPECT_TRUE(dc.OfKind(Kind::Line).empty()) << "rests have no stem";
    }
}

TEST_F(NoteDrawingTest, AnEmptyBarShowsAWholeRestWhateverTheMeter) {
    auto waltz = MakeSong(3, 4);
    const Note* rest = At(Treble(*waltz, 0), 0);
    const RecordingDeviceContext dc = DrawChordOf(*rest);
    EXPECT_EQ(dc.TextsEqual("@").size(), 1u) << "three beats of rest, yet a whole rest";
    EXPECT_TRUE(dc.TextsEqual("A").empty());
}

TEST_F(NoteDrawingTest, ChordStemsBelongToTheNoteFarthestFromTheTip) {
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    Put(bar, 0, "E5", 4);
    Note* g = Put(bar, 0, "G5", 4);
    const Note* c = At(bar, 0, 0);
    const NoteBar::Placement low = bar.PlaceNote(*c);
    const NoteBar::Placement high = bar.PlaceNote(*g);
    auto stems = Stems(DrawChordOf(*g));
    ASSERT_EQ(stems.size(), 1u) << "one stem for the whole chord";
    EXPECT_EQ(stems[0].to, (Point{low.x + 10, low.y + 3})) << "up: from the lowest head";
    EXPECT_EQ(stems[0].from.y, high.y + 3 - 60) << "sixty beyond the highest head";
    EXPECT_EQ(bar.GetChordAt(0)->GetLowestNote(), c);
    EXPECT_EQ(bar.GetChordAt(0)->GetHighestNote(), g);

    Put(bar, 24, "A5", 4);
    Put(bar, 24, "C6", 4);
    Note* top = Put(bar, 24, "E6", 4);
    const NoteBar::Placement a = bar.PlaceNote(*At(bar, 24, 0));
    const NoteBar::Placement e = bar.PlaceNote(*top);
    stems = Stems(DrawChordOf(*top));
    ASSERT_EQ(stems.size(), 1u);
    EXPECT_EQ(stems[0].from, (Point{e.x - 10, e.y + 6})) << "down: from the highest head";
    EXPECT_EQ(stems[0].to.y, a.y + 6 + 60) << "sixty beyond the lowest head";
}

TEST_F(NoteDrawingTest, StemsGoDownOnlyWhenHighNotesOutvoteTheOthers) {
    MelodicBar& bar = Treble(*song);
    // One high and one middle note tie the vote: the stem stays up.
    Put(bar, 0, "C5", 4);
    Note* c6 = Put(bar, 0, "C6", 4);
    const NoteBar::Placement lowC = bar.PlaceNote(*At(bar, 0, 0));
    const auto tied = Stems(DrawChordOf(*c6));
    ASSERT_EQ(tied.size(), 1u);
    EXPECT_EQ(tied[0].to, (Point{lowC.x + 10, lowC.y + 3}));

    // Bass: the middle line is D4; D4 stems up, E4 down, low octaves up.
    MelodicBar& bass = BassBar(*song);
    const std::pair<const char*, bool> expected[] = {
        {"D4", false}, {"E4", true}, {"C4", false}, {"G2", false}, {"C5", true}};
    int step = 0;
    for (const auto& [pitch, down] : expected) {
        Note* note = Put(bass, step, pitch, 8);
        ASSERT_NE(note, nullptr) << pitch;
        const NoteBar::Placement at = bass.PlaceNote(*note);
        const auto stems = Stems(DrawChordOf(*note));
        ASSERT_EQ(stems.size(), 1u) << pitch;
        EXPECT_EQ(stems[0].from.x, down ? at.x - 10 : at.x + 10) << pitch;
        step += 12;
    }
}

TEST_F(NoteDrawingTest, DrumStemsAlwaysPointUp) {
    PercussionBar& drums = Drums(*song);
    Note* hit = Put(drums, 0, "C5", 8);
    const NoteBar::Placement at = drums.PlaceNote(*hit);
    const RecordingDeviceContext dc = DrawChordOf(*hit);
    const auto stems = Stems(dc);
    ASSERT_EQ(stems.size(), 1u);
    EXPECT_EQ(stems[0].to, (Point{at.x + 10, at.y + 3}));
    EXPECT_EQ(Flags(dc)[0].text, "J");
}

TEST_F(NoteDrawingTest, TheDotSitsInTheSpaceRightOfTheHead) {
    MelodicBar& bar = Treble(*song);
    Note* inSpace = Put(bar, 0, "D5", 4, true);  // below the bottom line
    Note* onLine = Put(bar, 36, "E5", 4, true);  // on the bottom line
    const NoteBar::Placement space = bar.PlaceNote(*inSpace);
    const NoteBar::Placement line = bar.PlaceNote(*onLine);
    ASSERT_FALSE(space.onLine);
    ASSERT_TRUE(line.onLine);
    auto dots = DrawChordOf(*inSpace).TextsEqual("N");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(Where(dots[0]), (Point{space.x - 10 + 26, space.y - 96 + 12}));
    dots = DrawChordOf(*onLine).TextsEqual("N");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(Where(dots[0]), (Point{line.x - 10 + 26, line.y - 96 + 3}))
        << "on a line the dot moves up into the space";

    auto waltz = MakeSong(3, 4);
    Note* fillsBar = Put(Treble(*waltz), 0, "D5", 2, true);
    const NoteBar::Placement wide = Treble(*waltz).PlaceNote(*fillsBar);
    dots = DrawChordOf(*fillsBar).TextsEqual("N");
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(Where(dots[0]).x, wide.x - 10 + 32) << "a note filling the bar has a wider head";
}

TEST_F(NoteDrawingTest, AccidentalsStandLeftOfTheHead) {
    MelodicBar& bar = Treble(*song);
    const std::pair<int, const char*> accidentals[] = {{Note::Sharp, "="},
                                                       {Note::Flat, "?"},
                                                       {Note::Natural, ">"},
                                                       {Note::DoubleSharp, "R"},
                                                       {Note::DoubleFlat, "S"}};
    int step = 0;
    for (const auto& [accidental, glyph] : accidentals) {
        Note* note = bar.InsertNote(step, 'G', 5, accidental, 16, false, false);
        ASSERT_NE(note, nullptr);
        const NoteBar::Placement at = bar.PlaceNote(*note);
        const RecordingDeviceContext dc = DrawChordOf(*note);
        const auto drawn = TextsOf(dc, "=?>RS");
        ASSERT_EQ(drawn.size(), 1u) << glyph;
        EXPECT_EQ(drawn[0].text, glyph);
        EXPECT_EQ(Where(drawn[0]), (Point{at.x - 28, at.y - 96}));
        step += 6;
    }
    Note* plain = bar.InsertNote(step, 'B', 5, Note::NoAccidental, 16, false, false);
    EXPECT_TRUE(TextsOf(DrawChordOf(*plain), "=?>RS").empty());

    Note* drum = Put(Drums(*song), 0, "C5", 4);
    drum->SetAccidentalRaw(Note::Sharp);
    EXPECT_TRUE(TextsOf(DrawChordOf(*drum), "=?>RS").empty()) << "drums have no pitch to alter";
}

TEST_F(NoteDrawingTest, LedgerLinesReachFromTheStaffToTheHead) {
    MelodicBar& bar = Treble(*song);
    const int top = bar.GetBox().y;
    const auto lineY = [top](int position) { return top + 180 - 10 * (position + 1) + 5; };
    struct Case {
        const char* pitch;
        std::vector<int> positions;
    };
    const Case cases[] = {{"A6", {15}},   {"C7", {15, 17}}, {"G6", {}},
                          {"A4", {3, 1}}, {"B4", {3}},      {"D5", {}}};
    int step = 0;
    for (const Case& c : cases) {
        Note* note = Put(bar, step, c.pitch, 16);
        ASSERT_NE(note, nullptr) << c.pitch;
        const NoteBar::Placement at = bar.PlaceNote(*note);
        std::vector<int> drawn;
        for (const Segment& line : HorizontalLines(DrawChordOf(*note))) {
            EXPECT_EQ(line.from.x, at.x - 15) << c.pitch;
            EXPECT_EQ(line.to.x - line.from.x, at.ledgerWidth) << c.pitch;
            drawn.push_back(line.from.y);
        }
        std::vector<int> expected;
        for (int position : c.positions) {
            expected.push_back(lineY(position));
        }
        std::sort(drawn.begin(), drawn.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(drawn, expected) << c.pitch;
        step += 6;
    }
}

TEST_F(NoteDrawingTest, TheHeadShowsHoverSelectionAndPlaybackTheStemStaysBlack) {
    MelodicBar& bar = Treble(*song);
    Note* note = Put(bar, 0, "D5", 8);
    ToolsManager& tools = ToolsManager::Instance();
    const auto headColour = [&] {
        const RecordingDeviceContext dc = DrawChordOf(*note);
        EXPECT_EQ(Flags(dc).at(0).textColor, kBlack) << "the flag stays black";
        return dc.TextsEqual("I").at(0).textColor;
    };
    EXPECT_EQ(headColour(), kBlack);
    tools.SetHover(note);
    EXPECT_EQ(headColour(), (Color{0, 0, 255}));
    tools.SelectSingle(note);
    tools.SetHover(note);
    EXPECT_EQ(headColour(), (Color{17, 170, 0})) << "selection wins over hover";
    note->SetHighlighted(true);
    EXPECT_EQ(headColour(), (Color{255, 25, 5})) << "playback wins over everything";
    RecordingDeviceContext paper({-100000, -100000, 100000, 100000}, true);
    note->GetChord()->DrawChord(paper, true, false);
    EXPECT_EQ(paper.TextsEqual("I").at(0).textColor, kBlack) << "printed music is black";
    note->SetHighlighted(false);
    tools.ClearSelection(false);
    tools.SetHover(nullptr);
    EXPECT_EQ(headColour(), kBlack);

    Note* whole = Put(Treble(*song, 1), 0, "D#5", 1);
    ASSERT_NE(whole, nullptr);
    tools.SetHover(whole);
    RecordingDeviceContext dc;
    whole->GetChord()->DrawChord(dc, true, false);
    EXPECT_EQ(dc.TextsEqual("=").at(0).textColor, (Color{0, 0, 255}))
        << "a stemless whole note shows its state on its accidental too";
    EXPECT_EQ(dc.calls.back().kind, Kind::Text);
    dc.Text(0, 0, "x");
    EXPECT_EQ(dc.calls.back().textColor, kBlack) << "the colour is black again afterwards";
}

TEST_F(NoteDrawingTest, TheAccentGoesOnTheStemNoteAwayFromTheStem) {
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    Put(bar, 0, "E5", 4);
    ASSERT_TRUE(bar.AddMark(0, DynamicMark::Accent));
    const Note* low = At(bar, 0, 0);
    const NoteBar::Placement at = bar.PlaceNote(*low);
    RecordingDeviceContext dc = DrawChordOf(*low);
    auto accents = dc.TextsEqual("*");
    ASSERT_EQ(accents.size(), 1u) << "one accent per chord";
    EXPECT_EQ(Where(accents[0]), (Point{at.x - 10, at.y - 96 + 60})) << "under the lowest head";
    EXPECT_EQ(accents[0].font, DrawResources::Instance().smallScoreFont);
    EXPECT_EQ(accents[0].textColor, (Color{0, 120, 0}));
    for (const Call& call : dc.OfKind(Kind::Text)) {
        if (call.text != "*") {
            EXPECT_EQ(call.font, DrawResources::Instance().scoreFont) << call.text;
        }
    }
    EXPECT_TRUE(DrawChordOf(*low, true).TextsEqual("*").empty()) << "unless told not to";

    Note* high = Put(bar, 24, "D6", 4);
    ASSERT_TRUE(bar.AddMark(24, DynamicMark::Accent));
    const NoteBar::Placement above = bar.PlaceNote(*high);
    accents = DrawChordOf(*high).TextsEqual("*");
    ASSERT_EQ(accents.size(), 1u);
    EXPECT_EQ(Where(accents[0]), (Point{above.x - 10, above.y - 96 + 10}))
        << "over the head when the stem hangs down";

    RecordingDeviceContext stemless;
    high->GetChord()->DrawChord(stemless, false, false);
    EXPECT_TRUE(stemless.TextsEqual("*").empty()) << "the accent follows the stem";
    EXPECT_TRUE(Stems(stemless).empty());
}

}  // namespace
