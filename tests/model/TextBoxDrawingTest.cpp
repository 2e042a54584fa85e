#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "editor/ToolsManager.h"
#include "model/LyricText.h"
#include "model/Song.h"
#include "model/TextMeasurer.h"
#include "model/UserText.h"
#include "support/EngineReset.h"
#include "support/RecordingDeviceContext.h"

namespace {

using Kind = RecordingDeviceContext::Kind;

constexpr Color kHalo{240, 240, 240};
constexpr Color kPlaceholder{220, 220, 220};
constexpr Color kHoveredPlaceholder{108, 108, 255};

// A text box of any alignment, as none of the song's own boxes is right-aligned.
class AlignedText : public FloatingText {
public:
    AlignedText(const Box& box, int alignment, int height = 30)
        : FloatingText(nullptr, box, "aligned", StyleFor(alignment, height)) {}
    const char* GetClassName() const override { return "AlignedText"; }
    std::unique_ptr<SelObject> Clone() const override {
        return std::make_unique<AlignedText>(*this);
    }

protected:
    Archive::Cursor FileElement() const override { return Archive::RootElement; }

private:
    static Style StyleFor(int alignment, int height) {
        Style style;
        style.alignment = alignment;
        style.height = height;
        return style;
    }
};

// Ten units per byte, the font's height high; remembers the fonts it was asked about.
class FixedMeasurer : public TextMeasurer {
public:
    Size Measure(const FontSpec& font, std::string_view text) const override {
        fonts.push_back(font);
        return {10 * static_cast<int>(text.size()), font.height};
    }
    mutable std::vector<FontSpec> fonts;
};

class TextBoxDrawingTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = std::make_unique<Song>("Title", "Author", 2, 100, Song::TimeSignature{4, 4}, 0);
    }
    void TearDown() override {
        TextMeasurer::SetInstance(nullptr);
        EngineReset::TearDown();
    }
    static std::vector<RecordingDeviceContext::Call> Draw(FloatingText& text,
                                                          bool printing = false) {
        RecordingDeviceContext dc({-100000, -100000, 100000, 100000}, printing);
        text.Draw(dc);
        return dc.OfKind(Kind::Text);
    }
    std::unique_ptr<Song> song;
};

TEST_F(TextBoxDrawingTest, EmptyBoxShowsItsPlaceholderInAHalo) {
    UserText* text = song->AddUserText(300, 400);
    const auto writes = Draw(*text);
    ASSERT_EQ(writes.size(), 5u);
    std::set<std::pair<int, int>> haloSpots;
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(writes[i].text, "Insert Text...");
        EXPECT_EQ(writes[i].textColor, kHalo);
        haloSpots.insert({writes[i].points[0].x, writes[i].points[0].y});
    }
    EXPECT_EQ(haloSpots,
              (std::set<std::pair<int, int>>{{298, 398}, {302, 398}, {298, 402}, {302, 402}}));
    EXPECT_EQ(writes[4].points[0], (Point{300, 400}));
    EXPECT_EQ(writes[4].textColor, kPlaceholder);
    EXPECT_FALSE(writes[4].font.underline);

    ToolsManager::Instance().SetHover(text);
    const auto hovered = Draw(*text);
    ASSERT_EQ(hovered.size(), 5u);
    EXPECT_EQ(hovered[0].textColor, kHalo);
    EXPECT_EQ(hovered[4].textColor, kHoveredPlaceholder);
    EXPECT_TRUE(hovered[4].font.underline) << "a hovered box uses its active font";
}

TEST_F(TextBoxDrawingTest, PrintingLeavesPlaceholdersOut) {
    UserText* text = song->AddUserText(300, 400);
    EXPECT_TRUE(Draw(*text, true).empty());
    ToolsManager::Instance().SetHover(text);
    EXPECT_TRUE(Draw(*text, true).empty()) << "not even under the pointer";
    text->SetText("Verse 2");
    const auto writes = Draw(*text, true);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].text, "Verse 2");
}

TEST_F(TextBoxDrawingTest, SelectedOrHoveredTextIsUnderlinedInTheActiveColour) {
    UserText* text = song->AddUserText(300, 400);
    text->SetText("Chorus");
    auto writes = Draw(*text);
    ASSERT_EQ(writes.size(), 1u) << "a text with content has no halo";
    EXPECT_EQ(writes[0].points[0], (Point{300, 400}));
    EXPECT_EQ(writes[0].textColor, (Color{240, 118, 0}));
    EXPECT_EQ(writes[0].font, (FontSpec{"Tahoma", 30, 900, false, false}));

    ToolsManager::Instance().SelectSingle(text);
    writes = Draw(*text);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].textColor, (Color{255, 142, 30}));
    EXPECT_EQ(writes[0].font, (FontSpec{"Tahoma", 30, 900, false, true}));
    EXPECT_EQ(writes[0].font, text->GetActiveFont());

    ToolsManager::Instance().ClearSelection(false);
    ToolsManager::Instance().SetHover(text);
    writes = Draw(*text);
    EXPECT_EQ(writes[0].textColor, (Color{255, 142, 30}));
    EXPECT_TRUE(writes[0].font.underline);
}

