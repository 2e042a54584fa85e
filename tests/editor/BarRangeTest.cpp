#include <gtest/gtest.h>

#include "editor/BarBlockCommands.h"
#include "editor/BarClipboard.h"
#include "editor/BarRange.h"
#include "editor/ClearBarsForm.h"
#include "editor/CopyBarForm.h"
#include "editor/DeleteBarsForm.h"
#include "editor/InsertBarsForm.h"
#include "editor/ShiftNotesForm.h"
#include "editor/UndoManager.h"
#include "model/ChordBar.h"
#include "platform/FixedPrompt.h"
#include "support/NoteBarTestKit.h"
#include "support/SongEquality.h"

namespace {

using namespace notebar_test;

class BarRangeTest : public EngineReset {
protected:
    void Start(int bars, Song::TimeSignature ts = {4, 4}) {
        song = MakeSong(ts.numerator, ts.denominator, bars);
        history.Record(*song, "Init", "Init");
        BarClipboard::Instance().Clear();
    }
    void TearDown() override {
        BarClipboard::Instance().Clear();
        EngineReset::TearDown();
    }
    // The only message shown so far.
    static std::string Message(const FixedPrompt& prompt) {
        return prompt.AskedSoFar().size() == 1 ? prompt.AskedSoFar()[0].text : "(none or several)";
    }
    void ExpectBarCountsAgree() {
        for (int t = 0; t < song->GetNumTracks(); ++t) {
            const Track& track = *song->GetTrack(t);
            EXPECT_EQ(track.GetNumBars(), song->GetNumBars());
            ASSERT_EQ(static_cast<int>(track.Bars().size()), song->GetNumBars());
            for (int b = 0; b < song->GetNumBars(); ++b) {
                EXPECT_EQ(track.GetBar(b)->GetIndex(), b);
            }
        }
    }
    void SelectBlock(int firstTrack, int firstBar, int lastTrack, int lastBar) {
        ToolsManager::Instance().SelectRange(song->GetBar(firstTrack, firstBar),
                                             song->GetBar(lastTrack, lastBar));
    }

