#include <gtest/gtest.h>

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <chrono>

#include "app/CMainFrame.h"
#include "app/CQuillsong3Doc.h"
#include "app/menus/CommandActions.h"
#include "app/menus/DialogCommands.h"
#include "app/menus/EditMenu.h"
#include "app/menus/PlayMenu.h"
#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/ScoreToolBar.h"
#include "model/Note.h"
#include "model/Song.h"
#include "model/SongText.h"
#include "platform/FixedPrompt.h"
#include "playback/MessageRecorder.h"
#include "playback/SoundEngine.h"
#include "support/NoteBarTestKit.h"
#include "support/OffscreenGui.h"
#include "support/ViewPoints.h"

namespace {

using namespace notebar_test;

// The menu bar as text: each menu's title, then its items indented, a
// separator as "-", a sub-menu's items under it one level deeper.
void Describe(const QMenu& menu, const QString& indent, QStringList& out) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            out << indent + "-";
        } else {
            out << indent + action->text();
            if (action->menu() != nullptr) {
                Describe(*action->menu(), indent + "  ", out);
            }
        }
    }
}

class EditorMenusTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        OffscreenWidgets();
        std::string error;
        ASSERT_TRUE(NotationFonts::Load(error)) << error;
        document.NewFirstSong();
        frame = std::make_unique<CMainFrame>(document, &prompt);
        frame->resize(1600, 1000);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override {
        DialogCommands::SetExecHook(nullptr);
        View().SetPopupHook(nullptr);
        frame.reset();
        ToolsManager::Instance().SetZoom(125);
        EngineReset::TearDown();
    }

    CQuillsong3View& View() { return frame->View(); }
    Song& TheSong() { return *document.GetSong(); }
    QMenu* Menu(const QString& title) {
        for (QAction* action : frame->menuBar()->actions()) {
            if (action->text() == title) {
                return action->menu();
            }
        }
        return nullptr;
    }
    // The action at the path of captions ("&Track", "&Insert", "&Bass").
    QAction* Item(std::initializer_list<const char*> path) {
        auto it = path.begin();
        QMenu* menu = Menu(QString::fromUtf8(*it++));
        QAction* found = nullptr;
        for (; it != path.end() && menu != nullptr; ++it) {
            found = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->text() == QString::fromUtf8(*it)) {
                    found = action;
                }
            }
            menu = found != nullptr ? found->menu() : nullptr;
        }
        return found;
    }
    QPoint Visible(Point logical) { return VisiblePoint(View(), logical); }
    Point InBar(int track, int bar, int dx, int dy) {
        const Box box = TheSong().GetBar(track, bar)->GetBox();
        return {box.x + dx, box.y + dy};
    }
    static Point CentreOf(const Note& note) {
        const Box head = note.GetBox();
        return {head.x + head.width / 2, head.y + head.height / 2};
    }
    MelodicBar& TrebleBar(int bar) { return static_cast<MelodicBar&>(*TheSong().GetBar(0, bar)); }
    std::string LastRecord() const {
        const UndoManager& history = UndoManager::Instance();
        return history.NameAt(history.CurrentIndex());
    }

    FixedPrompt prompt{Prompt::Yes};
    CQuillsong3Doc document{UndoManager::Instance()};
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(EditorMenusTest, EveryMenuHasItsCaptionsInOrder) {
    QStringList bar;
    QStringList items;
    for (QAction* action : frame->menuBar()->actions()) {
        bar << action->text();
        // File, Options and Play are the program's own; their tests are elsewhere.
        if (action->text() != "&File" && action->text() != "&Options" &&
            action->text() != "&Play") {
            items << action->text();
            Describe(*action->menu(), "  ", items);
        }
    }
    EXPECT_EQ(bar, (QStringList{"&File", "&Edit", "&View", "&Bar", "&Track", "&Music", "&Options",
                                "&Play", "&Help"}));
    const QStringList expected = {"&Edit",
                                  "  &Undo\tCtrl+Z",
                                  "  &Redo\tCtrl-Y",
                                  "  -",
                                  "  &Copy\tCtrl-C",
                                  "  &Paste\tCtrl-V",
                                  "&View",
                                  "  &Zoom",
                                  "    200% (&1)",
                                  "    150% (&2)",
                                  "    125% (&3)",
                                  "    100% (&4)",
                                  "    75% (&5)",
                                  "    50% (&6)",
                                  "    -",
                                  "    &Custom...",
                                  "  &Num of bars per line",
                                  "    1",
                                  "    2",
                                  "    3",
                                  "    4",
                                  "  -",
                                  "  Pre&vious Page\tCtrl+PgUp",
                                  "  Ne&xt Page\tCtrl+PgDown",
                                  "&Bar",
                                  "  &Insert",
                                  "  &Delete",
                                  "  &Clear",
                                  "  Co&py",
                                  "  -",
                                  "  &Shift Notes Up/Down",
                                  "&Track",
                                  "  &Insert",
                                  "    &Treble",
                                  "    &Bass",
                                  "    &Percussion",
                                  "    &Accompaniment",
                                  "  &Delete",
                                  "  &Organize",
                                  "  -",
                                  "  &Lyrics",
                                  "&Music",
                                  "  &Transpose",
                                  "&Help",
                                  "  Table of &Contents",
                                  "  -",
                                  "  Online &Support",
                                  "  Report &Bugs"};
    EXPECT_EQ(items, expected);
}

