#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/ToolsManager.h"
#include "model/ChordBar.h"
#include "model/DrawResources.h"
#include "model/FloatingCombo.h"
#include "model/Song.h"
#include "model/Track.h"
#include "model/VolumeSlider.h"
#include "support/EngineReset.h"
#include "support/RecordingDeviceContext.h"
#include "support/RecordingObserver.h"

namespace {

using Call = RecordingDeviceContext::Call;
using Kind = RecordingDeviceContext::Kind;

constexpr Color kWhite{255, 255, 255};
constexpr Color kBlack{0, 0, 0};
constexpr Color kBlue{0, 0, 255};

using Offsets = std::set<std::pair<int, int>>;

// Every offset from -reach to +reach on both axes.
Offsets Square(int reach) {
    Offsets all;
    for (int dx = -reach; dx <= reach; ++dx) {
        for (int dy = -reach; dy <= reach; ++dy) {
            all.insert({dx, dy});
        }
    }
    return all;
}

class ControlDrawingTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = std::make_unique<Song>("t", "a", 2, 100, Song::TimeSignature{4, 4}, 0);
        song->AddAccompanimentTrack();
        song->AddTrebleTrack();
        ChordBarAt(1)->PlaceNotes({1000, 500, 400, 120});
    }
    static RecordingDeviceContext Draw(SelObject& object, bool printing = false) {
        RecordingDeviceContext dc({-100000, -100000, 100000, 100000}, printing);
        object.Draw(dc);
        return dc;
    }
    ChordBar* ChordBarAt(int index) { return static_cast<ChordBar*>(song->GetBar(0, index)); }
    VolumeSlider& Slider(const Rect& rect, int value) {
        VolumeSlider& slider = *song->GetTrack(1)->GetVolumeSlider();
        slider.SetRect(rect);
        slider.SetValue(value, false);
        return slider;
    }
    static void Hover(SelObject* object) { ToolsManager::Instance().SetHover(object); }
    std::unique_ptr<Song> song;
};

// ---- selectors ----

TEST_F(ControlDrawingTest, InstrumentNameStandsOnAWhiteHalo) {
    FloatingCombo& selector = *song->GetTrack(1)->GetSelector();
    selector.SetRect({200, 100, 500, 130});
    selector.SetIndex(40, false);
    const std::string name = selector.CurrentText();
    ASSERT_FALSE(name.empty());

    RecordingDeviceContext dc = Draw(selector);
    auto writes = dc.OfKind(Kind::Text);
    ASSERT_EQ(writes.size(), 26u);
    Offsets haloOffsets;
    for (size_t i = 0; i < 25; ++i) {
        EXPECT_EQ(writes[i].text, name);
        EXPECT_EQ(writes[i].textColor, kWhite);
        haloOffsets.insert({writes[i].points[0].x - 200, writes[i].points[0].y - 100});
    }
    EXPECT_EQ(haloOffsets, Square(2));
    EXPECT_EQ(writes[25].points[0], (Point{200, 100}));
    EXPECT_EQ(writes[25].textColor, kBlack);
    EXPECT_EQ(writes[25].font, DrawResources::Instance().textFont);

    Hover(&selector);
    writes = Draw(selector).OfKind(Kind::Text);
    ASSERT_EQ(writes.size(), 26u);
    EXPECT_EQ(writes[25].textColor, kBlue);
    EXPECT_EQ(writes[25].font, (FontSpec{"Tahoma", 28, 400, false, true}));

    selector.SetIndex(0, false);
    writes = Draw(selector).OfKind(Kind::Text);
    EXPECT_EQ(writes.size(), 26u) << "an instrument list has no empty-box hint";
}

// ---- chord boxes ----

