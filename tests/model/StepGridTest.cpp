#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "model/DynamicMark.h"
#include "model/NoteBar.h"
#include "support/NoteBarTestKit.h"
#include "support/RecordingObserver.h"

using namespace notebar_test;

namespace {

class StepGridTest : public EngineReset {};

// --- placement and rest filling ---

TEST_F(StepGridTest, ANewBarIsOneWholeBarRestWhateverTheTimeSignature) {
    for (auto [numerator, denominator, steps] :
         {std::tuple{2, 4, 48}, {3, 4, 72}, {4, 4, 96}, {6, 8, 72}, {2, 2, 96}}) {
        auto song = MakeSong(numerator, denominator);
        const std::string whole = "0:S/" + std::to_string(steps);
        EXPECT_EQ(GridText(Treble(*song)), whole);
        EXPECT_EQ(GridText(BassBar(*song)), whole);
        EXPECT_EQ(GridText(Drums(*song)), whole);
        EXPECT_TRUE(Treble(*song).GetChordAt(0)->IsWholeBarRest());
    }
}

TEST_F(StepGridTest, RestsAroundANoteAreWrittenBeatByBeatWithLongerRestsLast) {
    auto common = MakeSong(4, 4);
    ASSERT_NE(Put(Treble(*common), 0, "C5", 4), nullptr);
    EXPECT_EQ(GridText(Treble(*common)), "0:C5/24 24:S/24 48:S/24 72:S/24")
        << "no half rest across beats";

    auto sixEight = MakeSong(6, 8);
    ASSERT_NE(Put(Treble(*sixEight), 0, "C5", 4), nullptr);
    EXPECT_EQ(GridText(Treble(*sixEight)), "0:C5/24 24:S/12 36:S/24 60:S/12");
    ASSERT_NE(Put(Treble(*sixEight, 1), 0, "C5", 8), nullptr);
    EXPECT_EQ(GridText(Treble(*sixEight, 1)), "0:C5/12 12:S/12 24:S/12 36:S/24 60:S/12");

    auto threeFour = MakeSong(3, 4);
    ASSERT_NE(Put(Treble(*threeFour), 0, "C5", 4, true), nullptr);
    EXPECT_EQ(GridText(Treble(*threeFour)), "0:C5./36 36:S/12 48:S/24");

    auto cut = MakeSong(2, 2);
    ASSERT_NE(Put(Treble(*cut), 0, "C5", 8), nullptr);
    EXPECT_EQ(GridText(Treble(*cut)), "0:C5/12 12:S/12 24:S/24 48:S/48");

    auto twoFour = MakeSong(2, 4);
    ASSERT_NE(Put(Treble(*twoFour), 0, "C5", 16), nullptr);
    EXPECT_EQ(GridText(Treble(*twoFour)), "0:C5/6 6:S/6 12:S/12 24:S/24");
}

TEST_F(StepGridTest, AWholeNoteMustFitTheBarButAWholeRestAlwaysFillsIt) {
    auto song = MakeSong(3, 4);
    MelodicBar& bar = Treble(*song);
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 0, "C5", 1) != nullptr; }));

    ASSERT_NE(Put(bar, 0, "S", 4), nullptr);
    EXPECT_EQ(GridText(bar), "0:S/24 24:S/24 48:S/24");
    ASSERT_NE(Put(bar, 0, "S", 1), nullptr);
    EXPECT_EQ(GridText(bar), "0:S/72");
}

TEST_F(StepGridTest, ANoteNeedsAsManyRestStepsBeforeTheNextNote) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    Put(bar, 48, "E5", 4);
    ASSERT_EQ(GridText(bar), "0:C5/24 24:S/24 48:E5/24 72:S/24");
    EXPECT_EQ(bar.FreeLength(24, false), 24);
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 24, "D5", 2) != nullptr; }));
    ASSERT_NE(Put(bar, 24, "D5", 8, true), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5/24 24:D5./18 42:S/6 48:E5/24 72:S/24");
}

