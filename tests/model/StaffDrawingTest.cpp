#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "model/DrawResources.h"
#include "support/DrawingQueries.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;
using namespace drawing_test;

namespace {

class StaffDrawingTest : public EngineReset {
protected:
    static RecordingDeviceContext Header(const NoteBar& bar) {
        RecordingDeviceContext dc;
        bar.DrawHeader(dc);
        return dc;
    }
    static RecordingDeviceContext StaffLines(const NoteBar& bar, bool header) {
        RecordingDeviceContext dc;
        bar.DrawStaffLines(dc, header);
        return dc;
    }
    // Where the header of a line of the score begins.
    static int HeaderLeft(const Bar& bar) { return bar.GetBox().x - 200; }
};

TEST_F(StaffDrawingTest, AMelodicStaffHasFiveLinesAcrossTheBarOrItsHeader) {
    auto song = MakeSong(4, 4);
    const MelodicBar& bar = Treble(*song);
    const Box box = bar.GetBox();
    for (const bool header : {false, true}) {
        const RecordingDeviceContext dc = StaffLines(bar, header);
        const auto lines = HorizontalLines(dc);
        ASSERT_EQ(lines.size(), 5u);
        std::vector<int> ys;
        for (const Segment& line : lines) {
            EXPECT_EQ(line.from.x, header ? box.x - 200 : box.x);
            EXPECT_EQ(line.to.x, header ? box.x : box.x + box.width);
            ys.push_back(line.from.y - box.y);
        }
        std::sort(ys.begin(), ys.end());
        EXPECT_EQ(ys, (std::vector<int>{45, 65, 85, 105, 125})) << "twenty apart";
        EXPECT_EQ(dc.OfKind(Kind::Line).front().pen, DrawResources::Instance().blackPen);
    }
}

TEST_F(StaffDrawingTest, NotesSitOnTheLinesTheStaffDraws) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    // The lines of the treble staff are E, G, B, D and F.
    const char* onLines[] = {"E5", "G5", "B5", "D6", "F6"};
    std::vector<int> centres;
    int step = 0;
    for (const char* pitch : onLines) {
        const Note* note = Put(bar, step, pitch, 16);
        ASSERT_NE(note, nullptr);
        centres.push_back(note->GetBox().y + note->GetBox().height / 2);
        step += 6;
    }
    std::vector<int> lines;
    for (const Segment& line : HorizontalLines(StaffLines(bar, false))) {
        lines.push_back(line.from.y);
    }
    std::sort(lines.begin(), lines.end());
    std::sort(centres.begin(), centres.end());
    EXPECT_EQ(centres, lines);
}

TEST_F(StaffDrawingTest, ADrumStaffHasOneLineAndOnlyATimeSignature) {
    auto song = MakeSong(3, 4);
    const PercussionBar& bar = Drums(*song);
    const Box box = bar.GetBox();
    for (const bool header : {false, true}) {
        const auto lines = HorizontalLines(StaffLines(bar, header));
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].from, (Point{header ? box.x - 200 : box.x, box.y + 85}));
        EXPECT_EQ(lines[0].to.x, header ? box.x : box.x + box.width);
    }
    const RecordingDeviceContext dc = Header(bar);
    const auto texts = dc.OfKind(Kind::Text);
    ASSERT_EQ(texts.size(), 2u) << "no clef, no key";
    EXPECT_EQ(texts[0].text + texts[1].text, "34");
    EXPECT_EQ(Where(texts[0]), (Point{HeaderLeft(bar) + 160, box.y - 37}));
    EXPECT_EQ(Where(texts[1]), (Point{HeaderLeft(bar) + 160, box.y + 3}));
}

