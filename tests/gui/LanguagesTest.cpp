#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <filesystem>
#include <map>
#include <string>

#include "app/CMainFrame.h"
#include "app/CMidiSetupDlg.h"
#include "app/CNewSongDlg.h"
#include "app/CQuillsong3Doc.h"
#include "app/Languages.h"
#include "editor/DeleteTrackForm.h"
#include "editor/InsertBarsForm.h"
#include "editor/ScorePainter.h"
#include "editor/UndoManager.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/PopupMenus.h"
#include "editor/qt/ScoreToolBar.h"
#include "editor/qt/dialogs/InsertBarsDialog.h"
#include "model/Song.h"
#include "model/UserText.h"
#include "platform/FixedPrompt.h"
#include "platform/ProgramPaths.h"
#include "platform/Settings.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/FakeDeviceDirectory.h"
#include "playback/SoundEngine.h"
#include "support/EngineReset.h"
#include "support/OffscreenGui.h"
#include "support/RecordingDeviceContext.h"

// Lang 2 loads TraditionalChinese.qm as the build places it beside the
// program and every kind of text the user sees turns Chinese: menus with
// their access keys, the tool bar, pop-up menus, messages put together from
// pieces, numbered texts and instrument names, dialogs with Qt's own buttons,
// and what is drawn on the page. Lang 1, or a missing file, is English.
namespace {

using Texts = std::map<std::string, std::string>;

const Texts kEnglish = {
    {"menu bar", "&File|&Edit|&View|&Bar|&Track|&Music|&Options|&Play|&Help"},
    {"undo", "&Undo\tCtrl+Z"},
    {"copy", "&Copy\tCtrl-C"},
    {"next page", "Ne&xt Page\tCtrl+PgDown"},
    {"tool tip", "Pencil"},
    {"status prompt", "Insert note or rest"},
    {"note value", "Whole Note"},
    {"pop-up item", "&Erase this note"},
    {"limit message",
     "Number of bars limit exceeded\nMaximum number of bars = 64\nNumber of bars you can insert "
     "= 60"},
    {"delete question", "Are you sure to delete [[1]Acoustic Grand Piano - Track 1] ?"},
    {"question caption", "Warning"},
    {"string 157",
     "No MIDI output device found!\nYou will not be able to hear any playback sound.\nMake sure "
     "you have a MIDI output device and has its driver installed.\nThen, restart Quillsong."},
    {"instrument", "[41]Violin"},
    {"drum", "[20]Tambourine"},
    {"dialog caption", "Insert Bars"},
    {"dialog label", "&Number of bars:"},
    {"wizard caption", "New Music Wizard"},
    {"wizard label", "Tre&ble"},
    {"wizard tempo", "Moderato"},
    {"MIDI Setup caption", "MIDI Setup"},
    {"MIDI Setup label", "Select the device for MIDI Output."},
    {"placeholder", "Insert Text..."},
    {"page label", "Page 1 of 1"},
};

const Texts kChinese = {
    {"menu bar",
     "檔案(&F)|編輯(&E)|檢視(&V)|小節(&B)|音軌(&T)|音樂(&M)|選項(&O)|播放(&P)|說明(&H)"},
    {"undo", "復原(&U)\tCtrl+Z"},
    {"copy", "複製(&C)\tCtrl-C"},
    {"next page", "下一頁(&X)\tCtrl+PgDown"},
    {"tool tip", "鉛筆"},
    {"status prompt", "插入音符或休止符"},
    {"note value", "全音符"},
    {"pop-up item", "擦除這個音符(&E)"},
    {"limit message", "超過小節數上限\n小節數上限 = 64\n還可插入的小節數 = 60"},
    {"delete question", "確定要刪除 [[1]大鋼琴 - Track 1] 嗎？"},
    {"question caption", "警告"},
    {"string 157",
     "找不到 MIDI 輸出裝置！\n您將無法聽到任何播放的聲音。\n請確定您有 MIDI "
     "輸出裝置，並已安裝它的驅動程式。\n然後重新啟動 Quillsong。"},
    {"instrument", "[41]小提琴"},
    {"drum", "[20]鈴鼓"},
    {"dialog caption", "插入小節"},
    {"dialog label", "小節數(&N)："},
    {"wizard caption", "新樂曲精靈"},
    {"wizard label", "高音譜(&B)"},
    {"wizard tempo", "中板"},
    {"MIDI Setup caption", "MIDI 設定"},
    {"MIDI Setup label", "請選擇 MIDI 輸出裝置。"},
    {"placeholder", "插入文字..."},
    {"page label", "第 1 頁，共 1 頁"},
};

std::string Joined(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        texts << action->text();
    }
    return texts.join(QLatin1Char('|')).toStdString();
}

class LanguagesTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        OffscreenWidgets();
        std::string error;
        ASSERT_TRUE(NotationFonts::Load(error)) << error;
        ASSERT_EQ(Languages::Current(), Languages::kEnglish);
        // MIDI Setup lists a device, so it opens without a warning.
        SoundEngine::Instance().SetDeviceDirectory(std::make_shared<FakeDeviceDirectory>(
            std::vector<FakeDevice>{FakeDevice::Working("Synth A")}));
        song = std::make_unique<Song>("Title", "Author", 4, 100, Song::TimeSignature{4, 4}, 0);
        song->AddTrebleTrack();
        song->AddUserText(300, 400);
    }
    void TearDown() override {
        Languages::Apply(Languages::kEnglish);
        ProgramPaths::OverrideExecutableDir("");
        SoundEngine::Instance().SetDeviceDirectory(nullptr);
        Settings::Instance().SetStore(nullptr);
        EngineReset::TearDown();
    }

    // The texts as the windows, forms and drawing made now show them.
    Texts Shown() {
        Texts shown;
        CQuillsong3Doc document(UndoManager::Instance());
        document.NewFirstSong();
        FixedPrompt messages(Prompt::No);
        // The window applies the remembered language as it opens; it is the
        // one in effect, as when the program starts.
        Settings::Instance().SetLang(Languages::Current());
        CMainFrame frame(document, &messages);
        AddMenuTexts(frame, shown);
        AddFormTexts(shown);
        AddDialogTexts(shown);
        AddWizardTexts(shown);
        AddPageTexts(shown);
        shown["instrument"] = StringTable::Get(ids::kFirstProgramName + 40);
        shown["drum"] = StringTable::Get(ids::kFirstDrumName + 19);
        shown["string 157"] = StringTable::Get(ids::kNoMidiOutput);
        return shown;
    }

    static void AddMenuTexts(CMainFrame& frame, Texts& shown) {
        const QList<QAction*> menus = frame.menuBar()->actions();
        shown["menu bar"] = Joined(menus);
        // File, Edit, View, ...
        const QList<QAction*> edit = menus.at(1)->menu()->actions();
        shown["undo"] = edit.at(0)->text().toStdString();
        shown["copy"] = edit.at(3)->text().toStdString();
        shown["next page"] = menus.at(2)->menu()->actions().last()->text().toStdString();
        shown.merge(ToolBarTexts(frame.ToolBar()));
        QMenu popup;
        PopupMenus::Fill(popup, "NotePopup", nullptr);
        shown["pop-up item"] = popup.actions().at(0)->text().toStdString();
    }

    static Texts ToolBarTexts(const ScoreToolBar& toolBar) {
        return {{"tool tip", toolBar.Action(0)->toolTip().toStdString()},
                {"status prompt", toolBar.Action(0)->statusTip().toStdString()},
                {"note value", toolBar.Action(3)->toolTip().toStdString()}};
    }

    void AddFormTexts(Texts& shown) {
        shown["limit message"] = InsertBarsForm::LimitMessage(4);
        FixedPrompt answer(Prompt::No);
        UndoManager history;
        DeleteTrackForm(*song).Delete(0, answer, history);
        shown["delete question"] = answer.AskedSoFar().at(0).text;
        shown["question caption"] = answer.AskedSoFar().at(0).caption;
    }

    void AddDialogTexts(Texts& shown) {
        FixedPrompt answer(Prompt::Yes);
        UndoManager history;
        InsertBarsDialog dialog(*song, answer, history);
        shown["dialog caption"] = dialog.windowTitle().toStdString();
        shown["dialog label"] = dialog.findChildren<QLabel*>().at(0)->text().toStdString();
    }

    // The New Music Wizard and MIDI Setup: their captions, the labels of the
    // treble count and the device list, and the wizard's tempo, whose name
    // comes from the core's list.
    void AddWizardTexts(Texts& shown) {
        FixedPrompt answer(Prompt::Ok);
        CNewSongDlg wizard(answer);
        shown["wizard caption"] = wizard.windowTitle().toStdString();
        shown["wizard label"] = LabelOf(wizard, "treble");
        shown["wizard tempo"] =
            wizard.findChild<QComboBox*>(QStringLiteral("tempos"))->currentText().toStdString();
        CMidiSetupDlg midiSetup(answer);
        shown["MIDI Setup caption"] = midiSetup.windowTitle().toStdString();
        shown["MIDI Setup label"] = LabelOf(midiSetup, "devices");
        EXPECT_TRUE(answer.AskedSoFar().empty());
    }

    // The text of the label whose access key leads to the named field.
    static std::string LabelOf(const QWidget& dialog, const char* field) {
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (label->buddy() != nullptr && label->buddy()->objectName() == field) {
                return label->text().toStdString();
            }
        }
        return "no label for " + std::string(field);
    }

    // OK and Cancel of a dialog, named by Qt's platform theme: GNOME's gives
    // them access keys, the others do not.
    std::string DialogButtons() {
        FixedPrompt answer(Prompt::Yes);
        UndoManager history;
        InsertBarsDialog dialog(*song, answer, history);
        const auto* buttons = dialog.findChild<QDialogButtonBox*>();
        return buttons->button(QDialogButtonBox::Ok)->text().toStdString() + "|" +
               buttons->button(QDialogButtonBox::Cancel)->text().toStdString();
    }

    void AddPageTexts(Texts& shown) {
        RecordingDeviceContext page;
        ScorePainter::PaintScreen(page, song.get(), 1);
        // The page's label is the first text drawn.
        shown["page label"] = page.OfKind(RecordingDeviceContext::Kind::Text).at(0).text;
        RecordingDeviceContext box;
        song->GetUserTexts().front()->Draw(box);
        shown["placeholder"] = box.OfKind(RecordingDeviceContext::Kind::Text).at(0).text;
    }

    std::unique_ptr<Song> song;
};