TEST_F(StepGridTest, ANoteJoinsAChordOnlyWithItsLengthAndANewPitch) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    ASSERT_NE(Put(bar, 0, "E5", 4), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5+E5/24 24:S/24 48:S/24 72:S/24");

    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 0, "G5", 8) != nullptr; }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 0, "C5", 4) != nullptr; }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 0, "S", 4) != nullptr; }));
    // Starting a triplet group on a note would put its members inside the note.
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 0, "G5", 8, false, true) != nullptr; }));
}

TEST_F(StepGridTest, InputThatNoBarCanHoldIsRefused) {
    struct Input {
        int step;
        char letter;
        int octave;
        int accidental;
        int value;
        bool dotted;
        bool triplet;
        const char* why;
    };
    constexpr int kNone = Note::NoAccidental;
    const Input inputs[] = {
        {24, 'C', 5, kNone, 3, false, false, "no such value"},
        {24, 'C', 5, kNone, 64, false, false, "shorter than a thirty-second"},
        {24, 'H', 5, kNone, 4, false, false, "no such letter"},
        {24, 'C', 11, kNone, 4, false, false, "above the highest octave"},
        {24, 'C', -1, kNone, 4, false, false, "below the lowest octave"},
        {24, 'C', 5, 6, 4, false, false, "no such accidental"},
        {24, 'C', 5, kNone, 8, true, true, "a dotted triplet"},
        {12, 'C', 5, kNone, 8, false, false, "step 12 lies inside the quarter note"},
        {-1, 'C', 5, kNone, 4, false, false, "before the bar"},
        {96, 'C', 5, kNone, 4, false, false, "after the bar"},
    };
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    for (const Input& in : inputs) {
        EXPECT_TRUE(Refused(*song, 0, [&] {
            return bar.InsertNote(in.step, in.letter, in.octave, in.accidental, in.value, in.dotted,
                                  in.triplet);
        })) << in.why;
    }
}

TEST_F(StepGridTest, ADottedThirtySecondIsRefusedWhereItsRestsCouldNotBeWritten) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    // Four steps leave 20 in the beat, which no set of rests writes exactly.
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 0, "C5", 32, true) != nullptr; }));
    ASSERT_NE(Put(bar, 0, "C5", 32), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5/3 3:S/3 6:S/6 12:S/12 24:S/24 48:S/24 72:S/24");
    EXPECT_EQ(GridViolation(bar), "");
}

TEST_F(StepGridTest, FreeLengthCountsRestsUpToTheNextNoteOrTripletGroup) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    EXPECT_EQ(bar.FreeLength(24, false), 72);
    EXPECT_EQ(bar.FreeLength(0, false), 0) << "a note";
    EXPECT_EQ(bar.FreeLength(10, false), 0) << "inside a chord";
    Put(bar, 48, "S", 8, false, true);
    ASSERT_EQ(GridText(bar), "0:C5/24 24:S/24 48:Stg24/8 56:St/8 64:St/8 72:S/24");
    EXPECT_EQ(bar.FreeLength(24, false), 24) << "stops before the group";
    EXPECT_EQ(bar.FreeLength(56, true), 16) << "inside the group, up to its end";
    EXPECT_EQ(bar.FreeLength(48, false), 0) << "a triplet is never plain free space";
    EXPECT_EQ(bar.FreeLength(72, false), 24);
}