    std::unique_ptr<Song> song;
    UndoManager history;
    FixedPrompt prompt{Prompt::Ok};
};

// Picks made in a dialog's two bar lists, in order, and the range they leave.
struct RangeCase {
    const char* what;
    std::vector<std::pair<char, int>> picks;  // 'F' the first bar's list, 'L' the last's
    int first;
    int last;
};

const std::vector<RangeCase> kRangeCases = {
    {"nothing picked: both lists on bar 1", {}, 0, 0},
    {"a first bar after the last moves the last", {{'F', 2}}, 2, 2},
    {"a first bar inside the range moves nothing else", {{'L', 3}, {'F', 1}}, 1, 3},
    {"a first bar past a longer range", {{'L', 3}, {'F', 5}}, 5, 5},
    {"a last bar before the first moves the first", {{'F', 4}, {'L', 2}}, 2, 2},
    {"a last bar equal to the first", {{'F', 4}, {'L', 4}}, 4, 4},
    {"a list without a selection drags the other down", {{'F', 2}, {'L', -1}}, -1, -1},
    {"a first bar below bar 1 leaves the last", {{'L', 3}, {'F', -1}}, -1, 3},
    {"no clamping to the song's bars", {{'F', 70}}, 70, 70},
};

template <class Form>
std::pair<int, int> PickBars(Form& form, const RangeCase& range) {
    for (const auto& [list, index] : range.picks) {
        list == 'F' ? form.SetFirstBar(index) : form.SetLastBar(index);
    }
    return {form.FirstBar(), form.LastBar()};
}

TEST(BarRangeRule, FirstAndLastFollowEachOther) {
    for (const RangeCase& range : kRangeCases) {
        BarRange bars;
        for (const auto& [list, index] : range.picks) {
            list == 'F' ? bars.SetFirst(index) : bars.SetLast(index);
        }
        EXPECT_EQ(bars.First(), range.first) << range.what;
        EXPECT_EQ(bars.Last(), range.last) << range.what;
    }
}

TEST(BarRangeRule, FitsOnlyBarsTheSongHas) {
    struct Case {
        const char* what;
        int first;
        int last;
        int numBars;
        bool fits;
    } const cases[] = {
        {"one bar of a one-bar song", 0, 0, 1, true},
        {"a song without bars", 0, 0, 0, false},
        {"up to the song's last bar", 2, 4, 5, true},
        {"one bar beyond the song", 2, 5, 5, false},
        {"starting below bar 1", -1, 3, 5, false},
        {"both lists without a selection", -1, -1, 5, false},
    };
    for (const Case& c : cases) {
        BarRange bars;
        bars.SetLast(c.last);
        bars.SetFirst(c.first);
        ASSERT_EQ(bars.First(), c.first) << c.what;
        EXPECT_EQ(bars.FitsIn(c.numBars), c.fits) << c.what;
    }
}

TEST_F(BarRangeTest, EveryBarRangeDialogFollowsTheSameRule) {
    Start(6);
    for (const RangeCase& range : kRangeCases) {
        const std::pair<int, int> expected{range.first, range.last};
        ClearBarsForm clear(*song);
        EXPECT_EQ(PickBars(clear, range), expected) << "Clear Bars: " << range.what;
        ShiftNotesForm shift(*song);
        EXPECT_EQ(PickBars(shift, range), expected) << "Shift Notes: " << range.what;
        CopyBarForm copy(*song);
        EXPECT_EQ(PickBars(copy, range), expected) << "Copy Bar: " << range.what;
    }
}

TEST_F(BarRangeTest, ShiftingRefusesBarsTheTrackLacks) {
    Start(5);
    Put(Treble(*song, 4), 0, "C5", 4);
    const Song before(*song);
    const RangeCase refused[] = {
        {"both lists without a selection", {{'L', -1}}, -1, -1},
        {"a first bar below bar 1", {{'L', 2}, {'F', -1}}, -1, 2},
        {"a bar after the song's last", {{'F', 5}}, 5, 5},
        {"a range running past the song's end", {{'L', 7}, {'F', 3}}, 3, 7},
    };
    for (const RangeCase& range : refused) {
        ShiftNotesForm form(*song);
        ASSERT_EQ(PickBars(form, range), std::make_pair(range.first, range.last)) << range.what;
        form.SetStepsText("1");
        FixedPrompt refusal(Prompt::Ok);
        EXPECT_FALSE(form.Ok(*song, refusal, history)) << range.what;
        EXPECT_EQ(Message(refusal), "Invalid bar range") << range.what;
    }
    EXPECT_EQ(SongEquality().Difference(before, *song), "");
    EXPECT_EQ(history.CurrentIndex(), 0) << "nothing recorded";

    ShiftNotesForm lastBar(*song);
    lastBar.SetFirstBar(4);
    lastBar.SetStepsText("1");
    ASSERT_TRUE(lastBar.Ok(*song, prompt, history)) << "the song's last bar is in range";
    EXPECT_EQ(NoteText(*At(Treble(*song, 4), 0)), "D5");
}

TEST_F(BarRangeTest, InsertingStopsAtSixtyFourBars) {
    Start(60);
    InsertBarsForm form;
    form.numberText = "5";
    EXPECT_FALSE(form.Ok(*song, prompt, history));
    EXPECT_EQ(Message(prompt),
              "Number of bars limit exceeded\nMaximum number of bars = 64\nNumber of bars you can "
              "insert = 4");
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, "Error");
    EXPECT_EQ(song->GetNumBars(), 60);
    form.numberText = "4";
    EXPECT_TRUE(form.Ok(*song, prompt, history));
    EXPECT_EQ(song->GetNumBars(), 64);
    ExpectBarCountsAgree();
    EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Insert Bar");
}

