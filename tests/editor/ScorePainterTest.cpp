#include <gtest/gtest.h>

#include <algorithm>

#include "editor/GradientFill.h"
#include "editor/PrintMapping.h"
#include "editor/ScorePainter.h"
#include "editor/ToolsManager.h"
#include "model/Bar.h"
#include "model/PageGeometry.h"
#include "model/Song.h"
#include "model/Track.h"
#include "support/EngineReset.h"
#include "support/RecordingDeviceContext.h"

namespace {

using Kind = RecordingDeviceContext::Kind;
constexpr Color kBlack{0, 0, 0};

class ScorePainterTest : public EngineReset {
protected:
    static std::unique_ptr<Song> MakeSong(int bars, Song::TimeSignature time = {4, 4}) {
        return std::make_unique<Song>("Title", "Author", bars, 100, time, 0);
    }
    // Filled black rectangles 8 wide: the thick stroke of a final bar line.
    static int FinalBarStrokes(const RecordingDeviceContext& dc) {
        int count = 0;
        for (const auto& call : dc.OfKind(Kind::FillRect)) {
            if (call.brush == kBlack && call.points[1].x - call.points[0].x == 8) {
                ++count;
            }
        }
        return count;
    }
    // Vertical lines at x.
    static std::vector<RecordingDeviceContext::Call> VerticalLinesAt(
        const RecordingDeviceContext& dc, int x) {
        std::vector<RecordingDeviceContext::Call> found;
        for (const auto& call : dc.OfKind(Kind::Line)) {
            if (call.points[0].x == x && call.points[1].x == x) {
                found.push_back(call);
            }
        }
        return found;
    }
};

TEST_F(ScorePainterTest, GradientBandsStepFromOneColourToTheOther) {
    RecordingDeviceContext dc;
    GradientFill::Fill(dc, {0, 10, 15, 40}, {52, 86, 129}, {147, 190, 215}, 5,
                       GradientFill::LeftToRight);
    const auto bands = dc.OfKind(Kind::FillRect);
    ASSERT_EQ(bands.size(), 5u);
    EXPECT_EQ(bands[0].brush, (Color{52, 86, 129}));
    EXPECT_EQ(bands[1].brush, (Color{71, 106, 146}));
    EXPECT_EQ(bands[4].brush, (Color{128, 169, 197}));
    EXPECT_EQ(bands[3].points[0], (Point{9, 10}));
    EXPECT_EQ(bands[3].points[1], (Point{12, 40}));
}

TEST_F(ScorePainterTest, ScreenPassDrawsDeskThenEveryPageWithItsLabel) {
    auto song = MakeSong(30);
    song->AddTrebleTrack();
    song->AddBassTrack();
    const int pages = ScorePainter::PageCount();
    ASSERT_EQ(pages, 2);  // 24 bars a page
    RecordingDeviceContext dc({0, 0, PageGeometry::ScrollWidth(pages), 3010});
    ScorePainter::PaintScreen(dc, song.get(), pages);

    ASSERT_FALSE(dc.calls.empty());
    EXPECT_EQ(dc.calls.front().kind, Kind::FillRect);
    EXPECT_EQ(dc.calls.front().brush, (Color{147, 190, 215}));
    const auto first = dc.TextsEqual("Page 1 of 2");
    const auto second = dc.TextsEqual("Page 2 of 2");
    ASSERT_EQ(first.size(), 1u);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(first[0].points[0], (Point{1895, 100}));
    EXPECT_EQ(second[0].points[0], (Point{2115 + 1895, 100}));
    EXPECT_EQ(first[0].font.face, "Arial");

    // Each page is a white sheet at its origin, under its header band.
    int sheets = 0;
    for (const auto& call : dc.OfKind(Kind::Rectangle)) {
        if (call.brush == Color{255, 255, 255} && call.points[0].y == 25) {
            EXPECT_EQ(call.points[1].x - call.points[0].x, 2100);
            EXPECT_EQ(call.points[1].y, 2995);
            ++sheets;
        }
    }
    EXPECT_EQ(sheets, 2);
    // Both staves end with a final bar line, on page 2.
    EXPECT_EQ(FinalBarStrokes(dc), 2);
}

TEST_F(ScorePainterTest, WithoutASongOnlyTheDeskAndOneEmptyPageAreDrawn) {
    RecordingDeviceContext dc({0, 0, 2165, 3010});
    ScorePainter::PaintScreen(dc, nullptr, 3);
    EXPECT_EQ(dc.TextsEqual("Page 1 of 1").size(), 1u);
    EXPECT_TRUE(dc.TextsEqual("Page 2 of 3").empty());
    EXPECT_TRUE(dc.OfKind(Kind::Line).empty());
}

TEST_F(ScorePainterTest, OnlyBarsInTheClipBoxAreDrawn) {
    auto song = MakeSong(8);
    song->AddTrebleTrack();
    // The clip box covers the second system only (below the first system's
    // margin): its bar numbers are 5 to 8.
    const Box bar4 = song->GetTrack(0)->GetBar(4)->GetBox();
    RecordingDeviceContext dc({0, bar4.y + 60, 2165, bar4.y + bar4.height});
    ScorePainter::PaintScreen(dc, song.get(), 1);
    EXPECT_TRUE(dc.TextsEqual("1").empty());
    EXPECT_EQ(dc.TextsEqual("5").size(), 1u);
    EXPECT_EQ(dc.TextsEqual("8").size(), 1u);
}

TEST_F(ScorePainterTest, PrintingAPageDrawsItsBarsWithoutDeskOrShadow) {
    auto song = MakeSong(30);
    song->AddTrebleTrack();
    song->AddBassTrack();
    RecordingDeviceContext dc(PageGeometry::PageRect(1), true);
    ScorePainter::PrintPage(dc, *song, 2, 2);
    for (const auto& call : dc.OfKind(Kind::FillRect)) {
        EXPECT_NE(call.brush, (Color{147, 190, 215}));
    }
    EXPECT_EQ(dc.TextsEqual("Page 2 of 2").size(), 1u);
    EXPECT_TRUE(dc.TextsEqual("Page 1 of 2").empty());
    // Bars 25 to 30 are on page 2; bar 24 is not, though it is in no clip.
    EXPECT_EQ(dc.TextsEqual("25").size(), 1u);
    EXPECT_TRUE(dc.TextsEqual("24").empty());
    EXPECT_EQ(FinalBarStrokes(dc), 2);
}

TEST_F(ScorePainterTest, StavesOfASystemAreJoinedAndOnlyTheFirstIsNumbered) {
    // 6/8, so the time signature's digits are not taken for bar numbers.
    auto song = MakeSong(4, {6, 8});
    song->AddAccompanimentTrack();
    song->AddTrebleTrack();
    song->AddPercussionTrack();
    song->AddBassTrack();
    RecordingDeviceContext dc;
    ScorePainter::PaintScreen(dc, song.get(), 1);
    // One number per bar: the accompaniment and lower staves carry none.
    for (const char* number : {"1", "2", "3", "4"}) {
        EXPECT_EQ(dc.TextsEqual(number).size(), 1u) << number;
    }
    const Box treble = song->GetTrack(1)->GetBar(0)->GetBox();
    const Box drums = song->GetTrack(2)->GetBar(0)->GetBox();
    const Box bass = song->GetTrack(3)->GetBar(0)->GetBox();
    auto joins = VerticalLinesAt(dc, treble.x - 200);
    // Top piece from the treble staff's top line, middle over the drum staff,
    // bottom piece down to the bass staff's bottom line: one unbroken line.
    ASSERT_EQ(joins.size(), 3u);
    std::sort(joins.begin(), joins.end(),
              [](const auto& a, const auto& b) { return a.points[0].y < b.points[0].y; });
    EXPECT_EQ(joins[0].points[0].y, treble.y + 45);
    EXPECT_EQ(joins[0].points[1].y, drums.y);
    EXPECT_EQ(joins[1].points[1].y, bass.y);
    EXPECT_EQ(joins[2].points[0].y, bass.y);
    EXPECT_EQ(joins[2].points[1].y, bass.y + 125);
}

TEST_F(ScorePainterTest, ASingleStaffHasNoSystemJoin) {
    auto song = MakeSong(4);
    song->AddTrebleTrack();
    RecordingDeviceContext dc;
    ScorePainter::PaintScreen(dc, song.get(), 1);
    const Box bar = song->GetTrack(0)->GetBar(0)->GetBox();
    EXPECT_TRUE(VerticalLinesAt(dc, bar.x - 200).empty());
    // Plain bar lines close bars 1 to 3; the last bar gets the final line.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(VerticalLinesAt(dc, bar.x + (i + 1) * bar.width).size(), 1u) << i;
    }
    EXPECT_EQ(VerticalLinesAt(dc, bar.x + 4 * bar.width - 14).size(), 1u);
    EXPECT_EQ(FinalBarStrokes(dc), 1);
}

}  // namespace

