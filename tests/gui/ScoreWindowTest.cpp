#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/CMainFrame.h"
#include "app/CQuillsong3Doc.h"
#include "app/menus/EditMenu.h"
#include "app/menus/PlayMenu.h"
#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/ScoreToolBar.h"
#include "model/Song.h"
#include "platform/FixedPrompt.h"
#include "playback/MessageRecorder.h"
#include "playback/SoundEngine.h"
#include "support/ImageDifference.h"
#include "support/NoteBarTestKit.h"
#include "support/OffscreenGui.h"
#include "support/ViewPoints.h"

namespace {

namespace fs = std::filesystem;
using namespace notebar_test;

// Staff position p of a treble bar spans y from top + 170 - 10p up to 10
// more; these points sit in the middle of their position. Position 7 is the
// treble clef's line, the G above middle C (G4 in scientific pitch; the
// model counts middle C as octave 5 and writes it G5), position 9 the
// middle line, B.
constexpr int kG4 = 105;
constexpr int kB4 = 85;

class ScoreWindowTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        OffscreenWidgets();
        std::string error;
        ASSERT_TRUE(NotationFonts::Load(error)) << error;
        document.NewFirstSong();
        frame = std::make_unique<CMainFrame>(document);
        frame->resize(1600, 1000);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    }
    void TearDown() override {
        SoundEngine::Instance().Stop();
        SoundEngine::Instance().WaitUntilStopped();
        frame.reset();
        EngineReset::TearDown();
    }

    CQuillsong3View& View() { return frame->View(); }
    Song& TheSong() { return *document.GetSong(); }
    MelodicBar& BarOf(int track, int bar) {
        return static_cast<MelodicBar&>(*TheSong().GetBar(track, bar));
    }
    // Scrolls the point into sight and gives its place in the viewport.
    QPoint Visible(Point logical) { return VisiblePoint(View(), logical); }
    void Click(Point logical, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(View().viewport(), Qt::LeftButton, modifiers, Visible(logical));
    }
    void Press(QAction* action) { action->trigger(); }
    Point InBar(int track, int bar, int dx, int dy) {
        const Box box = BarOf(track, bar).GetBox();
        return {box.x + dx, box.y + dy};
    }
    std::string LastRecord() const {
        const UndoManager& history = UndoManager::Instance();
        return history.NameAt(history.CurrentIndex());
    }

    CQuillsong3Doc document{UndoManager::Instance()};
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ScoreWindowTest, StartsWithTheFirstSongAndItsBaseEntry) {
    EXPECT_EQ(TheSong().GetTitleText()->GetText(), "My Great Music");
    EXPECT_EQ(TheSong().GetNumTracks(), 1);
    EXPECT_EQ(TheSong().GetNumBars(), 16);
    EXPECT_EQ(UndoManager::Instance().Count(), 1);
    EXPECT_EQ(LastRecord(), UndoManager::kInitTag);
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 125);
    EXPECT_GT(View().verticalScrollBar()->maximum(), 0) << "a page is taller than the window";
}

TEST_F(ScoreWindowTest, AFileThatFailsToOpenIsReportedAndTheSongStays) {
    const fs::path missing = fs::temp_directory_path() / "quillsong-no-such-song.qs";
    const fs::path broken = fs::temp_directory_path() / "quillsong-broken-song.qs";
    std::ofstream(broken.string()) << "<LarkSong";
    for (const auto& [path, message] :
         {std::pair{missing, "File do not exists"}, std::pair{broken, "Read file error"}}) {
        FixedPrompt prompt(Prompt::Ok);
        EXPECT_FALSE(document.Open(path.string(), prompt));
        ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
        EXPECT_EQ(prompt.AskedSoFar().front().text, message);
        EXPECT_EQ(prompt.AskedSoFar().front().caption, "Error");
        EXPECT_EQ(TheSong().GetTitleText()->GetText(), "My Great Music");
        EXPECT_EQ(View().GetSong(), &TheSong());
    }
    fs::remove(broken);
}

TEST_F(ScoreWindowTest, APencilClickOnBarTwoAtG4WritesAQuarterG4) {
    Press(frame->ToolBar().Action(InputCommands::QuarterNote));
    Click(InBar(0, 1, 300, kG4));
    EXPECT_EQ(GridText(BarOf(0, 1)).substr(0, 7), "0:G5/24");
    EXPECT_EQ(UndoManager::Instance().Count(), 2);
    EXPECT_EQ(LastRecord(), "Bar data changed");
}

