#include <gtest/gtest.h>

#include <string>

#include "editor/EditorMessages.h"
#include "editor/TransportPanelForm.h"
#include "platform/FixedPrompt.h"
#include "support/FakeTransportEngine.h"

namespace {

class TransportPanelFormTest : public ::testing::Test {
protected:
    FakeTransportEngine engine;
    FixedPrompt prompt{Prompt::Ok};
    TransportPanelForm form{engine, prompt};
};

TEST_F(TransportPanelFormTest, BarBoxReadsAtLeastOneAndSetsTheStartBar) {
    struct Case {
        const char* typed;
        const char* shown;
        int startBar;
    };
    const Case cases[] = {
        {"5", "5", 4},
        {"0", "1", 0},
        {"abc", "1", 0},
        {"", "1", 0},
        {"-3", "1", 0},
        {" 12x", "12", 11},
        {"99999999999999", "999999999", 999999998},
    };
    for (const Case& c : cases) {
        engine.startBar = 7;
        EXPECT_EQ(form.CommitBar(c.typed), c.shown) << c.typed;
        EXPECT_EQ(engine.startBar, c.startBar) << c.typed;
    }
    EXPECT_TRUE(prompt.AskedSoFar().empty()) << "the bar box never warns";
}

TEST_F(TransportPanelFormTest, BarStepsAndRewindStayAtOrAboveTheFirstBar) {
    EXPECT_EQ(form.StepBar("3", 1), "4");
    EXPECT_EQ(engine.startBar, 3);
    EXPECT_EQ(form.StepBar("3", -1), "2");
    EXPECT_EQ(engine.startBar, 1);
    EXPECT_EQ(form.StepBar("1", -1), "1");
    EXPECT_EQ(engine.startBar, 0);
    EXPECT_EQ(form.StepBar("abc", 1), "1");
    engine.startBar = 9;
    EXPECT_EQ(form.Rewind(), "1");
    EXPECT_EQ(engine.startBar, 0);
}

TEST_F(TransportPanelFormTest, TempoOutsideItsRangeIsHeldThereWithAWarning) {
    struct Case {
        const char* typed;
        const char* shown;
        bool corrected;
    };
    const Case cases[] = {
        {"300", "208", true}, {"10", "20", true},  {"abc", "20", true},  {"208", "208", false},
        {"20", "20", false},  {"96", "96", false}, {"209", "208", true}, {"19", "20", true},
    };
    for (const Case& c : cases) {
        const size_t before = prompt.AskedSoFar().size();
        std::string written;
        bool selected = false;
        size_t messagesWhenWritten = 0;
        const std::string shown =
            form.CommitTempo(c.typed, [&](const std::string& text, bool select) {
                written = text;
                selected = select;
                messagesWhenWritten = prompt.AskedSoFar().size();
            });
        EXPECT_EQ(shown, c.shown) << c.typed;
        EXPECT_EQ(written, c.shown) << c.typed;
        EXPECT_EQ(std::to_string(engine.tempo), c.shown) << c.typed;
        EXPECT_EQ(selected, c.corrected) << c.typed;
        EXPECT_EQ(messagesWhenWritten, before) << c.typed << ": the box shows the tempo first";
        ASSERT_EQ(prompt.AskedSoFar().size(), before + (c.corrected ? 1 : 0)) << c.typed;
        if (c.corrected) {
            const FixedPrompt::Asked& asked = prompt.AskedSoFar().back();
            EXPECT_EQ(asked.text, "The tempo must be within 20 and 208");
            EXPECT_EQ(asked.caption, "Warning");
            EXPECT_EQ(asked.icon, Prompt::WarningIcon);
        }
    }
}

TEST_F(TransportPanelFormTest, TempoStepsStopAtTheEndsWithoutAWarning) {
    EXPECT_EQ(form.StepTempo("120", 1), "121");
    EXPECT_EQ(engine.tempo, 121);
    EXPECT_EQ(form.StepTempo("120", -1), "119");
    EXPECT_EQ(form.StepTempo("208", 1), "208");
    EXPECT_EQ(form.StepTempo("20", -1), "20");
    EXPECT_EQ(engine.tempo, 20);
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

TEST_F(TransportPanelFormTest, ShowsThePlayingPositionWhilePlayingAndTheStartBarOtherwise) {
    engine.tempo = 96;
    engine.startBar = 4;
    engine.currentBar = 9;
    engine.currentBeat = 2;
    TransportPanelForm::Shown shown = form.Position();
    EXPECT_EQ(shown.bar, "5");
    EXPECT_EQ(shown.beat, "1");
    EXPECT_EQ(shown.tempo, "96");
    engine.active = true;
    engine.preparing = true;
    shown = form.Position();
    EXPECT_EQ(shown.bar, "5") << "while preparing, the counters are the last play's";
    EXPECT_EQ(shown.beat, "1");
    engine.preparing = false;
    shown = form.Position();
    EXPECT_EQ(shown.bar, "10");
    EXPECT_EQ(shown.beat, "3");
    engine.currentBeat = -1;
    EXPECT_EQ(form.Position().beat, "1") << "before the first beat of a play";
}

TEST_F(TransportPanelFormTest, ControlsFollowThePlayingState) {
    struct Case {
        bool active;
        bool preparing;
        bool enabled;
        bool pause;
    };
    const Case cases[] = {
        {false, false, true, false}, {true, true, false, false}, {true, false, false, true}};
    for (const Case& c : cases) {
        engine.active = c.active;
        engine.preparing = c.preparing;
        EXPECT_EQ(form.BoxesEnabled(), c.enabled) << c.active << c.preparing;
        EXPECT_EQ(form.ShowsPause(), c.pause) << c.active << c.preparing;
    }
}

TEST_F(TransportPanelFormTest, BeatPictureFollowsTheBeatUnit) {
    using Picture = TransportPanelForm::BeatPicture;
    EXPECT_EQ(TransportPanelForm::PictureFor(2), Picture::Half);
    EXPECT_EQ(TransportPanelForm::PictureFor(4), Picture::Quarter);
    EXPECT_EQ(TransportPanelForm::PictureFor(8), Picture::Eighth);
}

}  // namespace