TEST_F(ControlDrawingTest, SubStyleSquareCarriesItsColourAndLetter) {
    ChordCombo& box = *ChordBarAt(1)->GetBeatBox(0);
    const Rect r = box.GetRect();
    const char* letters[] = {"A", "B", "I", "FI", "E"};
    for (int style = ChordCombo::StyleA; style < ChordCombo::NoSubStyle; ++style) {
        SCOPED_TRACE(style);
        box.SetSubStyle(style);
        const RecordingDeviceContext dc = Draw(box);
        const auto squares = dc.OfKind(Kind::FillRect);
        ASSERT_EQ(squares.size(), 1u);
        EXPECT_EQ(squares[0].points,
                  (std::vector<Point>{{r.left + 50, r.top}, {r.left + 75, r.top + 25}}));
        EXPECT_EQ(squares[0].brush,
                  DrawResources::Instance().subStyleBrushes[static_cast<size_t>(style)]);
        const auto labels = dc.TextsEqual(letters[style]);
        ASSERT_EQ(labels.size(), 1u);
        const Call& label = labels[0];
        EXPECT_EQ(label.textColor, kWhite);
        EXPECT_EQ(label.font.height, DrawResources::Instance().smallTextFont.height);
        EXPECT_EQ(label.points[0].y, r.top);
        // The recording context's extent is half the font height per byte.
        const int width = static_cast<int>(label.text.size()) * label.font.height / 2;
        EXPECT_LE(std::abs(2 * label.points[0].x + width - (2 * r.left + 125)), 1)
            << "centred on the square";
    }
    box.SetSubStyle(ChordCombo::NoSubStyle);
    const RecordingDeviceContext dc = Draw(box);
    EXPECT_TRUE(dc.OfKind(Kind::FillRect).empty());
    EXPECT_TRUE(dc.OfKind(Kind::Text).empty()) << "an empty box without sub-style writes nothing";
}

TEST_F(ControlDrawingTest, ChordNameIsWrittenInsideTheFrame) {
    ChordCombo& box = *ChordBarAt(1)->GetBeatBox(2);
    const Rect r = box.GetRect();
    ASSERT_TRUE(box.SelectText("Am", false));
    RecordingDeviceContext dc = Draw(box);
    auto names = dc.TextsEqual("Am");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_GT(names[0].points[0].x, r.left);
    EXPECT_GT(names[0].points[0].y, r.top);
    EXPECT_LT(names[0].points[0].x, r.left + 50) << "clear of the sub-style square";
    EXPECT_EQ(names[0].font, DrawResources::Instance().headingFont);
    EXPECT_EQ(names[0].textColor, kBlack);

    const auto frames = dc.OfKind(Kind::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].points, (std::vector<Point>{{r.left, r.top}, {r.right, r.bottom}}));
    EXPECT_EQ(frames[0].pen, (PenSpec{{220, 220, 255}, 2}));
    EXPECT_FALSE(frames[0].hasBrush);

    Hover(&box);
    names = Draw(box).TextsEqual("Am");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].textColor, kBlue);

    dc = Draw(box, true);
    EXPECT_TRUE(dc.OfKind(Kind::Rectangle).empty()) << "the frame is an on-screen aid";
    EXPECT_EQ(dc.TextsEqual("Am").size(), 1u);
}

TEST_F(ControlDrawingTest, EmptyBoxShowsItsHintOnlyUnderThePointer) {
    ChordBar& bar = *ChordBarAt(1);
    ChordCombo& box = *bar.GetBeatBox(1);
    EXPECT_TRUE(Draw(box).TextsEqual("::").empty());

    Hover(bar.GetBeatBox(2));
    EXPECT_TRUE(Draw(box).TextsEqual("::").empty()) << "another box is hovered";

    Hover(&box);
    const auto hints = Draw(box).TextsEqual("::");
    ASSERT_EQ(hints.size(), 1u);
    EXPECT_EQ(hints[0].points[0], (Point{box.GetRect().left, box.GetRect().top}));
    EXPECT_EQ(hints[0].textColor, kBlue);

    box.SelectText("G7", false);
    const RecordingDeviceContext dc = Draw(box);
    EXPECT_TRUE(dc.TextsEqual("::").empty()) << "a chord replaces the hint";
    EXPECT_EQ(dc.TextsEqual("G7").size(), 1u);
}

TEST_F(ControlDrawingTest, ChordBarDrawsItsBoxesOnlyWhenVisible) {
    ChordBar& bar = *ChordBarAt(1);
    bar.GetBeatBox(3)->SelectText("F", false);
    const Rect r = bar.GetBoundingRect();

    RecordingDeviceContext outside({r.right + 10, r.top, r.right + 500, r.bottom});
    bar.Draw(outside);
    EXPECT_TRUE(outside.calls.empty());

    RecordingDeviceContext overlapping(
        {r.right - 10, r.bottom - 10, r.right + 500, r.bottom + 500});
    bar.Draw(overlapping);
    EXPECT_EQ(overlapping.OfKind(Kind::Rectangle).size(), 4u) << "one frame per beat";
    EXPECT_EQ(overlapping.TextsEqual("F").size(), 1u);
}

// ---- volume slider ----