TEST_F(StepGridTest, ThePencilWritesAtTheChordColumnUnderThePoint) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    const Box box = bar.GetBox();
    ToolsManager& tools = ToolsManager::Instance();
    tools.SetNoteValue(8);

    // An empty bar takes the note at its start wherever the point is.
    ASSERT_NE(bar.InsertNoteAt(box.x + 300, box.y + 175, Pencil()), nullptr);
    EXPECT_EQ(GridText(bar), "0:G4/12 12:S/12 24:S/24 48:S/24 72:S/24");

    // Step 24 stands at x = left + 40 + 24 x (width - 40) / 96; its column is
    // the head's width. Position p spans y from top + 170 - 10p up to 10 more;
    // the middle line, position 9, is B5.
    const int x24 = box.x + 40 + 24 * (box.width - 40) / 96;
    tools.SetNoteValue(4);
    ASSERT_NE(bar.InsertNoteAt(x24 + 8, box.y + 85, Pencil()), nullptr);
    EXPECT_EQ(GridText(bar), "0:G4/12 12:S/12 24:B5/24 48:S/24 72:S/24");

    // On a note the chord's own value wins over the tool's.
    tools.SetNoteValue(16);
    ASSERT_NE(bar.InsertNoteAt(box.x + 40, box.y + 125, Pencil()), nullptr);
    EXPECT_EQ(GridText(bar), "0:G4+E5/12 12:S/12 24:B5/24 48:S/24 72:S/24");

    tools.SetInputKind(ToolsManager::RestInput);
    tools.SetNoteValue(8);
    const int x48 = box.x + 40 + 48 * (box.width - 40) / 96;
    ASSERT_NE(bar.InsertNoteAt(x48, box.y + 20, Pencil()), nullptr);
    EXPECT_EQ(GridText(bar), "0:G4+E5/12 12:S/12 24:B5/24 48:S/12 60:S/12 72:S/24");
}

TEST_F(StepGridTest, ThePencilGivesUpOffTheColumnsAndOffTheStaff) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    const Box box = bar.GetBox();
    Put(bar, 0, "C5", 8);
    EXPECT_TRUE(Refused(*song, 0, [&] {
        return bar.InsertNoteAt(box.x + 65, box.y + 100, Pencil());
    })) << "between the columns of steps 0 and 12";
    EXPECT_TRUE(Refused(*song, 0, [&] {
        return bar.InsertNoteAt(box.x + 40, box.y + 195, Pencil());
    })) << "below the lowest editable position";
    EXPECT_TRUE(Refused(*song, 0, [&] {
        return bar.InsertNoteAt(box.x - 5, box.y + 100, Pencil());
    })) << "outside the bar";
}

// --- erasing and merging ---

TEST_F(StepGridTest, ErasingANoteLeavesItsRestAndErasingTheRestMergesTheRestsAfterIt) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 8);
    ASSERT_TRUE(bar.EraseNote(At(bar, 0)));
    EXPECT_EQ(GridText(bar), "0:S/12 12:S/12 24:S/24 48:S/24 72:S/24");
    ASSERT_TRUE(bar.EraseNote(At(bar, 0)));
    EXPECT_EQ(GridText(bar), "0:S/96");
}

TEST_F(StepGridTest, MergedRestsStopAtTheNextNoteAndAreSplitByBeatsAgain) {
    auto song = MakeSong(6, 8);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 8);
    Put(bar, 36, "E5", 4);
    ASSERT_EQ(GridText(bar), "0:C5/12 12:S/12 24:S/12 36:E5/24 60:S/12");
    bar.EraseNote(At(bar, 0));
    bar.EraseNote(At(bar, 0));
    EXPECT_EQ(GridText(bar), "0:S/24 24:S/12 36:E5/24 60:S/12");
    // A rest merges only with the rests after it.
    bar.EraseNote(At(bar, 24));
    EXPECT_EQ(GridText(bar), "0:S/24 24:S/12 36:E5/24 60:S/12");
}

TEST_F(StepGridTest, ErasingOneNoteOfAChordKeepsTheOthersAndTheirMark) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    Put(bar, 0, "E5", 4);
    ASSERT_TRUE(bar.AddMark(0, DynamicMark::FF));
    ASSERT_TRUE(bar.EraseNote(At(bar, 0, 1)));
    EXPECT_EQ(GridText(bar), "0:C5/24 24:S/24 48:S/24 72:S/24");
    EXPECT_EQ(MarksText(bar), "0:6");
    ASSERT_TRUE(bar.EraseNote(At(bar, 0)));
    EXPECT_EQ(MarksText(bar), "") << "a rest keeps no mark";
}

