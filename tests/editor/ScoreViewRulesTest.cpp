#include <gtest/gtest.h>

#include "editor/PlaybackFollow.h"
#include "editor/PopupMenuTable.h"
#include "editor/commands/EditorCommands.h"
#include "editor/ScoreHitTest.h"
#include "editor/ViewMapping.h"
#include "model/PageGeometry.h"
#include "model/SongText.h"
#include "support/NoteBarTestKit.h"

namespace {

using namespace notebar_test;

// 254 dots per inch make one pixel one score unit at 100 %.
constexpr double kUnitDpi = ViewMapping::kUnitsPerInch;

TEST(ViewMapping, ZoomScalesTheExtentAndNotTheLayout) {
    const ViewMapping real(kUnitDpi, 100, {0, 0});
    const ViewMapping doubled(kUnitDpi, 200, {0, 0});
    EXPECT_EQ(real.ExtentFor(2), (Size{PageGeometry::ScrollWidth(2), PageGeometry::kScrollHeight}));
    EXPECT_EQ(doubled.ExtentFor(2),
              (Size{2 * PageGeometry::ScrollWidth(2), 2 * PageGeometry::kScrollHeight}));
    EXPECT_EQ(doubled.ToDevice(Size{100, 30}), (Size{200, 60}));
}

TEST(ViewMapping, PointsRoundTripThroughTheScrolledMapping) {
    struct Case {
        double dpi;
        int zoom;
        Point scroll;
    };
    for (const Case c : {Case{96, 125, {0, 0}}, Case{96, 50, {300, 40}},
                         Case{144, 200, {1234, 987}}, Case{kUnitDpi, 100, {17, 3}}}) {
        const ViewMapping mapping(c.dpi, c.zoom, c.scroll);
        for (const Point p : {Point{0, 0}, Point{25, 25}, Point{2140, 2995}, Point{4255, 130}}) {
            const Point back = mapping.ToLogical(mapping.ToDevice(p));
            // A pixel covers up to 1 / scale units.
            const int slack = static_cast<int>(1.0 / mapping.Scale()) + 1;
            EXPECT_NEAR(back.x, p.x, slack) << c.zoom << "% at " << p.x;
            EXPECT_NEAR(back.y, p.y, slack) << c.zoom << "% at " << p.y;
        }
        // A score rectangle's pixels cover it, and map back over it.
        const Rect r{500, 250, 880, 450};
        const Rect covered = mapping.ToLogical(mapping.ToDevice(r));
        EXPECT_LE(covered.left, r.left);
        EXPECT_LE(covered.top, r.top);
        EXPECT_GE(covered.right, r.right);
        EXPECT_GE(covered.bottom, r.bottom);
    }
}

TEST(PlaybackFollow, ScrollsJustEnoughToShowThePlayingBar) {
    const Size visible{800, 600};
    const Point scroll{100, 50};
    struct Case {
        Rect target;
        Point expected;
        const char* what;
    };
    for (const Case c : {Case{{10, 10, 200, 200}, {100, 50}, "already in sight"},
                         Case{{700, 10, 900, 200}, {200, 50}, "past the right edge"},
                         Case{{-150, 10, 50, 200}, {-50, 50}, "left of the view"},
                         Case{{10, 500, 200, 700}, {100, 150}, "below the view"},
                         Case{{10, -20, 200, 100}, {100, 30}, "above the view"},
                         Case{{100, 10, 1000, 200}, {200, 50}, "wider than the view: its start"}}) {
        EXPECT_EQ(PlaybackFollow::ScrollToShow(c.target, visible, scroll), c.expected) << c.what;
    }
}

class ScoreViewRulesTest : public EngineReset {};

TEST_F(ScoreViewRulesTest, ThePlayingAreaSpansTheBarInEveryTrack) {
    auto song = MakeSong(4, 4, 8);
    const Rect area = PlaybackFollow::PlayingArea(*song, 5);
    const Rect top = song->GetBar(0, 5)->GetBox().ToRect();
    const Rect bottom = song->GetBar(2, 5)->GetBox().ToRect();
    EXPECT_EQ(area, (Rect{top.left, top.top, bottom.right, bottom.bottom}));
    EXPECT_TRUE(PlaybackFollow::PlayingArea(*song, 8).IsEmpty()) << "no ninth bar";
}

TEST_F(ScoreViewRulesTest, HitTestingAsksTheSongsTextsBeforeTheTracks) {
    auto song = MakeSong(4, 4, 4);
    const Rect title = song->GetTitleText()->GetBoundingRect();
    EXPECT_EQ(ScoreHitTest::Find(*song, {title.left + 2, title.top + 2}), song->GetTitleText());
    const Box bar = song->GetBar(1, 2)->GetBox();
    EXPECT_EQ(ScoreHitTest::Find(*song, {bar.x + 300, bar.y + 20}), song->GetBar(1, 2));
    EXPECT_EQ(ScoreHitTest::Find(*song, {5, 5}), nullptr) << "the desk";
}

TEST(PopupMenuTable, MenusCarryTheirCaptions) {
    EXPECT_EQ(PopupMenuTable::Items("NotePopup").front().caption, "&Erase this note");
    EXPECT_EQ(PopupMenuTable::Items("NotePopup").back().submenu.back().caption,
              "&Clear Dynamic Markings");
    EXPECT_EQ(PopupMenuTable::Items("BarPopup").back().caption, "&Paste");
    EXPECT_EQ(PopupMenuTable::Items("UserTextPopup").front().caption, "&Delete");
    EXPECT_EQ(PopupMenuTable::Items("NullPopup").front().caption, "Insert Text");
    EXPECT_TRUE(PopupMenuTable::Items("Nonsense").empty());
}

// A caption that runs another command than it names is a fault the menus
// would never show: each dynamics item must set the mark it names.
TEST(PopupMenuTable, EveryItemRunsTheCommandItNames) {
    const std::vector<std::pair<std::string_view, int>> marks = {
        {"fff", 7}, {"ff", 6}, {"f", 5}, {"mf", 4}, {"mp", 3}, {"p", 2},
        {"pp", 1},  {"ppp", 0}, {"sf", 8}, {"accent", 9}, {"&Clear Dynamic Markings", 12}};
    const auto& dynamics = PopupMenuTable::Items("NotePopup").back().submenu;
    size_t checked = 0;
    for (const MenuItem& item : dynamics) {
        if (item.caption.empty()) {
            EXPECT_EQ(item.command, CommandId::None);
            continue;
        }
        const std::string_view name = item.caption.substr(0, item.caption.find('\t'));
        ASSERT_LT(checked, marks.size());
        EXPECT_EQ(name, marks[checked].first);
        EXPECT_EQ(EditorCommands::DynamicCodeOf(item.command), marks[checked].second) << name;
        ++checked;
    }
    EXPECT_EQ(checked, marks.size());
    for (const char* menu : {"NotePopup", "BarPopup", "UserTextPopup", "NullPopup"}) {
        for (const MenuItem& item : PopupMenuTable::Items(menu)) {
            EXPECT_EQ(item.command == CommandId::None, item.caption.empty() || !item.submenu.empty())
                << menu << " " << item.caption;
        }
    }
}

}  // namespace
