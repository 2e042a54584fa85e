#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/TextBoxEditing.h"
#include "editor/tools/PencilTool.h"
#include "editor/tools/SelectTool.h"
#include "model/LyricText.h"
#include "model/SongText.h"
#include "model/TrackTitle.h"
#include "model/UserText.h"
#include "support/RecordingObserver.h"
#include "support/ToolTestKit.h"

namespace {

using namespace notebar_test;
using namespace tool_test;
using Key = TextBoxEditing::Key;

// The union of the areas waiting to be repainted covers the rectangle.
bool Covers(const std::vector<Rect>& areas, const Rect& rect) {
    if (areas.empty()) {
        return false;
    }
    Rect all = areas.front();
    for (const Rect& area : areas) {
        all = all.United(area);
    }
    return all.left <= rect.left && all.top <= rect.top && all.right >= rect.right &&
           all.bottom >= rect.bottom;
}

std::string LastRecord() {
    const UndoManager& undo = UndoManager::Instance();
    return undo.NameAt(undo.CurrentIndex());
}

class TextBoxEditingTest : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        editing = std::make_unique<TextBoxEditing>(*window);
        UndoManager::Instance().Attach(&history, 0);
    }
    void TearDown() override {
        UndoManager::Instance().Detach(&history, 0);
        editing.reset();
        ToolTest::TearDown();
    }

    // Opens the box as a pencil click does, and the field over it as the
    // window does.
    void OpenWithPencil(FloatingText& box) {
        Click(pencil, CentreOf(box.GetRect()));
        ASSERT_FALSE(window->editFields.empty());
        ASSERT_EQ(window->editFields.back(), &box);
        editing->Begin(box);
        tools.ClearDirtyRects();
        recorder.TakeRepaintAreas();
    }
    // The key after typing into the field, and what the window does then: a
    // deselected box commits what was typed, and a field the tool opened
    // meanwhile becomes the edited one.
    void TypeThenPress(const std::string& typed, Key key) {
        const size_t fieldsBefore = window->editFields.size();
        editing->Press(key);
        if (editing->MustCommit()) {
            editing->Commit(typed);
        }
        if (window->editFields.size() > fieldsBefore) {
            editing->Begin(*window->editFields.back());
        }
    }
    // Four quarter notes in the treble track's first bar, lyrics shown.
    std::vector<LyricText*> FourSyllables() {
        for (const int step : {0, 24, 48, 72}) {
            Put(TrebleBar(0), step, "C5", 4);
        }
        song->GetTrack(1)->ShowLyrics();
        song->Relayout();
        std::vector<LyricText*> lyrics;
        for (const auto& [step, lyric] : TrebleBar(0).GetLyrics()) {
            lyrics.push_back(lyric.get());
        }
        return lyrics;
    }

    PencilTool& pencil = PencilTool::Instance();
    std::unique_ptr<TextBoxEditing> editing;
    // Hears every entry the history records.
    RecordingObserver history;
};

TEST_F(TextBoxEditingTest, ACommitKeepsTheTextOnlyWhenItIsNewAndRecordsItOnce) {
    const std::string longest(FloatingText::kMaxTextLength, 'a');
    // An "é" (two bytes) that would straddle the limit is dropped whole.
    const std::string accented = std::string(FloatingText::kMaxTextLength - 1, 'b') + "\xC3\xA9";
    struct Case {
        const char* name;
        std::string input;
        std::string text;
        bool changes;
    };
    const Case cases[] = {
        {"new text", "Ode to Joy", "Ode to Joy", true},
        {"empty input", "", "t", false},
        {"the same text", "t", "t", false},
        {"too long", longest + "overflow", longest, true},
        {"a character across the limit", accented, accented.substr(0, accented.size() - 2), true},
    };
    SongText& title = *song->GetTitleText();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        title.SetText("t");
        title.Measure();
        history.calls.clear();
        const Rect before = title.GetRect();
        OpenWithPencil(title);
        Click(pencil, {1200, 2900});
        ASSERT_TRUE(editing->MustCommit()) << "the click away deselected the box";

        EXPECT_EQ(editing->Commit(c.input), c.changes);
        EXPECT_FALSE(editing->IsOpen());
        EXPECT_EQ(title.GetText(), c.text);
        const std::vector<Rect> repaint = recorder.TakeRepaintAreas();
        if (c.changes) {
            EXPECT_EQ(history.calls.size(), 1u);
            EXPECT_EQ(LastRecord(), "Data changed");
            EXPECT_TRUE(Covers(repaint, before)) << "the old text is wiped";
            EXPECT_TRUE(Covers(repaint, title.GetRect())) << "the new text is drawn";
            EXPECT_GT(title.GetRect().right - title.GetRect().left, before.right - before.left)
                << "the box is measured for its new text";
        } else {
            EXPECT_TRUE(history.calls.empty());
            EXPECT_TRUE(repaint.empty());
            EXPECT_EQ(title.GetRect(), before);
        }
    }
}

TEST_F(TextBoxEditingTest, EveryKindOfTextBoxTakesItsTextWithEnter) {
    Put(TrebleBar(1), 0, "C5", 4);
    song->GetTrack(1)->ShowLyrics();
    song->Relayout();
    FloatingText* boxes[] = {song->GetAuthorText(), song->GetTrack(2)->GetTitleText(),
                             song->AddUserText(600, 2700), TrebleBar(1).GetLyrics().at(0).get()};
    for (FloatingText* box : boxes) {
        SCOPED_TRACE(box->GetClassName());
        OpenWithPencil(*box);
        history.calls.clear();
        EXPECT_TRUE(editing->Press(Key::Enter));
        EXPECT_TRUE(tools.Selection().empty());
        EXPECT_TRUE(Covers(tools.DirtyRects(), box->GetRect())) << "the box is drawn at rest";
        ASSERT_TRUE(editing->MustCommit());
        editing->Commit("la");
        EXPECT_EQ(box->GetText(), "la");
        EXPECT_EQ(history.calls.size(), 1u);
        EXPECT_EQ(LastRecord(), "Data changed");
    }
}