TEST_F(StepGridTest, TheEraserTakesTheNoteUnderThePointAndOnlyNotesOfItsBar) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Note* note = Put(bar, 0, "C5", 4);
    const Box head = note->GetBox();
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.EraseNoteAt(head.x - 30, head.y); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return Treble(*song, 1).EraseNote(note); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.EraseNote(nullptr); }));
    ASSERT_TRUE(bar.EraseNoteAt(head.x + head.width, head.y + head.height));
    EXPECT_EQ(GridText(bar), "0:S/24 24:S/24 48:S/24 72:S/24");
}

TEST_F(StepGridTest, EditsForgetTheSelectionAndHoverTheyWouldLeaveDangling) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Note* note = Put(bar, 0, "C5", 4);
    ToolsManager& tools = ToolsManager::Instance();
    tools.SelectSingle(note);
    bar.HitTest(note->GetBox().x, note->GetBox().y);
    ASSERT_EQ(tools.Hover(), note);
    ASSERT_TRUE(bar.EraseNote(note));
    EXPECT_TRUE(tools.Selection().empty());
    EXPECT_EQ(tools.Hover(), nullptr);

    Put(bar, 0, "D5", 4);
    tools.SelectSingle(&bar);
    bar.ClearContent();
    EXPECT_EQ(tools.Selection().size(), 1u) << "the bar itself survives";
}

TEST_F(StepGridTest, ARestReplacesAChordUntiedAndWithoutItsMark) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    Put(bar, 0, "E5", 4);
    Put(bar, 24, "C5", 4);
    ASSERT_TRUE(song->GetTrack(0)->AddTie(At(bar, 0)));
    ASSERT_TRUE(bar.AddMark(0, DynamicMark::FF));
    ASSERT_EQ(GridText(bar), "0:C5~1+E5/24 24:C5~3/24 48:S/24 72:S/24");

    ASSERT_TRUE(bar.ReplaceWithRest(0));
    EXPECT_EQ(GridText(bar), "0:S/24 24:C5/24 48:S/24 72:S/24") << "the tie leaves with the chord";
    EXPECT_EQ(MarksText(bar), "");
    ASSERT_TRUE(bar.ReplaceWithRest(24));
    ASSERT_TRUE(bar.ReplaceWithRest(0));
    EXPECT_EQ(GridText(bar), "0:S/96") << "a rest merges with the rests after it";
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.ReplaceWithRest(24); }));
}

TEST_F(StepGridTest, FilledRestsReplaceWhatStartsInTheRangeUpToTheBarsEnd) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 8);
    Put(bar, 24, "D5", 2);
    ASSERT_TRUE(bar.AddMark(24, DynamicMark::P));
    bar.FillRests(12, 1000, false);
    EXPECT_EQ(GridText(bar), "0:C5/12 12:S/12 24:S/24 48:S/24 72:S/24");
    EXPECT_EQ(MarksText(bar), "");

    Put(bar, 24, "E5", 8, false, true);
    Put(bar, 32, "F5", 8, false, true);
    bar.FillRests(32, 8, true);
    EXPECT_EQ(GridText(bar), "0:C5/12 12:S/12 24:E5tg24/8 32:St/8 40:St/8 48:S/24 72:S/24")
        << "member by member inside a group";

    const std::string before = GridText(bar);
    for (auto [start, length] : {std::pair{-1, 24}, {96, 24}, {0, 0}}) {
        bar.FillRests(start, length, false);
        EXPECT_EQ(GridText(bar), before) << start << "+" << length;
    }
}

// --- triplets ---

TEST_F(StepGridTest, ATripletStartsAGroupOfThreeWithItsLengthOnTheFirst) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    ASSERT_NE(Put(bar, 0, "C5", 8, false, true), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5tg24/8 8:St/8 16:St/8 24:S/24 48:S/24 72:S/24");
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 24, "C5", 1, false, true) != nullptr; }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 8, "C5", 8) != nullptr; }))
        << "a plain note never lands on a member";
}

TEST_F(StepGridTest, NotesJoinAGroupOnlyWithItsMemberLength) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 8, false, true);
    ASSERT_NE(Put(bar, 8, "D5", 8, false, true), nullptr);
    ASSERT_NE(Put(bar, 0, "E5", 8, false, true), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5tg24+E5tg24/8 8:D5t/8 16:St/8 24:S/24 48:S/24 72:S/24");
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 16, "F5", 16, false, true) != nullptr; }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return Put(bar, 16, "F5", 4, false, true) != nullptr; }));
}