namespace {

TEST(PrintMappingTest, TheA4PageFillsTheTighterSideOfThePaper) {
    // A4 at 1200 dots per inch: the page fills the paper exactly.
    const PrintMapping a4 = PrintMapping::ForPage(1, 9921, 14031);
    EXPECT_NEAR(a4.scale * 2100, 9921, 5);
    EXPECT_NEAR(a4.scale * 2970, 14031, 1);
    // Letter is wider for its height than A4: the page fits the height and
    // leaves a strip on the right.
    const PrintMapping letter = PrintMapping::ForPage(1, 10200, 13200);
    EXPECT_NEAR(letter.scale * 2970, 13200, 1);
    EXPECT_LT(letter.scale * 2100, 10200);
    // A tall narrow paper fits the width instead.
    const PrintMapping tall = PrintMapping::ForPage(1, 1000, 2000);
    EXPECT_NEAR(tall.scale * 2100, 1000, 1);
}

TEST(PrintMappingTest, EachPageStartsAtItsOwnOriginLessThePrinterMargin) {
    const PrintMapping third = PrintMapping::ForPage(3, 9921, 14031, 50, 60);
    EXPECT_EQ(third.pageLeft, 25 + 2 * 2115);
    EXPECT_EQ(third.pageTop, 25);
    EXPECT_EQ(third.originX, -50);
    EXPECT_EQ(third.originY, -60);
}

}  // namespace
