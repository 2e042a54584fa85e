#include <gtest/gtest.h>

#include "model/ChordBar.h"
#include "model/Song.h"
#include "support/EngineReset.h"
#include "support/RecordingObserver.h"

namespace {

class ChordComboTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = std::make_unique<Song>("t", "a", 4, 100, Song::TimeSignature{4, 4}, 0);
        song->AddAccompanimentTrack();
    }
    ChordBar* BarAt(int index) { return static_cast<ChordBar*>(song->GetBar(0, index)); }
    static std::vector<int> Cycle(ChordCombo* box, int clicks) {
        std::vector<int> seen;
        for (int i = 0; i < clicks; ++i) {
            box->OnActivate(nullptr, 0, 0, 0);
            seen.push_back(box->GetSubStyle());
        }
        return seen;
    }
    std::unique_ptr<Song> song;
};

TEST(ChordNumbers, ListIndexAndNumberConvertBothWays) {
    EXPECT_EQ(ChordCombo::IndexToChordNumber(0), 0);
    EXPECT_EQ(ChordCombo::IndexToChordNumber(25), 0);
    EXPECT_EQ(ChordCombo::IndexToChordNumber(1), 1);
    EXPECT_EQ(ChordCombo::IndexToChordNumber(2), 2);
    EXPECT_EQ(ChordCombo::IndexToChordNumber(3), 4);
    EXPECT_EQ(ChordCombo::IndexToChordNumber(26), 3);
    EXPECT_EQ(ChordCombo::IndexToChordNumber(37), 36);
    // Every chord of 12 roots by 3 qualities has exactly one index, spelled
    // with the right root and quality in both namings.
    const char* roots[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    for (int number = 1; number <= 36; ++number) {
        const int index = ChordCombo::ChordNumberToIndex(number);
        EXPECT_EQ(ChordCombo::IndexToChordNumber(index), number);
        const int root = (number - 1) / 3;
        const int quality = (number - 1) % 3;
        const std::string sharp = ChordCombo::ItemName(index, true);
        EXPECT_EQ(sharp, std::string(roots[root]) + (quality == 1 ? "m" : quality == 2 ? "7" : ""));
        EXPECT_EQ(ChordCombo::QualityOf(sharp), quality);
        EXPECT_EQ(ChordCombo::QualityOf(ChordCombo::ItemName(index, false)), quality);
    }
    EXPECT_EQ(ChordCombo::ChordNumberToIndex(0), 0);
    EXPECT_EQ(ChordCombo::ChordNumberToIndex(37), 0);
    EXPECT_STREQ(ChordCombo::ItemName(13, false), "Gb");
    EXPECT_STREQ(ChordCombo::ItemName(36, false), "Bb7");
}

TEST(ChordNumbers, RootOffsetsFollowTheSpelling) {
    const std::pair<const char*, int> cases[] = {{"A", -3},  {"Bb", -2}, {"B", -1},  {"C", 0},
                                                 {"F#", 6},  {"G#", 8},  {"Ab", -4}, {"Db7", 1},
                                                 {"C#m", 1}, {"E", 4},   {"Gbm", 6}, {"", 0}};
    for (const auto& [name, offset] : cases) {
        EXPECT_EQ(ChordCombo::RootOffsetOf(name), offset) << name;
    }
}

TEST_F(ChordComboTest, BoxesStartEmptyInTheSongsNaming) {
    ChordBar* bar = BarAt(1);
    EXPECT_EQ(bar->GetNumBeats(), 4);
    for (int beat = 0; beat < 4; ++beat) {
        ChordCombo* box = bar->GetBeatBox(beat);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->GetStep(), beat * 24);
        EXPECT_EQ(box->GetIndex(), 0);
        EXPECT_EQ(box->ItemCount(), 38);
        EXPECT_TRUE(box->UsesSharps());
        EXPECT_EQ(box->GetParent(), bar);
    }
    Song flats("t", "a", 1, 100, {3, 4}, -2);
    flats.AddAccompanimentTrack();
    auto* flatBar = static_cast<ChordBar*>(flats.GetBar(0, 0));
    EXPECT_FALSE(flatBar->GetBeatBox(2)->UsesSharps());
    EXPECT_EQ(flatBar->GetBeatBox(3), nullptr);
    EXPECT_TRUE(flatBar->GetBeatBox(1)->SelectText("Eb", false));
    EXPECT_EQ(flatBar->GetBeatBox(1)->GetChordNumber(), 10);
    EXPECT_FALSE(flatBar->GetBeatBox(2)->SelectText("D#", false))
        << "sharp names are not in the list";
}

