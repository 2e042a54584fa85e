#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "editor/DeleteTrackForm.h"
#include "editor/InputCommands.h"
#include "editor/InsertBarsForm.h"
#include "editor/PopupMenuTable.h"
#include "editor/ScorePainter.h"
#include "editor/UndoManager.h"
#include "editor/commands/MainMenuTable.h"
#include "files/SongFiles.h"
#include "model/Song.h"
#include "model/UserText.h"
#include "platform/FixedPrompt.h"
#include "platform/ProgramPaths.h"
#include "platform/Translation.h"
#include "support/EngineReset.h"
#include "support/RecordingDeviceContext.h"

namespace {

// Every text that reaches the translator comes back in guillemets, so a test
// sees which pieces were looked up on their own and which were not at all.
std::string Marked(const char* /*context*/, const char* source) {
    return "\u2039" + std::string(source) + "\u203a";
}

std::string M(const std::string& text) {
    return "\u2039" + text + "\u203a";
}

class TranslatedTextsTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        song = std::make_unique<Song>("Title", "Author", 4, 100, Song::TimeSignature{4, 4}, 0);
        song->AddTrebleTrack();
        Translation::Install(&Marked);
    }
    void TearDown() override {
        Translation::Install(nullptr);
        EngineReset::TearDown();
    }

    std::unique_ptr<Song> song;
};

// Messages made of several texts translate every piece before they are put
// together, and the pattern that joins them where a language may word it
// differently.
TEST_F(TranslatedTextsTest, MessagesBuiltFromPiecesTranslateEachPiece) {
    const int left = Song::kMaxBars - 10;
    EXPECT_EQ(InsertBarsForm::LimitMessage(10),
              M("Number of bars limit exceeded") + "\n" + M("Maximum number of bars") + " = " +
                  std::to_string(Song::kMaxBars) + "\n" + M("Number of bars you can insert") +
                  " = " + std::to_string(left));

    DeleteTrackForm form(*song);
    ASSERT_EQ(form.Items().size(), 1u);
    const std::string item = form.Items()[0];
    // The instrument's name in the item comes from the string table.
    EXPECT_NE(item.find(M("[1]Acoustic Grand Piano")), std::string::npos) << item;
    FixedPrompt prompt(Prompt::No);
    UndoManager history;
    EXPECT_FALSE(form.Delete(0, prompt, history));
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(prompt.AskedSoFar()[0].text, M(M("Are you sure to delete") + " [" + item + "] ?"));
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, M("Warning"));
}

// Menus and the tool bar keep English captions as data (the window finds its
// menus by them) and show them translated.
TEST_F(TranslatedTextsTest, MenuAndToolBarTextsAreShownTranslatedButKeptInEnglish) {
    const MenuItem& edit = MainMenuTable::Menus().front();
    EXPECT_EQ(edit.caption, "&Edit");
    EXPECT_EQ(MainMenuTable::Caption(edit), M("&Edit"));
    EXPECT_EQ(MainMenuTable::Caption(edit.submenu.front()), M("&Copy\tCtrl-C"));
    const MenuItem separator{"", CommandId::None, {}, {}};
    EXPECT_EQ(MainMenuTable::Caption(separator), "");
    EXPECT_EQ(PopupMenuTable::Caption(PopupMenuTable::Items("NullPopup").front()),
              M("Insert Text"));
    EXPECT_EQ(InputCommands::Name(InputCommands::WholeNote), M("Whole Note"));
    EXPECT_EQ(InputCommands::Prompt(InputCommands::Pencil), M("Insert note or rest\nPencil"));
}

// Texts drawn on the page are translated as they are drawn; the placeholder
// of an empty box never becomes part of the song.
TEST_F(TranslatedTextsTest, PageTextsAreTranslatedWhenDrawnAndNeverSaved) {
    UserText* box = song->AddUserText(300, 400);
    RecordingDeviceContext dc;
    ScorePainter::PaintScreen(dc, song.get(), 1);
    EXPECT_EQ(dc.TextsEqual(M("Page 1 of 1")).size(), 1u);
    EXPECT_EQ(dc.TextsEqual(M("Insert Text...")).size(), 5u);  // four halo copies and the text
    EXPECT_EQ(box->GetText(), "");

    const std::string path =
        ProgramPaths::TempDir() + "translated-texts-" + std::to_string(::getpid()) + ".qs";
    SongFiles::Save(*song, path);
    std::ifstream in(path, std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved.find("Insert Text"), std::string::npos);
    EXPECT_EQ(saved.find("\u2039"), std::string::npos);
}

}  // namespace