TEST_F(EditorMenusTest, InsertingATrackThenDeletingItThroughItsDialog) {
    // 44 bars of one staff fill a page; with a second staff they need two.
    auto song = std::make_unique<Song>("t", "a", 44, 100, Song::TimeSignature{4, 4}, 0);
    song->AddTrebleTrack();
    document.ReplaceSong(std::move(song));
    const int width = View().horizontalScrollBar()->maximum();
    Item({"&Track", "&Insert", "&Bass"})->trigger();
    ASSERT_EQ(TheSong().GetNumTracks(), 2);
    EXPECT_EQ(LastRecord(), "Insert Bass Track");
    EXPECT_GT(View().horizontalScrollBar()->maximum(), width) << "the scroll range grew";

    DialogCommands::SetExecHook([](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>();
        if (list == nullptr || list->count() != 2) {
            return static_cast<int>(QDialog::Rejected);
        }
        list->setCurrentRow(1);
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == "&Delete") {
                button->click();
            }
        }
        return dialog.result();
    });
    ToolsManager::Instance().SelectSingle(TheSong().GetBar(1, 0));
    Item({"&Track", "&Delete"})->trigger();
    EXPECT_EQ(TheSong().GetNumTracks(), 1);
    EXPECT_EQ(LastRecord(), "Delete Track");
    EXPECT_FALSE(ToolsManager::Instance().HasSelection());
    ASSERT_FALSE(prompt.AskedSoFar().empty());
    EXPECT_EQ(prompt.AskedSoFar().back().caption, "Warning");
}

TEST_F(EditorMenusTest, AMessageOfACommandReachesThePrompt) {
    Item({"&Track", "&Insert", "&Accompaniment"})->trigger();
    ASSERT_TRUE(TheSong().HasAccompaniment());
    EXPECT_FALSE(Item({"&Track", "&Insert", "&Accompaniment"})->isEnabled());
    frame->Commands().Run(CommandId::InsertAccompanimentTrack);
    EXPECT_TRUE(prompt.AskedSoFar().empty()) << "a disabled command does not run";
    for (int i = 0; i < 9; ++i) {
        Item({"&Track", "&Insert", "&Treble"})->trigger();
    }
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(prompt.AskedSoFar().front().text.substr(0, 32), "Maximum number of tracks reached");
}

TEST_F(EditorMenusTest, TheNotePopUpSetsASharpAndTheDeleteKeyErases) {
    frame->ToolBar().Action(InputCommands::QuarterNote)->trigger();
    QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                      Visible(InBar(0, 1, 300, 105)));
    Note* note = TrebleBar(1).FirstChord()->First();
    ASSERT_FALSE(note->IsRest());
    QString opened;
    View().SetPopupHook([&opened](const QString& name, QMenu& menu) {
        opened = name;
        for (QAction* action : menu.actions()) {
            if (action->text() == "&Sharp") {
                action->trigger();
            }
        }
    });
    const QPoint head = Visible(CentreOf(*note));
    QTest::mouseMove(View().viewport(), head);
    QTest::mouseClick(View().viewport(), Qt::RightButton, Qt::NoModifier, head);
    EXPECT_EQ(opened, "NotePopup");
    note = TrebleBar(1).FirstChord()->First();
    EXPECT_EQ(note->GetAccidental(), Note::Sharp);
    EXPECT_EQ(LastRecord(), "Note SharpFlat");

    frame->ToolBar().Action(InputCommands::Select)->trigger();
    QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, Visible(CentreOf(*note)));
    View().setFocus();
    QTest::keyClick(View().viewport(), Qt::Key_Delete);
    EXPECT_TRUE(TrebleBar(1).FirstChord()->First()->IsRest());
    EXPECT_EQ(LastRecord(), "Erase note");
}