TEST_F(TextBoxDrawingTest, TheAlignmentDecidesWhereTheTextStarts) {
    // The recording context measures half the font height per byte: "abcd"
    // in a 30-unit font is 60 wide.
    AlignedText left({100, 50, 300, 30}, FloatingText::AlignLeft);
    AlignedText right({100, 50, 300, 30}, FloatingText::AlignRight);
    AlignedText centred({100, 50, 300, 30}, FloatingText::AlignCentre);
    const std::pair<AlignedText*, int> cases[] = {{&left, 100}, {&right, 340}, {&centred, 220}};
    for (const auto& [box, x] : cases) {
        box->SetText("abcd");
        const auto writes = Draw(*box);
        ASSERT_EQ(writes.size(), 1u);
        EXPECT_EQ(writes[0].points[0], (Point{x, 50}));
    }
    // A centred placeholder and its halo centre on the box too: "::" in the
    // lyrics' 40-unit font is 40 wide, under a box 60 wide.
    LyricText lyric(nullptr, {100, 300, 60, 60});
    const auto writes = Draw(lyric);
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes[4].points[0], (Point{110, 300}));
    EXPECT_EQ(writes[0].points[0].x, 108);
}

TEST_F(TextBoxDrawingTest, MeasuringKeepsTheEdgeTheAlignmentHangsOn) {
    FixedMeasurer measurer;
    TextMeasurer::SetInstance(&measurer);
    AlignedText left({100, 50, 300, 30}, FloatingText::AlignLeft, 35);
    AlignedText right({100, 50, 300, 30}, FloatingText::AlignRight, 35);
    AlignedText centred({100, 50, 300, 30}, FloatingText::AlignCentre, 35);
    const std::pair<AlignedText*, Rect> cases[] = {
        {&left, {100, 50, 140, 85}}, {&right, {360, 50, 400, 85}}, {&centred, {230, 50, 270, 85}}};
    for (const auto& [box, expected] : cases) {
        box->SetText("abcd");
        box->Measure();
        EXPECT_EQ(box->GetRect(), expected);
        ASSERT_FALSE(measurer.fonts.empty());
        EXPECT_EQ(measurer.fonts.back(), box->GetNormalFont());
        EXPECT_FALSE(measurer.fonts.back().underline);
    }
    // Growing again from the measured box keeps the same anchor.
    right.SetText("abcdefgh");
    right.Measure();
    EXPECT_EQ(right.GetRect(), (Rect{320, 50, 400, 85}));
    // An empty box is as large as its placeholder ("Insert Text...", 14 bytes).
    left.SetText("");
    left.Measure();
    EXPECT_EQ(left.GetRect(), (Rect{100, 50, 240, 85}));
}

TEST_F(TextBoxDrawingTest, MeasuringWithADeviceContextUsesItsExtent) {
    AlignedText right({100, 50, 300, 30}, FloatingText::AlignRight);
    right.SetText("abcd");
    RecordingDeviceContext dc;
    right.Measure(dc);
    EXPECT_EQ(right.GetRect(), (Rect{340, 50, 400, 80}));
}

TEST_F(TextBoxDrawingTest, LyricBoxesNeverShrinkBelowTheirPlaceUnderTheNote) {
    FixedMeasurer measurer;
    TextMeasurer::SetInstance(&measurer);
    LyricText lyric(nullptr, {100, 300, 40, 60});
    lyric.SetText("a");
    lyric.Measure();
    EXPECT_EQ(lyric.GetBox(), (Box{100, 300, 40, 60}));
    lyric.SetText("twinkling");
    lyric.Measure();
    EXPECT_EQ(lyric.GetBox(), (Box{75, 300, 90, 60})) << "grows about the note's centre";
    lyric.SetText("a");
    lyric.Measure();
    EXPECT_EQ(lyric.GetBox(), (Box{100, 300, 40, 60}))
        << "back to the bar's box, not the grown one";
    lyric.SetBox({500, 300, 30, 60});
    lyric.Measure();
    EXPECT_EQ(lyric.GetBox(), (Box{500, 300, 30, 60})) << "a new place is the new minimum";
}

}  // namespace
