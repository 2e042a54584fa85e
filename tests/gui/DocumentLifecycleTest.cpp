#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/CMainFrame.h"
#include "app/CQuillsong3Doc.h"
#include "app/Languages.h"
#include "app/QtSettingsStore.h"
#include "app/RecentFiles.h"
#include "app/menus/EditMenu.h"
#include "app/menus/FileMenu.h"
#include "app/menus/OptionsMenu.h"
#include "editor/InputCommands.h"
#include "editor/UndoManager.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/ScoreToolBar.h"
#include "model/Song.h"
#include "model/SongText.h"
#include "platform/FixedPrompt.h"
#include "platform/Settings.h"
#include "support/NoteBarTestKit.h"
#include "support/OffscreenGui.h"
#include "support/SongEquality.h"

namespace {

using namespace notebar_test;

// The window with its document, its settings kept in a folder of the test's
// own, and every message answered by the prompt.
class DocumentLifecycleTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        OffscreenWidgets();
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        RecentFiles::Forget();
        std::string error;
        ASSERT_TRUE(NotationFonts::Load(error)) << error;
        Open(Prompt::Yes);
    }
    void TearDown() override {
        frame.reset();
        EngineReset::TearDown();
    }
    // A window for the document; the song is made anew, since every object
    // of a song keeps the window that showed it as an observer.
    void Open(Prompt::Answer answer) {
        frame.reset();
        document.NewFirstSong();
        prompt = std::make_unique<FixedPrompt>(answer);
        frame = std::make_unique<CMainFrame>(document, prompt.get());
        frame->show();
    }
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
    void WriteANote() {
        frame->ToolBar().Action(InputCommands::QuarterNote)->trigger();
        const Box bar = document.GetSong()->GetBar(0, 1)->GetBox();
        QTest::mouseClick(frame->View().viewport(), Qt::LeftButton, Qt::NoModifier,
                          frame->View().ToDevicePoint({bar.x + 300, bar.y + 105}));
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& asked : prompt->AskedSoFar()) {
            texts.push_back(asked.text);
        }
        return texts;
    }

    QTemporaryDir folder;
    CQuillsong3Doc document{UndoManager::Instance()};
    std::unique_ptr<FixedPrompt> prompt;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(DocumentLifecycleTest, TheFirstSongIsUntitledAndUnmodified) {
    const Song& song = *document.GetSong();
    EXPECT_EQ(song.GetTitleText()->GetText(), "My Great Music");
    EXPECT_EQ(song.GetNumTracks(), 1);
    EXPECT_EQ(song.GetNumBars(), 16);
    EXPECT_EQ(song.GetTempo(), 114);
    EXPECT_EQ(song.GetKeySignature(), 0);
    EXPECT_EQ(song.GetTimeSignature().numerator, 4);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(frame->windowTitle(), "Untitled[*] - Quillsong");
}

TEST_F(DocumentLifecycleTest, TheModifiedFlagFollowsEditsAndFiles) {
    WriteANote();
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(frame->isWindowModified());
    frame->Edit().UndoAction()->trigger();
    EXPECT_TRUE(document.IsModified()) << "undo leaves the flag as it is";
    const std::string path = Path("tune.qs");
    ASSERT_TRUE(document.Save(path, *prompt));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(frame->windowTitle(), "tune[*] - Quillsong");
    WriteANote();
    ASSERT_TRUE(frame->Files().OpenFile(QString::fromStdString(path)));
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(frame->Edit().UndoAction()->isEnabled());
    EXPECT_EQ(RecentFiles::Load().toStdString(), path);
}

TEST_F(DocumentLifecycleTest, ASavedSongOpensEqual) {
    WriteANote();
    document.GetSong()->GetTitleText()->SetText("Round trip");
    const std::unique_ptr<SelObject> copy = document.GetSong()->Clone();
    const Song& before = static_cast<const Song&>(*copy);
    ASSERT_TRUE(document.Save(Path("trip.qs"), *prompt));
    document.NewFirstSong();
    ASSERT_TRUE(frame->Files().OpenFile(QString::fromStdString(Path("trip.qs"))));
    EXPECT_EQ(SongEquality().Difference(before, *document.GetSong()), "");
}