TEST_F(BarRangeTest, ABarCountBelowOneIsRefused) {
    Start(4);
    InsertBarsForm form;
    for (const char* text : {"0", "-3", "many"}) {
        FixedPrompt refusal(Prompt::Ok);
        form.numberText = text;
        EXPECT_FALSE(form.Ok(*song, refusal, history)) << text;
        EXPECT_EQ(Message(refusal), "The number of bars to insert must be at least 1");
    }
    EXPECT_EQ(song->GetNumBars(), 4);
    EXPECT_FALSE(song->InsertBars(0, 0, true));
    EXPECT_FALSE(song->InsertBars(1, 4, true));
}

TEST_F(BarRangeTest, NewBarsAreEmptyAndTheOldOnesMove) {
    Start(3);
    Put(Treble(*song, 1), 0, "D5", 2);
    InsertBarsForm form;
    form.numberText = "2";
    form.barIndex = 1;
    form.before = false;
    ASSERT_TRUE(form.Ok(*song, prompt, history));
    ExpectBarCountsAgree();
    EXPECT_EQ(GridText(Treble(*song, 1)), "0:D5/48 48:S/24 72:S/24");
    EXPECT_EQ(GridText(Treble(*song, 2)), "0:S/96");
    EXPECT_EQ(GridText(Treble(*song, 3)), "0:S/96");
    EXPECT_EQ(song->GetBar(0, 4)->GetParent(), song->GetTrack(0));
}

TEST_F(BarRangeTest, AccompanimentInsertedBeforeBarOneKeepsItsFirstBoxStyled) {
    Start(3);
    song->AddAccompanimentTrack();
    auto chordBar = [&](int b) { return static_cast<ChordBar*>(song->GetBar(0, b)); };
    chordBar(0)->GetBeatBox(0)->SelectText("G", false);
    chordBar(0)->GetBeatBox(0)->SetSubStyle(ChordCombo::FillIn);
    ASSERT_TRUE(song->InsertBars(2, 0, true));
    EXPECT_EQ(chordBar(0)->GetBeatBox(0)->GetIndex(), 0);
    EXPECT_EQ(chordBar(0)->GetBeatBox(0)->GetSubStyle(), ChordCombo::StyleA);
    EXPECT_EQ(chordBar(1)->GetBeatBox(0)->GetSubStyle(), ChordCombo::NoSubStyle);
    EXPECT_EQ(chordBar(2)->GetBeatBox(0)->CurrentText(), "G");
    EXPECT_EQ(chordBar(2)->GetBeatBox(0)->GetSubStyle(), ChordCombo::FillIn);
}

TEST_F(BarRangeTest, DeletingKeepsAtLeastOneBarAndCutsTheTiesAcross) {
    Start(3);
    DeleteBarsForm form;
    form.firstBar = 0;
    form.lastBar = 2;
    EXPECT_FALSE(form.Ok(*song, prompt, history));
    EXPECT_EQ(Message(prompt), "Cannot delete all the bars");
    FixedPrompt second(Prompt::Ok);
    form.firstBar = 2;
    form.lastBar = 1;
    EXPECT_FALSE(form.Ok(*song, second, history));
    EXPECT_EQ(Message(second), "Invalid bar range");

    Put(Treble(*song, 1), 0, "S", 4);
    Put(Treble(*song, 1), 72, "C5", 4);
    Put(Treble(*song, 2), 0, "C5", 4);
    ASSERT_TRUE(song->GetTrack(0)->AddTie(At(Treble(*song, 1), 72)));
    form.firstBar = 2;
    form.lastBar = 2;
    ASSERT_TRUE(form.Ok(*song, prompt, history));
    EXPECT_EQ(song->GetNumBars(), 2);
    ExpectBarCountsAgree();
    EXPECT_FALSE(At(Treble(*song, 1), 72)->IsTied());
    EXPECT_EQ(TieViolation(*song->GetTrack(0)), "");
}

TEST_F(BarRangeTest, DeletingForgetsSelectedObjectsInTheDeletedBars) {
    Start(3);
    ToolsManager::Instance().SelectSingle(At(Treble(*song, 2), 0));
    ASSERT_TRUE(song->DeleteBars(2, 2));
    EXPECT_TRUE(ToolsManager::Instance().Selection().empty());
}