TEST_F(StaffDrawingTest, TheTrebleHeaderHasClefSharpsAndTimeInTheFirstBar) {
    auto song = MakeSong(6, 8, 4, 3);  // A major
    const MelodicBar& bar = Treble(*song);
    const int top = bar.GetBox().y;
    const int left = HeaderLeft(bar);
    const RecordingDeviceContext dc = Header(bar);
    for (const Call& call : dc.OfKind(Kind::Text)) {
        EXPECT_EQ(call.font, DrawResources::Instance().scoreFont);
    }

    const auto clefs = TextsOf(dc, ";<");
    ASSERT_EQ(clefs.size(), 1u);
    EXPECT_EQ(clefs[0].text, ";");
    EXPECT_EQ(Where(clefs[0]), (Point{left + 16, top + 4}));

    // F, C and G sharp, each on its own line or space.
    const auto sharps = dc.TextsEqual("=");
    ASSERT_EQ(sharps.size(), 3u);
    const int dy[] = {-55, -25, -65};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Where(sharps[static_cast<size_t>(i)]),
                  (Point{left + 60 + 13 * (i + 1), top + dy[i]}));
    }
    EXPECT_TRUE(dc.TextsEqual("?").empty());

    EXPECT_EQ(Where(dc.TextsEqual("6").at(0)), (Point{left + 160, top - 37}));
    EXPECT_EQ(Where(dc.TextsEqual("8").at(0)), (Point{left + 160, top + 3}));
    const RecordingDeviceContext later = Header(Treble(*song, 1));
    EXPECT_TRUE(TextsOf(later, "0123456789").empty()) << "the time is given once";
    EXPECT_EQ(later.TextsEqual("=").size(), 3u) << "the key on every line";
}

TEST_F(StaffDrawingTest, TheBassHeaderHasItsClefAndItsKeyOneSpaceLower) {
    auto song = MakeSong(4, 4, 4, -2);  // B flat major
    const MelodicBar& treble = Treble(*song);
    const MelodicBar& bass = BassBar(*song);
    const RecordingDeviceContext dc = Header(bass);
    const auto clefs = TextsOf(dc, ";<");
    ASSERT_EQ(clefs.size(), 1u);
    EXPECT_EQ(clefs[0].text, "<");
    EXPECT_EQ(Where(clefs[0]), (Point{HeaderLeft(bass) + 16, bass.GetBox().y - 36}));

    const auto bassFlats = dc.TextsEqual("?");
    const auto trebleFlats = Header(treble).TextsEqual("?");
    ASSERT_EQ(bassFlats.size(), 2u);
    ASSERT_EQ(trebleFlats.size(), 2u);
    const int dy[] = {-15, -48};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Where(trebleFlats[i]).y - treble.GetBox().y, dy[i]);
        EXPECT_EQ(Where(bassFlats[i]).y - bass.GetBox().y, dy[i] + 20);
        EXPECT_EQ(Where(bassFlats[i]).x, HeaderLeft(bass) + 60 + 13 * static_cast<int>(i + 1));
    }
}

TEST_F(StaffDrawingTest, ATwoDigitTimeSignatureLeavesOutWhatTheFontCannotShow) {
    auto song = MakeSong(12, 8);
    const RecordingDeviceContext dc = Header(Treble(*song));
    const auto digits = TextsOf(dc, "0123456789");
    ASSERT_EQ(digits.size(), 1u);
    EXPECT_EQ(digits[0].text, "8");
    for (const Call& call : dc.OfKind(Kind::Text)) {
        EXPECT_EQ(call.text.size(), 1u);
    }
}

TEST_F(StaffDrawingTest, ASelectedBarIsShadedInPaleBlue) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song, 1);
    RecordingDeviceContext unselected;
    bar.DrawSelection(unselected);
    EXPECT_TRUE(unselected.calls.empty());

    ToolsManager::Instance().SelectSingle(&bar);
    RecordingDeviceContext dc;
    bar.DrawSelection(dc);
    Treble(*song, 0).DrawSelection(dc);
    const auto boxes = dc.OfKind(Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 1u) << "only the selected bar";
    const Box box = bar.GetBox();
    EXPECT_EQ(boxes[0].points[0], (Point{box.x, box.y}));
    EXPECT_EQ(boxes[0].points[1], (Point{box.x + box.width, box.y + box.height}));
    EXPECT_EQ(boxes[0].pen, (PenSpec{{113, 164, 240}, 2}));
    EXPECT_TRUE(boxes[0].hasBrush);
    EXPECT_EQ(boxes[0].brush, (Color{240, 240, 255}));

    RecordingDeviceContext paper({-100000, -100000, 100000, 100000}, true);
    bar.DrawSelection(paper);
    EXPECT_TRUE(paper.calls.empty()) << "a printout shows no selection";
}

}  // namespace
