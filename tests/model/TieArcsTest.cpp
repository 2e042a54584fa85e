#include <gtest/gtest.h>

#include <algorithm>

#include "model/TieArcs.h"
#include "support/DrawingQueries.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;
using namespace drawing_test;

namespace {

// The extent of a drawn shape.
Rect Bounds(const Call& shape) {
    Rect r{shape.points[0].x, shape.points[0].y, shape.points[0].x, shape.points[0].y};
    for (const Point& p : shape.points) {
        r.left = std::min(r.left, p.x);
        r.right = std::max(r.right, p.x);
        r.top = std::min(r.top, p.y);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

// How thick the shape is across x: the spread of its points there.
int ThicknessNear(const Call& shape, int x, int tolerance) {
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (const Point& p : shape.points) {
        if (std::abs(p.x - x) <= tolerance) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    }
    return bottom - top;
}

class TieArcsTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = MakeSong(4, 4);
        track = song->GetTrack(0);
    }

    std::vector<Call> DrawTies() const {
        RecordingDeviceContext dc;
        TieArcs::Draw(dc, *track);
        for (const Call& call : dc.calls) {
            EXPECT_EQ(call.kind, Kind::Polygon) << "ties are filled shapes only";
            EXPECT_FALSE(call.hasPen) << "without an outline";
            EXPECT_EQ(call.brush, (Color{0, 0, 0}));
        }
        return dc.OfKind(Kind::Polygon);
    }

    std::unique_ptr<Song> song;
    Track* track = nullptr;
};

TEST_F(TieArcsTest, ATieAcrossABarLineCurvesUnderTheHeadsBetweenThem) {
    ASSERT_NE(Put(Treble(*song, 0), 0, "G5", 2), nullptr);
    Note* first = Put(Treble(*song, 0), 48, "D5", 2);
    Note* second = Put(Treble(*song, 1), 0, "D5", 4);
    ASSERT_TRUE(track->AddTie(first));
    const auto arcs = DrawTies();
    ASSERT_EQ(arcs.size(), 1u);
    const NoteBar::Placement a = Treble(*song, 0).PlaceNote(*first);
    const NoteBar::Placement b = Treble(*song, 1).PlaceNote(*second);
    const Rect r = Bounds(arcs[0]);
    EXPECT_EQ(r.left, a.x + 12);
    EXPECT_EQ(r.right, b.x - 12);
    EXPECT_GE(r.top, a.y + 12) << "under the heads, away from the stems";
    const int span = r.right - r.left;
    EXPECT_NEAR(r.bottom - r.top, std::min(30, 12 + span / 20), 1);
    const int middle = ThicknessNear(arcs[0], (r.left + r.right) / 2, span / 10);
    EXPECT_GE(middle, 3);
    EXPECT_LE(middle, 5);
    EXPECT_LE(ThicknessNear(arcs[0], r.left, 0), 1) << "thin at the ends";
    EXPECT_LE(arcs[0].points.size(), 32u);
}

TEST_F(TieArcsTest, HighNotesAreTiedOverTheirHeads) {
    MelodicBar& bar = Treble(*song);
    Note* first = Put(bar, 0, "D6", 4);
    Put(bar, 24, "D6", 4);
    ASSERT_TRUE(track->AddTie(first));
    const auto arcs = DrawTies();
    ASSERT_EQ(arcs.size(), 1u);
    const NoteBar::Placement a = bar.PlaceNote(*first);
    EXPECT_LE(Bounds(arcs[0]).bottom, a.y) << "above the heads: their stems hang down";
}

TEST_F(TieArcsTest, ATieFollowsTheStemsOfItsBeamedGroup) {
    MelodicBar& bar = Treble(*song);
    const char* run[] = {"C5", "D5", "E5", "C6"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(Put(bar, 6 * i, run[i], 16), nullptr);
    }
    ASSERT_NE(Put(bar, 24, "C6", 4), nullptr);
    Note* high = At(bar, 18);
    ASSERT_TRUE(track->AddTie(high));
    ASSERT_TRUE(high->GetChord()->PlanStem().down) << "alone, the high C would hang its stem";
    const auto arcs = DrawTies();
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_GE(Bounds(arcs[0]).top, bar.PlaceNote(*high).y + 12)
        << "its group's stems go up, so the tie goes under";
}

TEST_F(TieArcsTest, AChainDrawsOneArcPerLinkAndLeavesOtherNotesAlone) {
    MelodicBar& bar = Treble(*song);
    Note* first = Put(bar, 0, "D5", 4);
    Put(bar, 0, "F5", 4);  // untied, in the same chord
    Note* middle = Put(bar, 24, "D5", 4);
    Note* last = Put(bar, 48, "D5", 4);
    Put(bar, 72, "D5", 4);
    ASSERT_TRUE(track->AddTie(first));
    ASSERT_TRUE(track->AddTie(middle));
    const auto arcs = DrawTies();
    ASSERT_EQ(arcs.size(), 2u);
    const int lastX = bar.PlaceNote(*last).x;
    for (const Call& arc : arcs) {
        EXPECT_LE(Bounds(arc).right, lastX - 12) << "nothing runs past the chain's end";
    }
}

TEST_F(TieArcsTest, ATieOverALineBreakIsDrawnInTwoHalves) {
    ASSERT_NE(Put(Treble(*song, 0), 0, "G5", 2), nullptr);
    Note* first = Put(Treble(*song, 0), 48, "D5", 2);
    ASSERT_NE(Put(Treble(*song, 1), 0, "D5", 4), nullptr);
    ASSERT_TRUE(track->AddTie(first));
    // The second bar starts the next line of the score.
    const Box old = Treble(*song, 1).GetBox();
    Treble(*song, 1).PlaceNotes({Treble(*song, 0).GetBox().x, old.y + 600, old.width, old.height});
    const NoteBar::Placement a = Treble(*song, 0).PlaceNote(*first);
    const NoteBar::Placement b = Treble(*song, 1).PlaceNote(*At(Treble(*song, 1), 0));

    auto arcs = DrawTies();
    ASSERT_EQ(arcs.size(), 2u);
    std::sort(arcs.begin(), arcs.end(),
              [](const Call& x, const Call& y) { return Bounds(x).top < Bounds(y).top; });
    const Box end = Treble(*song, 0).GetBox();
    const Box start = Treble(*song, 1).GetBox();
    const Rect leaving = Bounds(arcs[0]);
    const Rect arriving = Bounds(arcs[1]);
    EXPECT_EQ(leaving.left, a.x + 12);
    EXPECT_EQ(leaving.right, end.x + end.width + 10) << "out past the end of the line";
    EXPECT_GE(leaving.top, a.y + 12);
    EXPECT_EQ(arriving.left, start.x + 10) << "in from the start of the next line";
    EXPECT_EQ(arriving.right, b.x - 12);
    EXPECT_GE(arriving.top, b.y + 12);
    EXPECT_LT(arriving.bottom, b.y + 12 + 31);
}

TEST_F(TieArcsTest, LongTiesFlattenOut) {
    Track::SetBarsPerLine(2);  // both bars on one line, each 760 wide
    auto wide = MakeSong(4, 4);
    Track& melody = *wide->GetTrack(0);
    Note* first = Put(Treble(*wide, 0), 0, "D5", 1);
    Put(Treble(*wide, 1), 0, "D5", 1);
    ASSERT_TRUE(melody.AddTie(first));
    RecordingDeviceContext dc;
    TieArcs::Draw(dc, melody);
    const auto arcs = dc.OfKind(Kind::Polygon);
    ASSERT_EQ(arcs.size(), 1u);
    const Rect r = Bounds(arcs[0]);
    ASSERT_GT(r.right - r.left, 600);
    EXPECT_LE(r.bottom - r.top, 31) << "no higher than 30 however long";
}

TEST_F(TieArcsTest, TiesOutsideTheClipAreSkipped) {
    ASSERT_NE(Put(Treble(*song, 0), 0, "G5", 2), nullptr);
    Note* first = Put(Treble(*song, 0), 48, "D5", 2);
    Put(Treble(*song, 1), 0, "D5", 4);
    ASSERT_TRUE(track->AddTie(first));
    const Box box = Treble(*song, 3).GetBox();
    RecordingDeviceContext dc({box.x, box.y, box.x + box.width, box.y + box.height});
    TieArcs::Draw(dc, *track);
    EXPECT_TRUE(dc.calls.empty());
}

}  // namespace