TEST_F(EditorMenusTest, CopyAndPasteBarsWithTheKeys) {
    Put(TrebleBar(0), 0, "A5", 4);
    frame->ToolBar().Action(InputCommands::Select)->trigger();
    QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                      Visible(InBar(0, 0, 350, 20)));
    ASSERT_TRUE(ToolsManager::Instance().HasSelection());
    frame->activateWindow();
    View().setFocus();
    QTest::keyClick(View().viewport(), Qt::Key_C, Qt::ControlModifier);
    QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                      Visible(InBar(0, 5, 350, 20)));
    QTest::keyClick(View().viewport(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(GridText(TrebleBar(5)), GridText(TrebleBar(0)));
    EXPECT_EQ(LastRecord(), "Paste");
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

// A menu command takes a text being typed as part of the song; Undo drops
// it and goes back from what was recorded, never undoing the typing alone.
TEST_F(EditorMenusTest, CommandsCommitAnOpenFieldAndUndoDropsIt) {
    auto typeIntoTitle = [this](const char* text) {
        const Rect box = TheSong().GetTitleText()->GetRect();
        QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier,
                          Visible({(box.left + box.right) / 2, (box.top + box.bottom) / 2}));
        ASSERT_TRUE(View().EditFieldOpen());
        QWidget* field = QApplication::focusWidget();
        ASSERT_NE(field, nullptr);
        QTest::keyClicks(field, text);
    };
    typeIntoTitle("Song A");
    Item({"&Track", "&Insert", "&Bass"})->trigger();
    EXPECT_FALSE(View().EditFieldOpen());
    EXPECT_EQ(TheSong().GetTitleText()->GetText(), "Song A");
    EXPECT_EQ(TheSong().GetNumTracks(), 2);
    EXPECT_EQ(LastRecord(), "Insert Bass Track");

    typeIntoTitle("Song B");
    frame->Edit().UndoAction()->trigger();
    EXPECT_FALSE(View().EditFieldOpen());
    EXPECT_EQ(TheSong().GetNumTracks(), 1);
    EXPECT_EQ(TheSong().GetTitleText()->GetText(), "Song A");
}

TEST_F(EditorMenusTest, ZoomItemsSetAndCheckTheZoom) {
    QAction* zoom200 = Item({"&View", "&Zoom", "200% (&1)"});
    QAction* custom = Item({"&View", "&Zoom", "&Custom..."});
    zoom200->trigger();
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 200);
    EXPECT_TRUE(zoom200->isChecked());
    EXPECT_FALSE(custom->isChecked());
    ToolsManager::Instance().SetZoom(110);
    frame->Commands().Refresh();
    EXPECT_TRUE(custom->isChecked());
    EXPECT_FALSE(zoom200->isChecked());
    View().setFocus();
    QTest::keyClick(View().viewport(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 100);
    Item({"&View", "&Num of bars per line", "3"})->trigger();
    EXPECT_TRUE(Item({"&View", "&Num of bars per line", "3"})->isChecked());
    Item({"&View", "&Num of bars per line", "4"})->trigger();
}

TEST_F(EditorMenusTest, SongCommandsAreDisabledWhileMusicPlays) {
    MessageRecorder recorder;
    SoundEngine& engine = SoundEngine::Instance();
    engine.SetOutput(&recorder);
    engine.SetLeadIn(0);
    frame->Play().PlayAction()->trigger();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline &&
           Item({"&Track", "&Insert", "&Treble"})->isEnabled()) {
        QTest::qWait(5);
    }
    for (QAction* action : {Item({"&Track", "&Insert", "&Treble"}), Item({"&Bar", "&Insert"}),
                            Item({"&Music", "&Transpose"}), Item({"&Edit", "&Paste\tCtrl-V"}),
                            Item({"&View", "&Zoom", "50% (&6)"})}) {
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
    const int tracks = TheSong().GetNumTracks();
    frame->Commands().Run(CommandId::InsertTrebleTrack);
    EXPECT_EQ(TheSong().GetNumTracks(), tracks);
    engine.Stop();
    engine.WaitUntilStopped();
    QTest::qWait(20);
    engine.SetOutput(nullptr);
    EXPECT_TRUE(Item({"&Track", "&Insert", "&Treble"})->isEnabled());
}

}  // namespace