TEST_F(TextBoxEditingTest, SpaceAndTabWalkTheBarsSyllablesAndStopAtItsEnds) {
    const std::vector<LyricText*> lyrics = FourSyllables();
    ASSERT_EQ(lyrics.size(), 4u);
    struct Case {
        int from;
        Key key;
        int to;  // -1: editing stops
    };
    const Case cases[] = {
        {0, Key::Space, 1},  {1, Key::Tab, 2},     {2, Key::Space, 3},   {3, Key::Tab, -1},
        {3, Key::Space, -1}, {3, Key::BackTab, 2}, {1, Key::BackTab, 0}, {0, Key::BackTab, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "from " << c.from << " key " << static_cast<int>(c.key));
        OpenWithPencil(*lyrics[static_cast<size_t>(c.from)]);
        const size_t fields = window->editFields.size();
        EXPECT_TRUE(editing->Press(c.key)) << "the key is never typed in a lyric";
        ASSERT_TRUE(editing->MustCommit()) << "this syllable is deselected either way";
        if (c.to < 0) {
            EXPECT_TRUE(tools.Selection().empty());
            EXPECT_EQ(window->editFields.size(), fields);
        } else {
            LyricText* next = lyrics[static_cast<size_t>(c.to)];
            EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{next});
            ASSERT_EQ(window->editFields.size(), fields + 1);
            EXPECT_EQ(window->editFields.back(), next) << "the pencil opens the next one";
        }
        editing->Abandon();
        tools.ClearSelection(true);
    }
}

TEST_F(TextBoxEditingTest, TypingThroughABarFillsItsSyllablesInOrder) {
    const std::vector<LyricText*> lyrics = FourSyllables();
    OpenWithPencil(*lyrics[0]);
    for (const char* syllable : {"Twin", "kle", "twin", "kle"}) {
        TypeThenPress(syllable, Key::Space);
    }
    EXPECT_FALSE(editing->IsOpen()) << "the space after the last syllable ends the editing";
    std::vector<std::string> texts;
    for (const LyricText* lyric : lyrics) {
        texts.push_back(lyric->GetText());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Twin", "kle", "twin", "kle"}));
    EXPECT_EQ(history.calls.size(), 4u) << "one entry per syllable";
}

// The pencil keeps the box it opens selected through the release of the
// same click. Moving to the next syllable must be a whole click, or the
// next real click's note would stay selected and follow the pointer.
TEST_F(TextBoxEditingTest, AfterMovingToTheNextSyllableTheNextClickEndsNormally) {
    const std::vector<LyricText*> lyrics = FourSyllables();
    OpenWithPencil(*lyrics[0]);
    TypeThenPress("do", Key::Tab);
    Click(pencil, OnStaff(TrebleBar(2), 7));
    EXPECT_TRUE(tools.Selection().empty());
    EXPECT_EQ(tools.DragState(), 0);
}

TEST_F(TextBoxEditingTest, OtherBoxesTypeSpaceAndIgnoreTab) {
    for (FloatingText* box : std::initializer_list<FloatingText*>{song->GetTitleText(),
                                                                  song->GetTrack(1)->GetTitleText(),
                                                                  song->AddUserText(600, 2700)}) {
        SCOPED_TRACE(box->GetClassName());
        OpenWithPencil(*box);
        const size_t fields = window->editFields.size();
        EXPECT_FALSE(editing->Press(Key::Space)) << "a space is part of a title";
        EXPECT_TRUE(editing->Press(Key::Tab));
        EXPECT_TRUE(editing->Press(Key::BackTab));
        EXPECT_EQ(tools.Selection(), std::vector<SelObject*>{box});
        EXPECT_FALSE(editing->MustCommit());
        EXPECT_EQ(window->editFields.size(), fields);
        editing->Abandon();
        tools.ClearSelection(true);
    }
}

TEST_F(TextBoxEditingTest, CancelLetsGoOfTheBoxAndKeepsItsText) {
    SongText& title = *song->GetTitleText();
    OpenWithPencil(title);
    editing->Cancel();
    EXPECT_FALSE(editing->IsOpen());
    EXPECT_FALSE(editing->MustCommit());
    EXPECT_TRUE(tools.Selection().empty());
    EXPECT_EQ(title.GetText(), "t");
    EXPECT_TRUE(history.calls.empty());
}

// A field held open over a box that an edit deleted must not write into it.
TEST_F(TextBoxEditingTest, ABoxDeletedUnderTheFieldIsLeftAlone) {
    const std::vector<LyricText*> lyrics = FourSyllables();
    OpenWithPencil(*lyrics[1]);
    TrebleBar(0).HideLyrics();
    tools.ClearSelection(false);
    EXPECT_FALSE(editing->Commit("gone"));

    UserText* text = song->AddUserText(600, 2700);
    OpenWithPencil(*text);
    song->RemoveUserText(text);
    EXPECT_FALSE(editing->Commit("gone"));
    EXPECT_TRUE(history.calls.empty());
}

}  // namespace