TEST_F(LanguagesTest, ChineseReachesEveryKindOfTextAndEnglishComesBack) {
    EXPECT_EQ(Shown(), kEnglish);
    const std::map<std::string, std::string> chineseButtons = {
        {"OK|Cancel", "確定|取消"}, {"&OK|&Cancel", "確定(&O)|取消(&C)"}};
    const std::string englishButtons = DialogButtons();
    ASSERT_TRUE(chineseButtons.contains(englishButtons)) << englishButtons;

    ASSERT_TRUE(Languages::Apply(Languages::kTraditionalChinese));
    EXPECT_EQ(Languages::Current(), Languages::kTraditionalChinese);
    EXPECT_EQ(Shown(), kChinese);
    EXPECT_EQ(DialogButtons(), chineseButtons.at(englishButtons));
    // Asking again keeps it.
    EXPECT_TRUE(Languages::Apply(Languages::kTraditionalChinese));
    EXPECT_EQ(Shown(), kChinese);

    EXPECT_TRUE(Languages::Apply(Languages::kEnglish));
    EXPECT_EQ(Languages::Current(), Languages::kEnglish);
    EXPECT_EQ(Shown(), kEnglish);
    EXPECT_EQ(DialogButtons(), englishButtons);
}

// A window open during a switch: its tool bar follows at once; its menus
// follow when they are built again.
TEST_F(LanguagesTest, AnOpenToolBarFollowsASwitch) {
    ScoreToolBar toolBar;
    ASSERT_TRUE(Languages::Apply(Languages::kTraditionalChinese));
    QCoreApplication::processEvents();
    const Texts chinese = ToolBarTexts(toolBar);
    EXPECT_EQ(chinese.at("tool tip"), kChinese.at("tool tip"));
    EXPECT_EQ(chinese.at("note value"), kChinese.at("note value"));
    Languages::Apply(Languages::kEnglish);
    QCoreApplication::processEvents();
    EXPECT_EQ(ToolBarTexts(toolBar).at("status prompt"), kEnglish.at("status prompt"));
}

TEST_F(LanguagesTest, WithoutTheTranslationFileLanguageTwoReportsFailureAndStaysEnglish) {
    const std::filesystem::path empty = std::filesystem::path(ProgramPaths::TempDir()) /
                                        ("no-translation-" + std::to_string(::getpid()));
    std::filesystem::create_directories(empty);
    // First from English, then with Chinese in effect from the real file.
    for (const bool chineseBefore : {false, true}) {
        SCOPED_TRACE(chineseBefore ? "after Chinese" : "from English");
        ProgramPaths::OverrideExecutableDir("");
        if (chineseBefore) {
            ASSERT_TRUE(Languages::Apply(Languages::kTraditionalChinese));
        }
        ProgramPaths::OverrideExecutableDir(empty.string());
        EXPECT_FALSE(Languages::Apply(Languages::kTraditionalChinese));
        EXPECT_EQ(Languages::Current(), Languages::kEnglish);
        EXPECT_EQ(Shown(), kEnglish);
    }
    std::filesystem::remove_all(empty);
}

}  // namespace