TEST_F(BarRangeTest, ClearingOneTrack) {
    Start(3);
    Put(Treble(*song, 0), 0, "C5", 2);
    Put(BassBar(*song, 0), 0, "C3", 2);
    ClearBarsForm form(*song);
    EXPECT_EQ(form.TrackItems().size(), 3u);
    form.SetTrack(0);
    form.SetLastBar(1);
    ASSERT_TRUE(form.Ok(*song, prompt, history));
    EXPECT_EQ(GridText(Treble(*song, 0)), "0:S/96");
    EXPECT_EQ(GridText(BassBar(*song, 0)), "0:C3/48 48:S/24 72:S/24");
    EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Clear Bar");
    EXPECT_FALSE(song->ClearBars(7, 0, 0));
}

TEST_F(BarRangeTest, CopyBarRefusals) {
    Start(7);
    CopyBarForm form(*song);
    form.SetSource(0);
    EXPECT_EQ(form.DestinationItems().size(), 1u) << "only tracks of the source's type";
    form.SetFirstBar(0);
    form.SetLastBar(1);
    EXPECT_EQ(form.DestinationBar(), 2) << "the destination moves past the range";
    form.SetDestinationBar(1);
    CopyBarForm::Focus focus = CopyBarForm::Focus::None;
    EXPECT_FALSE(form.Ok(*song, prompt, history, &focus));
    EXPECT_EQ(Message(prompt), "The destination cannot be inside the source bar range");
    EXPECT_EQ(focus, CopyBarForm::Focus::DestinationBar);

    form.SetDestinationBar(2);
    form.SetRepetitionsText("3");
    FixedPrompt space(Prompt::Ok);
    EXPECT_FALSE(form.Ok(*song, space, history));
    EXPECT_EQ(Message(space), "The destination do not have enough space to do this operation");

    for (const char* repetitions : {"0", "-1", "99999999999999999999"}) {
        FixedPrompt refused(Prompt::Ok);
        form.SetRepetitionsText(repetitions);
        EXPECT_FALSE(form.Ok(*song, refused, history)) << repetitions;
        EXPECT_FALSE(refused.AskedSoFar().empty());
    }
    EXPECT_EQ(history.CurrentIndex(), 0) << "nothing recorded";
}

TEST_F(BarRangeTest, CopyingRepeatsBarsAndCutsTiesAtTheEdges) {
    Start(7);
    Put(Treble(*song, 0), 0, "S", 4);
    Put(Treble(*song, 0), 72, "E5", 4);
    Put(Treble(*song, 1), 0, "E5", 4);
    ASSERT_TRUE(song->GetTrack(0)->AddTie(At(Treble(*song, 0), 72)));
    CopyBarForm form(*song);
    form.SetFirstBar(1);
    form.SetLastBar(1);
    form.SetDestinationBar(3);
    form.SetRepetitionsText("3");
    ASSERT_TRUE(form.Ok(*song, prompt, history));
    for (int b = 3; b <= 5; ++b) {
        EXPECT_EQ(NoteText(*At(Treble(*song, b), 0)), "E5")
            << b << ": the copy's entering tie is cut";
    }
    EXPECT_TRUE(At(Treble(*song, 1), 0)->IsTieEnd()) << "the source keeps its tie";
    EXPECT_EQ(TieViolation(*song->GetTrack(0)), "");
    EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Copy Tracks");
}

