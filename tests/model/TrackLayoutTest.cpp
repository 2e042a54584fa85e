#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "model/Bar.h"
#include "model/PageGeometry.h"
#include "model/Song.h"
#include "model/Track.h"
#include "model/VolumeSlider.h"
#include "support/EngineReset.h"

namespace {

class TrackLayoutTest : public EngineReset {
protected:
    void TearDown() override {
        Track::SetBarsPerLine(4);
        EngineReset::TearDown();
    }
    static std::unique_ptr<Song> MakeSong(int bars) {
        return std::make_unique<Song>("Title", "Author", bars, 100, Song::TimeSignature{4, 4}, 0);
    }
    static Box BarBox(const Song& song, int track, int bar) {
        return song.GetTrack(track)->GetBar(bar)->GetBox();
    }
    static int Pages() {
        const ToolsManager& tools = ToolsManager::Instance();
        return PageGeometry::PageCount(tools.TotalBars(), tools.BarsPerPage());
    }
};

TEST_F(TrackLayoutTest, OneTrebleTrackOfSeventeenBarsFitsOnePage) {
    auto song = MakeSong(17);
    song->AddTrebleTrack();
    // System height 200 + 35 = 235 gives 11 systems and 44 bars a page.
    EXPECT_EQ(ToolsManager::Instance().BarsPerPage(), 44);
    EXPECT_EQ(ToolsManager::Instance().TotalBars(), 17);
    EXPECT_EQ(Pages(), 1);
    EXPECT_EQ(BarBox(*song, 0, 0), (Box{500, 250, 380, 200}));
    EXPECT_EQ(BarBox(*song, 0, 3), (Box{500 + 3 * 380, 250, 380, 200}));
    EXPECT_EQ(BarBox(*song, 0, 4), (Box{500, 250 + 235, 380, 200}));
    EXPECT_EQ(BarBox(*song, 0, 16), (Box{500, 250 + 4 * 235, 380, 200}));
}

TEST_F(TrackLayoutTest, TrebleBassAndChordsGiveFiveSystemsOfTwentyBarsAPage) {
    auto song = MakeSong(64);
    song->AddTrebleTrack();
    song->AddBassTrack();
    song->AddAccompanimentTrack();  // goes to slot 0, above the staves
    ASSERT_TRUE(song->GetTrack(0)->IsAccompaniment());
    EXPECT_EQ(ToolsManager::Instance().BarsPerPage(), 20);
    EXPECT_EQ(Pages(), 4);
    // Staves stack in track order: chords 40, treble 200, bass 200, gap 35.
    EXPECT_EQ(BarBox(*song, 0, 0).y, 250);
    EXPECT_EQ(BarBox(*song, 1, 0).y, 290);
    EXPECT_EQ(BarBox(*song, 2, 0).y, 490);
    EXPECT_EQ(BarBox(*song, 2, 4).y, 490 + 475);
    EXPECT_EQ(BarBox(*song, 1, 19).y, 290 + 4 * 475);
    // Bar 20 opens page 2 at the top of its first system.
    EXPECT_EQ(BarBox(*song, 1, 20), (Box{500 + 2115, 290, 380, 200}));
    EXPECT_EQ(BarBox(*song, 0, 63).x, 500 + 3 * 2115 + 3 * 380);
    for (int bar = 0; bar < 64; ++bar) {
        EXPECT_EQ(BarBox(*song, 0, bar).x, BarBox(*song, 2, bar).x) << bar;
    }
}

TEST_F(TrackLayoutTest, ThreeBarsPerLineMakeBarsOf506) {
    auto song = MakeSong(7);
    song->AddTrebleTrack();
    song->SetBarsPerLine(3);
    EXPECT_EQ(Track::GetBarWidth(), 506);
    EXPECT_EQ(BarBox(*song, 0, 2), (Box{500 + 2 * 506, 250, 506, 200}));
    EXPECT_EQ(BarBox(*song, 0, 2).x + 506 - 500, 1518);
    EXPECT_EQ(BarBox(*song, 0, 3), (Box{500, 250 + 235, 506, 200}));
    EXPECT_EQ(ToolsManager::Instance().BarsPerPage(), 33);
    song->SetBarsPerLine(1);
    EXPECT_EQ(BarBox(*song, 0, 6), (Box{500, 250 + 6 * 235, 1520, 200}));
}

TEST_F(TrackLayoutTest, TracksTallerThanAPageStillGetOneSystemAPage) {
    auto song = MakeSong(3);
    for (int i = 0; i < 9; ++i) {
        song->AddTrebleTrack();
    }
    for (int i = 0; i < 7; ++i) {
        song->AddPercussionTrack();
    }
    // 9 x 200 + 7 x 120 + 35 = 2675 still fits once.
    EXPECT_EQ(ToolsManager::Instance().BarsPerPage(), 4);
    for (int i = 0; i < 9; ++i) {
        song->GetTrack(i)->ShowLyrics();
    }
    song->Relayout();
    // With lyric lines the system is 3125 high: still one system a page.
    EXPECT_EQ(ToolsManager::Instance().BarsPerPage(), 4);
    EXPECT_EQ(BarBox(*song, 15, 2).y, 250 + 9 * 250 + 6 * 120);
    EXPECT_EQ(BarBox(*song, 15, 2).height, 120);
}

TEST_F(TrackLayoutTest, ControlsStandInFrontOfTheFirstStaff) {
    auto song = MakeSong(4);
    song->AddTrebleTrack();
    song->AddAccompanimentTrack();
    const Track& chords = *song->GetTrack(0);
    const Track& melody = *song->GetTrack(1);
    EXPECT_EQ(melody.GetBox().y, 290);
    EXPECT_EQ(melody.GetTitleText()->GetRect().left, 100);
    EXPECT_EQ(melody.GetTitleText()->GetRect().top, 290 + 40);
    EXPECT_EQ(melody.GetSelector()->GetRect(), (Rect{100, 290 + 80, 290, 290 + 107}));
    EXPECT_EQ(melody.GetVolumeSlider()->GetRect(), (Rect{90, 290 + 110, 290, 290 + 145}));
    EXPECT_EQ(chords.GetTitleText()->GetRect().top, 250);
    EXPECT_EQ(chords.GetSelector()->GetRect(), (Rect{100, 280, 290, 307}));
    EXPECT_EQ(chords.GetVolumeSlider()->GetRect(), (Rect{90, 300, 290, 335}));
}

TEST_F(TrackLayoutTest, EditsThatChangeTheBarCountMoveBarsToTheirNewPlaces) {
    auto song = MakeSong(20);
    song->AddTrebleTrack();
    song->AddBassTrack();
    // 475 - 40 = 435 high systems: 6 a page, 24 bars.
    EXPECT_EQ(ToolsManager::Instance().BarsPerPage(), 24);
    ASSERT_TRUE(song->InsertBars(10, 0, true));
    EXPECT_EQ(ToolsManager::Instance().TotalBars(), 30);
    EXPECT_EQ(Pages(), 2);
    EXPECT_EQ(BarBox(*song, 1, 29), (Box{500 + 2115 + 380, 250 + 200 + 435, 380, 200}));
    ASSERT_TRUE(song->DeleteBars(0, 9));
    EXPECT_EQ(Pages(), 1);
    EXPECT_EQ(BarBox(*song, 1, 19), (Box{500 + 3 * 380, 250 + 200 + 4 * 435, 380, 200}));
}

}  // namespace