TEST_F(ChordComboTest, SubStyleCyclesOnlyOnABarsFirstBox) {
    EXPECT_EQ(Cycle(BarAt(0)->GetBeatBox(0), 6), (std::vector<int>{1, 2, 3, 4, 0, 1}));
    EXPECT_EQ(Cycle(BarAt(3)->GetBeatBox(0), 7), (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(Cycle(BarAt(3)->GetBeatBox(2), 2), (std::vector<int>{5, 5}));
    ChordCombo* first = BarAt(0)->GetBeatBox(0);
    first->SetSubStyle(ChordCombo::NoSubStyle);
    EXPECT_EQ(Cycle(first, 1), (std::vector<int>{0})) << "bar 0 never stays without a sub-style";
}

TEST_F(ChordComboTest, ABoxChangeReachesTheViewAsAChangeOfItsBar) {
    RecordingObserver view;
    song->Attach(&view, 8);
    song->Attach(&view, 10);
    ChordBar* bar = BarAt(2);
    bar->GetBeatBox(1)->OnActivate(nullptr, 0, 0, 0);
    ASSERT_EQ(view.calls.size(), 2u);
    EXPECT_EQ(view.calls[0], std::make_pair(static_cast<Subject*>(bar), 10));
    EXPECT_EQ(view.calls[1], std::make_pair(static_cast<Subject*>(bar), 8));

    // A copied bar's boxes report to the copy, not to the original.
    auto copy = std::unique_ptr<ChordBar>(static_cast<ChordBar*>(bar->Clone().release()));
    view.calls.clear();
    RecordingObserver copyWatcher;
    copy->Attach(&copyWatcher, 10);
    copy->GetBeatBox(1)->Notify(10);
    EXPECT_EQ(copyWatcher.calls.size(), 1u);
    EXPECT_EQ(view.calls.size(), 1u) << "the copy keeps the view's registration as well";
    EXPECT_EQ(view.calls[0].first, copy.get());
}

TEST_F(ChordComboTest, ClearContentEmptiesEveryBox) {
    ChordBar* bar = BarAt(0);
    bar->GetBeatBox(0)->SetChordNumber(7, false);
    bar->GetBeatBox(3)->SetChordNumber(36, false);
    bar->ClearContent();
    for (int beat = 0; beat < 4; ++beat) {
        EXPECT_EQ(bar->GetBeatBox(beat)->GetIndex(), 0);
        EXPECT_EQ(bar->GetBeatBox(beat)->GetSubStyle(), ChordCombo::NoSubStyle);
    }
}

TEST_F(ChordComboTest, PlacingTheBarSpreadsBoxesOverItsBeats) {
    ChordBar* bar = BarAt(1);
    bar->PlaceNotes({1000, 500, 380, 40});
    EXPECT_EQ(bar->GetBeatBox(0)->GetRect(), (Rect{1020, 500, 1100, 540}));
    EXPECT_EQ(bar->GetBeatBox(3)->GetRect(), (Rect{1275, 500, 1355, 540}));
    EXPECT_EQ(bar->HitTest(1030, 520), bar->GetBeatBox(0));
    EXPECT_EQ(bar->HitTest(1103, 520), nullptr);
    EXPECT_EQ(bar->HitTest(999, 520), nullptr);
}

}  // namespace
