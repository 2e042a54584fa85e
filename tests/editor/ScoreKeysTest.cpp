#include <gtest/gtest.h>

#include "editor/ScoreKeys.h"
#include "editor/ToolsManager.h"
#include "model/Note.h"
#include "model/Song.h"
#include "support/EngineReset.h"

namespace {

class ScoreKeysTest : public EngineReset {};

TEST_F(ScoreKeysTest, DigitsChooseTheValueOfWhatIsWritten) {
    struct Case {
        char key;
        int kindBefore;
        int value;
        int kindAfter;
    };
    const Case cases[] = {
        {'1', ToolsManager::NoteInput, 1, ToolsManager::NoteInput},
        {'2', ToolsManager::RestInput, 2, ToolsManager::RestInput},
        {'3', ToolsManager::TieInput, 4, ToolsManager::NoteInput},
        {'4', ToolsManager::NoteInput, 8, ToolsManager::NoteInput},
        {'5', ToolsManager::RestInput, 16, ToolsManager::RestInput},
    };
    ToolsManager& tools = ToolsManager::Instance();
    for (const Case& c : cases) {
        tools.SetTool(ToolsManager::Eraser);
        tools.SetInputKind(c.kindBefore);
        EXPECT_TRUE(ScoreKeys::Press(c.key)) << c.key;
        EXPECT_EQ(tools.NoteValue(), c.value) << c.key;
        EXPECT_EQ(tools.InputKind(), c.kindAfter) << c.key;
        EXPECT_EQ(tools.ToolIndex(), ToolsManager::Pencil) << c.key;
    }
}

TEST_F(ScoreKeysTest, LettersSwapRestsStepTheToolAndChooseTheLength) {
    ToolsManager& tools = ToolsManager::Instance();
    tools.SetNoteValue(4);
    EXPECT_TRUE(ScoreKeys::Press('S'));
    EXPECT_EQ(tools.InputKind(), ToolsManager::RestInput);
    EXPECT_TRUE(ScoreKeys::Press('s'));
    EXPECT_EQ(tools.InputKind(), ToolsManager::NoteInput);

    EXPECT_TRUE(ScoreKeys::Press('.'));
    EXPECT_TRUE(tools.IsDotted());
    EXPECT_TRUE(ScoreKeys::Press('P'));
    EXPECT_TRUE(tools.IsTriplet());
    EXPECT_TRUE(ScoreKeys::Press('p'));
    EXPECT_EQ(tools.LengthModifier(), ToolsManager::Plain);

    auto song = std::make_unique<Song>("t", "a", 2, 100, Song::TimeSignature{4, 4}, 0);
    song->AddTrebleTrack();
    const int cycle[] = {ToolsManager::Eraser, ToolsManager::Select, ToolsManager::Pencil,
                         ToolsManager::Eraser};
    for (int expected : cycle) {
        if (tools.ToolIndex() == ToolsManager::Select) {
            tools.SelectSingle(song->GetBar(0, 0));
        }
        EXPECT_TRUE(ScoreKeys::Press('T'));
        EXPECT_EQ(tools.ToolIndex(), expected);
    }
    EXPECT_TRUE(tools.Selection().empty()) << "leaving the select tool ends the selection";
    tools.SetTool(9);
    EXPECT_TRUE(ScoreKeys::Press('t'));
    EXPECT_EQ(tools.ToolIndex(), ToolsManager::Pencil);
}

TEST_F(ScoreKeysTest, OtherKeysAreLeftToTheView) {
    ToolsManager& tools = ToolsManager::Instance();
    for (char key : {'0', '6', 'x', ' ', 'Q', '\t'}) {
        EXPECT_FALSE(ScoreKeys::Press(key)) << key;
    }
    EXPECT_EQ(tools.NoteValue(), 8);
    EXPECT_EQ(tools.InputKind(), ToolsManager::NoteInput);
    EXPECT_EQ(tools.ToolIndex(), ToolsManager::Pencil);
}

}  // namespace