TEST_F(ControlDrawingTest, SliderFillsItsGrooveInProportion) {
    // 200 wide: the groove runs from 40 to 190, 150 units.
    const std::pair<int, int> cases[] = {{0, 40}, {50, 115}, {100, 190}, {33, 89}};
    for (const auto& [value, fillEnd] : cases) {
        SCOPED_TRACE(value);
        VolumeSlider& slider = Slider({0, 0, 200, 40}, value);
        const auto shapes = Draw(slider).OfKind(Kind::Rectangle);
        ASSERT_EQ(shapes.size(), 2u);
        EXPECT_EQ(shapes[0].points, (std::vector<Point>{{40, 10}, {190, 30}}));
        EXPECT_EQ(shapes[0].brush, kWhite);
        EXPECT_EQ(shapes[0].pen, (PenSpec{{230, 230, 230}, 2}));
        EXPECT_EQ(shapes[1].points, (std::vector<Point>{{40, 10}, {fillEnd, 30}}));
        EXPECT_EQ(shapes[1].pen.color, (Color{215, 187, 187}));
        EXPECT_EQ(shapes[1].brush, (Color{240, 230, 230}));
    }
    VolumeSlider& slider = Slider({0, 0, 200, 40}, 60);
    ToolsManager::Instance().SelectSingle(&slider);
    const auto shapes = Draw(slider).OfKind(Kind::Rectangle);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].pen.color, kBlue);
    EXPECT_EQ(shapes[1].pen.color, kBlue);
    EXPECT_EQ(shapes[1].brush, (Color{220, 210, 255}));
}

TEST_F(ControlDrawingTest, SliderPercentageShowsWhenActiveAndFlipsSidesAtHalf) {
    VolumeSlider& slider = Slider({0, 100, 200, 140}, 49);
    EXPECT_TRUE(Draw(slider).OfKind(Kind::Text).empty()) << "at rest no percentage";

    Hover(&slider);
    // Fill ends: 49 -> 40 + 73; 50 -> 40 + 75.
    const std::pair<int, int> cases[] = {{49, 113 + 25}, {50, 115 - 60}};
    for (const auto& [value, left] : cases) {
        SCOPED_TRACE(value);
        slider.SetValue(value, false);
        const auto writes = Draw(slider).OfKind(Kind::Text);
        ASSERT_EQ(writes.size(), 50u);
        const std::string label = std::to_string(value) + "%";
        Offsets haloOffsets;
        for (size_t i = 0; i < 49; ++i) {
            EXPECT_EQ(writes[i].text, label);
            EXPECT_EQ(writes[i].textColor, kWhite);
            haloOffsets.insert({writes[i].points[0].x - left, writes[i].points[0].y - 97});
        }
        EXPECT_EQ(haloOffsets, Square(3));
        EXPECT_EQ(writes[49].text, label);
        EXPECT_EQ(writes[49].points[0], (Point{left, 97}));
        EXPECT_EQ(writes[49].textColor, (Color{0, 0, 200}));
    }
}

TEST_F(ControlDrawingTest, SpeakerIconIsFiveRisingGreyLines) {
    VolumeSlider& slider = Slider({300, 500, 500, 540}, 80);
    const auto lines = Draw(slider).OfKind(Kind::Line);
    ASSERT_EQ(lines.size(), 5u);
    const std::vector<std::vector<Point>> expected = {{{310, 520}, {310, 530}},
                                                      {{314, 518}, {314, 530}},
                                                      {{318, 516}, {318, 530}},
                                                      {{322, 514}, {322, 530}},
                                                      {{326, 512}, {326, 530}}};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].points, expected[i]) << i;
        EXPECT_EQ(lines[i].pen.color, (Color{200, 200, 200}));
    }
}

TEST_F(ControlDrawingTest, FinishedDragBecomesOneContentChange) {
    VolumeSlider& slider = Slider({0, 0, 200, 40}, 70);
    RecordingObserver observer;
    slider.Attach(&observer, 10);

    slider.SetChanged(true);
    Hover(&slider);
    Draw(slider);
    ToolsManager::Instance().SelectSingle(&slider);
    Draw(slider);
    EXPECT_EQ(observer.CountFor(10), 0) << "still being dragged";
    EXPECT_TRUE(slider.IsChanged());

    ToolsManager::Instance().ClearSelection(false);
    Draw(slider);
    EXPECT_EQ(observer.CountFor(10), 1);
    EXPECT_FALSE(slider.IsChanged());
    Draw(slider);
    EXPECT_EQ(observer.CountFor(10), 1) << "only once per drag";
}

}  // namespace