TEST_F(ScoreWindowTest, UndoAndRedoWalkThroughAMelody) {
    Press(frame->ToolBar().Action(InputCommands::QuarterNote));
    MelodicBar& bar = BarOf(0, 0);
    const Box box = bar.GetBox();
    // Each click writes at the first free column: a quarter rest's head.
    std::vector<std::string> grids{GridText(bar)};
    for (const int y : {kG4, kB4, kG4, kB4}) {
        const NoteChord* rest = bar.FirstChord();
        while (rest != nullptr && !rest->IsRest()) {
            rest = bar.ChordAfter(*rest);
        }
        ASSERT_NE(rest, nullptr);
        const Box head = rest->First()->GetBox();
        Click({head.x + head.width / 2, box.y + y});
        grids.push_back(GridText(bar));
    }
    ASSERT_EQ(grids.back(), "0:G5/24 24:B5/24 48:G5/24 72:B5/24");
    QAction* undo = frame->Edit().UndoAction();
    QAction* redo = frame->Edit().RedoAction();
    // The history keeps four states: three edits can be undone.
    for (int i = 3; i >= 1; --i) {
        ASSERT_TRUE(undo->isEnabled());
        undo->trigger();
        EXPECT_EQ(GridText(BarOf(0, 0)), grids[static_cast<size_t>(i)]);
    }
    EXPECT_FALSE(undo->isEnabled());
    for (int i = 2; i <= 4; ++i) {
        ASSERT_TRUE(redo->isEnabled());
        redo->trigger();
        EXPECT_EQ(GridText(BarOf(0, 0)), grids[static_cast<size_t>(i)]);
    }
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(ScoreWindowTest, TheEraserRemovesANote) {
    Put(BarOf(0, 2), 0, "G5", 4);
    const Box head = BarOf(0, 2).FirstChord()->First()->GetBox();
    Press(frame->ToolBar().Action(InputCommands::Eraser));
    Click({head.x + head.width / 2, head.y + head.height / 2});
    EXPECT_EQ(GridText(BarOf(0, 2)), "0:S/24 24:S/24 48:S/24 72:S/24");
    EXPECT_EQ(LastRecord(), "Bar data changed");
}

TEST_F(ScoreWindowTest, ShiftClickSelectsTheBlockOfBarsAcrossTracks) {
    document.ReplaceSong(MakeSong(4, 4, 8));
    Press(frame->ToolBar().Action(InputCommands::Select));
    Click(InBar(0, 1, 100, 20));
    Click(InBar(2, 3, 100, 20), Qt::ShiftModifier);
    const auto& selection = ToolsManager::Instance().Selection();
    ASSERT_EQ(selection.size(), 9u);
    std::vector<std::pair<int, int>> order;
    for (const SelObject* object : selection) {
        const auto* bar = static_cast<const Bar*>(object);
        order.emplace_back(bar->GetTrack()->GetTrackNum(), bar->GetIndex());
    }
    EXPECT_EQ(order, (std::vector<std::pair<int, int>>{
                         {0, 1}, {0, 2}, {0, 3}, {1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}}));
}

TEST_F(ScoreWindowTest, DraggingANoteMovesItTwoStaffPositionsAsOneEntry) {
    Press(frame->ToolBar().Action(InputCommands::QuarterNote));
    const Point at = InBar(0, 3, 300, kG4);
    Click(at);
    const int entries = UndoManager::Instance().Count();
    const Box head = BarOf(0, 3).FirstChord()->First()->GetBox();
    Press(frame->ToolBar().Action(InputCommands::Select));
    const QPoint from = Visible({head.x + head.width / 2, head.y + head.height / 2});
    const QPoint to =
        View().ToDevicePoint({head.x + head.width / 2, head.y + head.height / 2 - 20});
    QTest::mousePress(View().viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, View().viewport()->mapToGlobal(to), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(View().viewport(), &move);
    QTest::mouseRelease(View().viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(GridText(BarOf(0, 3)).substr(0, 7), "0:B5/24");
    EXPECT_EQ(UndoManager::Instance().Count(), std::min(entries + 1, UndoManager::kLimit));
    EXPECT_EQ(LastRecord(), "Dragging");
}

TEST_F(ScoreWindowTest, KeysChangeTheToolStateAndTheToolBarChecks) {
    ToolsManager& tools = ToolsManager::Instance();
    ScoreToolBar& bar = frame->ToolBar();
    View().setFocus();
    struct Case {
        char key;
        int checked;
    };
    for (const Case c :
         {Case{'1', InputCommands::WholeNote}, Case{'3', InputCommands::QuarterNote},
          Case{'5', InputCommands::SixteenthNote}, Case{'s', InputCommands::SixteenthRest},
          Case{'2', InputCommands::HalfRest}, Case{'s', InputCommands::HalfNote},
          Case{'p', InputCommands::Triplet}, Case{'.', InputCommands::Dot},
          Case{'t', InputCommands::Eraser}, Case{'t', InputCommands::Select},
          Case{'t', InputCommands::Pencil}}) {
        QTest::keyClick(View().viewport(), c.key);
        EXPECT_TRUE(bar.Action(c.checked)->isChecked()) << "after " << c.key;
    }
    EXPECT_EQ(tools.NoteValue(), 2);
    EXPECT_TRUE(tools.IsDotted());
    EXPECT_EQ(tools.ToolIndex(), ToolsManager::Pencil);
}

TEST_F(ScoreWindowTest, PlaybackLightsTheNotesAndFollowsThePlayingBar) {
    document.ReplaceSong(MakeSong(4, 4, 48));
    for (int bar = 0; bar < 48; ++bar) {
        Put(static_cast<MelodicBar&>(*TheSong().GetBar(0, bar)), 0, "C5", 1);
    }
    frame->resize(700, 500);
    View().ScrollTo({0, 0});
    MessageRecorder recorder;
    SoundEngine& engine = SoundEngine::Instance();
    engine.SetOutput(&recorder);
    engine.SetLeadIn(0);
    engine.SetTempo(208, false);
    engine.SetStartBar(44);
    const Note* note =
        TheSong().GetBar(0, 44)->IsA("MelodicBar")
            ? static_cast<MelodicBar&>(*TheSong().GetBar(0, 44)).FirstChord()->First()
            : nullptr;
    ASSERT_NE(note, nullptr);
    frame->Play().PlayAction()->trigger();
    bool lit = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline &&
           (!lit || View().horizontalScrollBar()->value() == 0)) {
        lit = lit || note->IsHighlighted();
        QTest::qWait(5);
    }
    engine.Stop();
    engine.WaitUntilStopped();
    QTest::qWait(20);
    engine.SetOutput(nullptr);
    EXPECT_TRUE(lit) << "the note of bar 45 never lit up";
    EXPECT_GT(View().horizontalScrollBar()->value(), 0) << "the view stayed on the first page";
    EXPECT_FALSE(note->IsHighlighted()) << "the light stays on after the end";
}

// The window as a person sees it at first: menus, tool bar, the desk and the
// first page. A few hundred pixels may differ (text antialiasing across
// font versions); a missing tool bar, a shifted page or a wrong zoom
// changes tens of thousands.
TEST_F(ScoreWindowTest, LooksLikeItsReferencePicture) {
    constexpr int kChannelTolerance = 64;
    constexpr long kAllowedPixels = 400;
    frame->resize(1200, 800);
    QTest::qWait(50);
    const QImage actual = frame->grab().toImage();
    const fs::path reference = fs::path(QUILLSONG_TEST_DATA) / "gui" / "MainWindow.png";
    if (std::getenv("QUILLSONG_UPDATE_REFERENCES") != nullptr) {
        ASSERT_TRUE(actual.save(QString::fromStdString(reference.string())));
        GTEST_SKIP() << "reference rewritten: " << reference;
    }
    const QImage expected(QString::fromStdString(reference.string()));
    ASSERT_FALSE(expected.isNull()) << "no reference picture " << reference;
    const ImageDifference difference = ImageDifference::Of(actual, expected, kChannelTolerance);
    const fs::path kept = fs::temp_directory_path() / "quillsong-actual-MainWindow.png";
    if (!difference.sameSize || difference.differing > kAllowedPixels) {
        actual.save(QString::fromStdString(kept.string()));
    }
    ASSERT_TRUE(difference.sameSize) << "the new picture is kept as " << kept;
    EXPECT_LE(difference.differing, kAllowedPixels)
        << difference.differing << " of " << difference.total
        << " pixels differ; the new picture is kept as " << kept;
}

}  // namespace