TEST_F(StepGridTest, AQuarterTripletAcrossTheBeatKeepsItsThreeMembers) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "S", 4, false, true);
    ASSERT_EQ(GridText(bar), "0:Stg48/16 16:St/16 32:St/16 48:S/24 72:S/24");
    ASSERT_NE(Put(bar, 0, "C5", 4, false, true), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5tg48/16 16:St/16 32:St/16 48:S/24 72:S/24");
    ASSERT_NE(Put(bar, 16, "D5", 4, false, true), nullptr);
    EXPECT_EQ(GridText(bar), "0:C5tg48/16 16:D5t/16 32:St/16 48:S/24 72:S/24");
}

TEST_F(StepGridTest, AGroupDissolvesOnlyWhenAllItsMembersAreRestsAndOneIsErased) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 8, false, true);
    Put(bar, 16, "E5", 8, false, true);
    bar.EraseNote(At(bar, 8));
    EXPECT_EQ(GridText(bar), "0:C5tg24/8 8:St/8 16:E5t/8 24:S/24 48:S/24 72:S/24");
    bar.EraseNote(At(bar, 0));
    bar.EraseNote(At(bar, 16));
    EXPECT_EQ(GridText(bar), "0:Stg24/8 8:St/8 16:St/8 24:S/24 48:S/24 72:S/24");
    // Erasing a member again, here the last one, dissolves the group.
    bar.EraseNote(At(bar, 16));
    EXPECT_EQ(GridText(bar), "0:S/24 24:S/24 48:S/24 72:S/24");
}

// --- dynamic marks ---

TEST_F(StepGridTest, AStepHoldsOneMarkAndARestNone) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    EXPECT_TRUE(bar.AddMark(0, DynamicMark::P));
    EXPECT_TRUE(bar.AddMarkByName(0, "FFF"));
    EXPECT_EQ(MarksText(bar), "0:7");
    EXPECT_TRUE(bar.HasMark(0, DynamicMark::FFF));
    EXPECT_FALSE(bar.HasMark(0, DynamicMark::P));
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.AddMark(24, DynamicMark::MF); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.AddMark(12, DynamicMark::MF); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.AddMark(0, DynamicMark::kNumCodes); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.AddMarkByName(0, "CRESC"); }));
    EXPECT_TRUE(Refused(*song, 0, [&] { return bar.AddMarkByName(0, "loud"); }));
    bar.RemoveMarks(0);
    EXPECT_EQ(MarksText(bar), "");
}

TEST_F(StepGridTest, MarkNamesFollowTheirCodes) {
    EXPECT_STREQ(DynamicMark::NameOf(DynamicMark::PPP), "PPP");
    EXPECT_STREQ(DynamicMark::NameOf(DynamicMark::Accent), "ACCENT");
    EXPECT_STREQ(DynamicMark::NameOf(DynamicMark::None), "NONE");
    EXPECT_EQ(DynamicMark::NameOf(-1), nullptr);
    EXPECT_EQ(DynamicMark::NameOf(DynamicMark::kNumCodes), nullptr);
    for (int code = DynamicMark::PPP; code <= DynamicMark::Accent; ++code) {
        EXPECT_EQ(DynamicMark::CodeOf(DynamicMark::NameOf(code)), code);
    }
    EXPECT_EQ(DynamicMark::CodeOf("DIM"), -1);
    EXPECT_EQ(DynamicMark::CodeOf("ppp"), -1) << "names compare exactly";
}

// --- lyrics ---