TEST_F(DocumentLifecycleTest, FailuresKeepTheSongAndSayWhy) {
    Song* song = document.GetSong();
    EXPECT_FALSE(frame->Files().OpenFile(QString::fromStdString(Path("missing.qs"))));
    EXPECT_EQ(document.GetSong(), song);
    EXPECT_TRUE(RecentFiles::Load().isEmpty());
    song->DeleteTrack(0);
    EXPECT_FALSE(document.Save(Path("empty.qs"), *prompt));
    EXPECT_FALSE(std::filesystem::exists(Path("empty.qs")));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"File do not exists",
                                                    "Cannot save a music without any tracks"}));
}

TEST_F(DocumentLifecycleTest, TheSongExportsAsMusicXmlFromTheFileMenu) {
    QAction* midi = frame->Files().Action("ExportMidi");
    QAction* musicXml = frame->Files().Action("ExportMusicXml");
    ASSERT_NE(musicXml, nullptr);
    auto* menu = qobject_cast<QMenu*>(midi->parent());
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    EXPECT_EQ(actions.indexOf(musicXml), actions.indexOf(midi) + 1) << "beside Export to MIDI";
    EXPECT_EQ(musicXml->text(), "Export to Music&XML...");
    WriteANote();
    ASSERT_TRUE(document.ExportMusicXml(Path("tune.mxl"), *prompt));
    ASSERT_TRUE(document.ExportMusicXml(Path("tune.musicxml"), *prompt));
    std::ifstream file(Path("tune.musicxml"));
    const std::string text{std::istreambuf_iterator<char>(file), {}};
    EXPECT_NE(text.find("<score-partwise version=\"4.0\">"), std::string::npos);
    EXPECT_NE(text.find("<step>"), std::string::npos) << "the note written";
    EXPECT_TRUE(std::filesystem::exists(Path("tune.mxl")));
    EXPECT_FALSE(document.ExportMusicXml(Path("missing/tune.musicxml"), *prompt));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Write file error"}));
}

TEST_F(DocumentLifecycleTest, ClosingAModifiedSongAsksFirst) {
    struct Case {
        Prompt::Answer answer;
        bool closes;
    };
    for (const Case c : {Case{Prompt::Cancel, false}, Case{Prompt::No, true}}) {
        Open(c.answer);
        WriteANote();
        EXPECT_EQ(frame->close(), c.closes);
        ASSERT_EQ(prompt->AskedSoFar().size(), 1u);
        EXPECT_EQ(prompt->AskedSoFar()[0].text, "Save changes to Untitled?");
        EXPECT_EQ(prompt->AskedSoFar()[0].buttons, Prompt::SaveDiscardCancelButtons);
    }
}

TEST_F(DocumentLifecycleTest, SettingsAreWrittenOnCloseAndReadBack) {
    Settings& settings = Settings::Instance();
    settings.SetStore(std::make_unique<QtSettingsStore>());
    settings.SetLang(2);
    settings.SetOutDevId(3);
    EXPECT_TRUE(frame->close());
    settings.SetStore(std::make_unique<QtSettingsStore>());
    EXPECT_EQ(settings.GetLang(), 2);
    EXPECT_EQ(settings.GetOutDevId(), 3);
    const QSettings stored(QStringLiteral("Fernwick"), QStringLiteral("Quillsong"));
    EXPECT_EQ(stored.value(QStringLiteral("Settings/Lang")).toInt(), 2);
    settings.SetStore(nullptr);
}

// The Options menu switches the language at once: the menus are made again
// in it, and the choice is remembered.
TEST_F(DocumentLifecycleTest, TheLanguageSwitchesTheMenusBothWays) {
    auto editMenuTitle = [this] {
        for (QAction* action : frame->menuBar()->actions()) {
            if (action->menu() != nullptr && action->menu()->actions().size() > 4 &&
                action->menu()->actions().at(0) == frame->Edit().UndoAction()) {
                return action->text().toStdString();
            }
        }
        return std::string();
    };
    ASSERT_EQ(editMenuTitle(), "&Edit");
    frame->Options().LanguageAction(Languages::kTraditionalChinese)->trigger();
    EXPECT_EQ(Languages::Current(), Languages::kTraditionalChinese);
    EXPECT_EQ(Settings::Instance().GetLang(), 2);
    EXPECT_EQ(editMenuTitle(), "編輯(&E)");
    EXPECT_TRUE(frame->Options().LanguageAction(Languages::kTraditionalChinese)->isChecked());
    frame->Options().LanguageAction(Languages::kEnglish)->trigger();
    EXPECT_EQ(editMenuTitle(), "&Edit");
    EXPECT_EQ(Settings::Instance().GetLang(), 1);
}

}  // namespace