TEST_F(BarRangeTest, ClipboardCopiesABlockAndPastesAtOneBar) {
    Start(6);
    Put(Treble(*song, 0), 0, "G5", 2);
    Put(BassBar(*song, 1), 0, "C3", 4);
    SelectBlock(0, 0, 1, 1);
    ASSERT_TRUE(BarClipboard::Instance().Copy(prompt));
    EXPECT_EQ(BarClipboard::Instance().Width(), 2);
    EXPECT_EQ(BarClipboard::Instance().Height(), 2);

    ToolsManager::Instance().SelectSingle(song->GetBar(0, 3));
    ASSERT_TRUE(BarClipboard::Instance().Paste(*song, prompt, history));
    EXPECT_EQ(GridText(Treble(*song, 3)), GridText(Treble(*song, 0)));
    EXPECT_EQ(GridText(BassBar(*song, 4)), GridText(BassBar(*song, 1)));
    EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Paste");

    ToolsManager::Instance().SelectSingle(song->GetBar(2, 0));
    FixedPrompt space(Prompt::Ok);
    EXPECT_FALSE(BarClipboard::Instance().Paste(*song, space, history));
    EXPECT_EQ(Message(space), "There is not enough space for pasting the bars");
    SelectBlock(0, 4, 0, 5);
    FixedPrompt dimension(Prompt::Ok);
    EXPECT_FALSE(BarClipboard::Instance().Paste(*song, dimension, history));
    EXPECT_EQ(Message(dimension),
              "The pasting area's dimension is different from the copy area's dimension");
}

TEST_F(BarRangeTest, ClipboardRefusals) {
    Start(4);
    EXPECT_FALSE(BarClipboard::Instance().Copy(prompt));
    EXPECT_EQ(Message(prompt), "Nothing selected");
    FixedPrompt notBars(Prompt::Ok);
    ToolsManager::Instance().SelectSingle(At(Treble(*song, 0), 0));
    EXPECT_FALSE(BarClipboard::Instance().Copy(notBars));
    EXPECT_EQ(Message(notBars), "The selections are not bars or texts");
    FixedPrompt gap(Prompt::Ok);
    ToolsManager::Instance().SelectSingle(song->GetBar(0, 0));
    ToolsManager::Instance().ToggleSelect(song->GetBar(0, 2));
    EXPECT_FALSE(BarClipboard::Instance().Copy(gap));
    EXPECT_EQ(Message(gap), "The selected bars must be continuous");
    FixedPrompt empty(Prompt::Ok);
    EXPECT_FALSE(BarClipboard::Instance().Paste(*song, empty, history));
    EXPECT_EQ(Message(empty), "Nothing inside clipboard");
}

TEST_F(BarRangeTest, PastingBetweenTimeSignaturesIsRefused) {
    Start(2, {3, 4});
    SelectBlock(0, 0, 0, 0);
    ASSERT_TRUE(BarClipboard::Instance().Copy(prompt));
    const auto other = MakeSong(4, 4, 2);
    ToolsManager::Instance().SelectSingle(other->GetBar(0, 0));
    EXPECT_FALSE(BarClipboard::Instance().Paste(*other, prompt, history));
    EXPECT_EQ(prompt.AskedSoFar().back().text,
              "The source and destination music have different time signature.\nCopy and paste "
              "across them is not allowed.");
}

TEST_F(BarRangeTest, BlockCommands) {
    Start(5);
    EXPECT_FALSE(BarBlockCommands::Clear(*song, prompt, history)) << "nothing selected: nothing";
    EXPECT_TRUE(prompt.AskedSoFar().empty());

    Put(Treble(*song, 1), 0, "A5", 4);
    SelectBlock(0, 1, 1, 2);
    ASSERT_TRUE(BarBlockCommands::InsertBefore(*song, prompt, history));
    EXPECT_EQ(song->GetNumBars(), 7);
    EXPECT_EQ(NoteText(*At(Treble(*song, 3), 0)), "A5");
    SelectBlock(0, 3, 0, 3);
    ASSERT_TRUE(BarBlockCommands::Clear(*song, prompt, history));
    EXPECT_EQ(GridText(Treble(*song, 3)), "0:S/96");
    SelectBlock(2, 0, 2, 5);
    ASSERT_TRUE(BarBlockCommands::Delete(*song, prompt, history));
    EXPECT_EQ(song->GetNumBars(), 1) << "deleting a block's bars takes them from every track";
    ExpectBarCountsAgree();
    SelectBlock(0, 0, 0, 0);
    EXPECT_FALSE(BarBlockCommands::Delete(*song, prompt, history));
    EXPECT_EQ(Message(prompt), "Cannot delete all the bars");
}

}  // namespace