TEST_F(StepGridTest, ShownLyricsStandUnderEveryChord) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    bar.ShowLyrics();
    ASSERT_EQ(LyricsText(bar), "0: 24: 48: 72:");
    const Box head = At(bar, 24)->GetBox();
    EXPECT_EQ(bar.GetLyrics().at(24)->GetBox(),
              (Box{head.x - 10, bar.GetBox().y + 190, head.width + 20, 60}));
    EXPECT_EQ(bar.GetLyrics().at(24)->GetKey(), "lyric");

    PercussionBar& drums = Drums(*song);
    drums.ShowLyrics();
    EXPECT_EQ(drums.GetLyrics().at(0)->GetBox().y, drums.GetBox().y + 110);

    bar.PlaceNotes({1000, 500, 380, 250});
    EXPECT_EQ(bar.GetLyrics().at(24)->GetBox().x, At(bar, 24)->GetBox().x - 10);
    EXPECT_EQ(bar.GetLyrics().at(24)->GetBox().y, 500 + 190);

    bar.HideLyrics();
    EXPECT_FALSE(bar.IsLyricShown());
    EXPECT_TRUE(bar.GetLyrics().empty());
}

TEST_F(StepGridTest, SyllablesSwallowedByALongerNoteJoinTheOneBefore) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C5", 4);
    bar.ShowLyrics();
    const char* syllables[] = {"a", "b", "c", "d"};
    for (int i = 0; i < 4; ++i) {
        bar.GetLyrics().at(24 * i)->SetText(syllables[i]);
    }
    ASSERT_NE(Put(bar, 24, "D5", 2), nullptr);
    EXPECT_EQ(LyricsText(bar), "0:a 24:bc 72:d");

    bar.EraseNote(At(bar, 0));
    bar.EraseNote(At(bar, 0));
    EXPECT_EQ(GridText(bar), "0:S/24 24:D5/48 72:S/24");
    ASSERT_NE(Put(bar, 72, "S", 4), nullptr);
    bar.EraseNote(At(bar, 24));
    bar.EraseNote(At(bar, 0));
    EXPECT_EQ(GridText(bar), "0:S/96");
    EXPECT_EQ(LyricsText(bar), "0:abcd") << "no syllable is lost when the rests merge";
}

TEST_F(StepGridTest, NewLyricsAreEmptyAndObservedLikeTheirBar) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    RecordingObserver view;
    bar.Attach(&view, 10);
    bar.ShowLyrics();
    Put(bar, 0, "C5", 8);
    const LyricText& lyric = *bar.GetLyrics().at(12);
    EXPECT_EQ(lyric.GetText(), "");
    EXPECT_EQ(lyric.ObserversOf(10), std::vector<Observer*>{static_cast<Observer*>(&view)});
    EXPECT_EQ(lyric.GetParent(), &bar);

    bar.GetLyrics().at(0)->SetText("la");
    bar.ClearContent();
    EXPECT_EQ(LyricsText(bar), "0:") << "cleared, but still shown";
}

TEST_F(StepGridTest, ATrackShowsLyricsOnEveryBarAndMakesRoomForThem) {
    auto song = MakeSong(4, 4, 3);
    song->AddAccompanimentTrack();
    Track& treble = *song->GetTrack(1);
    Track& drums = *song->GetTrack(3);
    ASSERT_TRUE(treble.ShowLyrics());
    ASSERT_TRUE(drums.ShowLyrics());
    EXPECT_EQ(treble.GetStaffHeight(), 250);
    EXPECT_EQ(drums.GetStaffHeight(), 170);
    for (int b = 0; b < 3; ++b) {
        EXPECT_TRUE(static_cast<const NoteBar&>(*treble.GetBar(b)).IsLyricShown()) << b;
    }
    EXPECT_TRUE(treble.IsLyricShown());
    EXPECT_FALSE(song->GetTrack(2)->IsLyricShown());
    EXPECT_FALSE(song->GetTrack(0)->ShowLyrics()) << "the accompaniment has no lyrics";
    EXPECT_FALSE(song->GetTrack(0)->IsLyricShown());

    treble.HideLyrics();
    EXPECT_EQ(treble.GetStaffHeight(), 200);
    EXPECT_FALSE(treble.IsLyricShown());
    EXPECT_TRUE(static_cast<const NoteBar&>(*treble.GetBar(2)).GetLyrics().empty());
}

}  // namespace
