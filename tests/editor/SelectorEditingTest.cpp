#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/SelectorEditing.h"
#include "editor/tools/PencilTool.h"
#include "model/InstrumentCombo.h"
#include "model/StyleCombo.h"
#include "playback/MessageRecorder.h"
#include "support/RecordingObserver.h"
#include "support/ToolTestKit.h"

namespace {

using namespace notebar_test;
using namespace tool_test;

class SelectorEditingTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        editing = std::make_unique<SelectorEditing>(*window);
        SoundEngine::Instance().SetOutput(&output);
        UndoManager::Instance().Attach(&history, 0);
    }
    void TearDown() override {
        UndoManager::Instance().Detach(&history, 0);
        SoundEngine::Instance().SetOutput(nullptr);
        editing.reset();
        ToolTest::TearDown();
    }

    // A pencil click opens the list; the window starts the editing.
    void Open(FloatingCombo& combo) {
        Click(PencilTool::Instance(), CentreOf(combo.GetBoundingRect()));
        ASSERT_EQ(window->dropDowns.back(), &combo);
        editing->Begin(combo);
        output.Clear();
        history.calls.clear();
    }
    // Program changes sent, as (channel, program).
    std::vector<std::pair<int, int>> ProgramChanges() const {
        std::vector<std::pair<int, int>> changes;
        for (const auto& message : output.Messages()) {
            if (message.Command() == 0xC0) {
                changes.emplace_back(message.Channel(), message.data1);
            }
        }
        return changes;
    }

    std::unique_ptr<SelectorEditing> editing;
    MessageRecorder output;
    RecordingObserver history;
};

TEST_F(SelectorEditingTest, AChosenItemBecomesCurrentTellsTheEngineAndRecordsOnce) {
    auto& melodic = static_cast<InstrumentCombo&>(*song->GetTrack(1)->GetSelector());
    auto& drums = static_cast<InstrumentCombo&>(*song->GetTrack(3)->GetSelector());
    struct Case {
        const char* name;
        InstrumentCombo* combo;
        int item;
        int index;    // afterwards
        int program;  // afterwards: the program, or the drum key
        bool changes;
    };
    const Case cases[] = {
        {"[41]Violin", &melodic, 40, 40, 40, true},
        {"the current item again", &melodic, 40, 40, 40, false},
        {"nothing chosen", &melodic, -1, 40, 40, false},
        {"past the last item", &melodic, 128, 40, 40, false},
        {"[47]Open Triangle", &drums, 46, 46, 81, true},
        {"[1]Acoustic Bass Drum", &drums, 0, 0, 35, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(*c.combo);
        editing->Close(c.item);
        EXPECT_TRUE(tools.Selection().empty()) << "closing the list lets go of the selector";
        ASSERT_TRUE(editing->MustCommit());
        EXPECT_EQ(editing->Commit(), c.changes);
        EXPECT_FALSE(editing->IsOpen());
        EXPECT_EQ(c.combo->GetIndex(), c.index);
        EXPECT_EQ(c.combo->GetProgram(), c.program);
        const int channel = c.combo->GetChannel();
        EXPECT_EQ(SoundEngine::Instance().Entry(channel)->program, c.program);
        if (c.changes) {
            EXPECT_EQ(history.calls.size(), 1u);
            EXPECT_EQ(UndoManager::Instance().NameAt(UndoManager::Instance().CurrentIndex()),
                      "Data changed");
            EXPECT_FALSE(output.Messages().empty()) << "the engine hears the choice at once";
        } else {
            EXPECT_TRUE(history.calls.empty());
            EXPECT_TRUE(output.Messages().empty());
        }
    }
    EXPECT_EQ(melodic.CurrentText(), "[41]Violin");
}

TEST_F(SelectorEditingTest, AMelodicInstrumentSendsItsProgramChange) {
    FloatingCombo& combo = *song->GetTrack(1)->GetSelector();
    Open(combo);
    editing->Close(40);
    editing->Commit();
    const int channel = SoundEngine::Instance().Entry(combo.GetChannel())->channel;
    EXPECT_EQ(ProgramChanges(), (std::vector<std::pair<int, int>>{{channel, 40}}));
}

TEST_F(SelectorEditingTest, TheListStaysOpenWhileItsSelectorIsFirstSelected) {
    FloatingCombo& combo = *song->GetTrack(1)->GetSelector();
    Open(combo);
    EXPECT_FALSE(editing->MustCommit()) << "the release of the opening click keeps it";
    tools.SelectSingle(song->GetTrack(2)->GetSelector());
    EXPECT_TRUE(editing->MustCommit()) << "another object took the selection";
    EXPECT_FALSE(editing->Commit()) << "nothing was chosen";
}

TEST_F(SelectorEditingTest, AChordBoxTakesTheChordAsOneBarEdit) {
    ChordCombo& box = *ChordsBar(1).GetBeatBox(0);
    Open(box);
    editing->Close(4);
    ASSERT_TRUE(editing->MustCommit());
    EXPECT_TRUE(editing->Commit());
    EXPECT_EQ(box.GetIndex(), 4);
    EXPECT_EQ(history.calls.size(), 1u);
}

TEST_F(SelectorEditingTest, AStyleListsTheStylesForTheTimeSignature) {
    auto& styles = static_cast<StyleCombo&>(*song->GetTrack(0)->GetSelector());
    styles.SetStyles({"Ballad", "Pop", "Rock"});
    Open(styles);
    editing->Close(2);
    editing->Commit();
    EXPECT_EQ(styles.GetStyleName(), "Rock");
    EXPECT_EQ(history.calls.size(), 1u);
}

// A list held open over a selector whose track was deleted must not touch it.
TEST_F(SelectorEditingTest, ASelectorDeletedUnderTheListIsLeftAlone) {
    Open(*song->GetTrack(3)->GetSelector());
    tools.ClearSelection(false);
    song->DeleteTrack(3);
    editing->Close(5);
    EXPECT_FALSE(editing->Commit());
    EXPECT_TRUE(history.calls.empty());
}

}  // namespace
