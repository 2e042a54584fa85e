#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/CMainFrame.h"
#include "app/CQuillsong3Doc.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/QtFontCache.h"
#include "editor/qt/SelectorList.h"
#include "editor/qt/TextBoxField.h"
#include "model/FloatingCombo.h"
#include "model/InstrumentCombo.h"
#include "model/LyricText.h"
#include "model/SongText.h"
#include "model/StyleCombo.h"
#include "model/Track.h"
#include "model/VolumeSlider.h"
#include "platform/ProgramPaths.h"
#include "playback/MessageRecorder.h"
#include "support/NoteBarTestKit.h"
#include "support/OffscreenGui.h"
#include "support/ViewPoints.h"

namespace {

using namespace notebar_test;

Point CentreOf(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Editing text boxes, selectors and sliders on the page of the real window
// with the first song, with the pencil (the tool the window starts with).
class FloatingEditingTest : public EngineReset {
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
        SoundEngine::Instance().SetOutput(nullptr);
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
    void Click(Point logical) {
        QTest::mouseClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, Visible(logical));
    }
    std::string LastRecord() const {
        const UndoManager& history = UndoManager::Instance();
        return history.NameAt(history.CurrentIndex());
    }
    // The edit field or list on screen; those closed wait hidden for deletion.
    template <typename Widget>
    Widget* Shown() {
        for (Widget* widget : View().viewport()->findChildren<Widget*>()) {
            if (widget->isVisible()) {
                return widget;
            }
        }
        return nullptr;
    }
    int Entries() const { return UndoManager::Instance().Count(); }
    SongText& Title() { return *TheSong().GetTitleText(); }
    // A pencil click on the box opens its field.
    TextBoxField* OpenField(const FloatingText& box) {
        Click(CentreOf(box.GetRect()));
        return Shown<TextBoxField>();
    }
    SelectorList* OpenList(const FloatingCombo& combo) {
        Click(CentreOf(combo.GetRect()));
        return Shown<SelectorList>();
    }
    // A point of the first page where nothing lies.
    Point EmptyPaper() const { return {1000, 2850}; }
    // Presses the left button, moves with it held and lets go.
    void DragWithPencil(Point from, Point to) {
        QWidget* viewport = View().viewport();
        const QPoint start = Visible(from);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, start);
        for (int i = 1; i <= 3; ++i) {
            const QPoint at = View().ToDevicePoint(
                {from.x + (to.x - from.x) * i / 3, from.y + (to.y - from.y) * i / 3});
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
        }
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, View().ToDevicePoint(to));
    }
    void MoveTo(Point logical) {
        QWidget* viewport = View().viewport();
        const QPoint at = View().ToDevicePoint(logical);
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }

    // The Edit menu's item with the caption.
    QAction* EditItem(const QString& caption) {
        for (QAction* menu : frame->menuBar()->actions()) {
            if (menu->text() == "&Edit") {
                for (QAction* item : menu->menu()->actions()) {
                    if (item->text() == caption) {
                        return item;
                    }
                }
            }
        }
        ADD_FAILURE() << "no Edit item " << caption.toStdString();
        static QAction none;
        return &none;
    }

    CQuillsong3Doc document{UndoManager::Instance()};
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(FloatingEditingTest, TheTitlesFieldStandsOverItInItsFontWithTheTextSelected) {
    const Rect box = Title().GetRect();
    TextBoxField* field = OpenField(Title());
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "My Great Music");
    EXPECT_EQ(field->selectedText(), "My Great Music");
    const QPoint topLeft = View().ToDevicePoint({box.left, box.top});
    const QPoint bottomRight = View().ToDevicePoint({box.right, box.bottom});
    const QRect over = field->geometry();
    EXPECT_EQ(over.top(), topLeft.y() - 1) << "a line edit writes 1 pixel below its top";
    EXPECT_EQ(over.bottom(), bottomRight.y() - 1);
    EXPECT_GE(over.right(), bottomRight.x() - 1);
    EXPECT_LE(over.left(), topLeft.x() - 2) << "a line edit writes 2 pixels in from its edge";
    // A line edit keeps 2 pixels on either side of its text.
    EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()) + 4, over.width())
        << "the title fits without scrolling";
    const QFont score = QtFontCache::Instance().Get(Title().GetNormalFont()).font;
    EXPECT_EQ(field->font().family(), score.family());
    EXPECT_NEAR(QFontInfo(field->font()).pixelSize(), score.pixelSize() * View().Mapping().Scale(),
                1.0)
        << "the box's font at the zoom";
    EXPECT_TRUE(View().EditFieldOpen());
}

TEST_F(FloatingEditingTest, EnterGivesTheTitleItsNewTextAsOneEntry) {
    const int before = Entries();
    TextBoxField* field = OpenField(Title());
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "Ode to Joy");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Title().GetText(), "Ode to Joy");
    EXPECT_EQ(Entries(), before + 1);
    EXPECT_EQ(LastRecord(), "Data changed");
    EXPECT_EQ(Shown<TextBoxField>(), nullptr);
    EXPECT_FALSE(View().EditFieldOpen());
    EXPECT_TRUE(ToolsManager::Instance().Selection().empty());
}

TEST_F(FloatingEditingTest, EnterOnAnEmptyOrUnchangedFieldRecordsNothing) {
    const int before = Entries();
    for (const bool emptied : {false, true}) {
        TextBoxField* field = OpenField(Title());
        ASSERT_NE(field, nullptr);
        if (emptied) {
            QTest::keyClick(field, Qt::Key_Backspace);
            ASSERT_TRUE(field->text().isEmpty());
        }
        QTest::keyClick(field, Qt::Key_Enter);
        EXPECT_EQ(Title().GetText(), "My Great Music");
        EXPECT_EQ(Entries(), before);
        EXPECT_EQ(Shown<TextBoxField>(), nullptr);
    }
}

TEST_F(FloatingEditingTest, EscapeClosesTheFieldAndKeepsTheText) {
    const int before = Entries();
    TextBoxField* field = OpenField(Title());
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "Never mind");
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(Shown<TextBoxField>(), nullptr);
    EXPECT_TRUE(ToolsManager::Instance().Selection().empty());
    QApplication::processEvents();
    EXPECT_EQ(Title().GetText(), "My Great Music");
    EXPECT_EQ(Entries(), before);
}

TEST_F(FloatingEditingTest, AClickAwayCommitsTheField) {
    const int before = Entries();
    TextBoxField* field = OpenField(Title());
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "Clicked away");
    Click(EmptyPaper());
    EXPECT_EQ(Title().GetText(), "Clicked away");
    EXPECT_EQ(Entries(), before + 1);
    EXPECT_EQ(Shown<TextBoxField>(), nullptr);
}

TEST_F(FloatingEditingTest, EditCopyAndPasteWorkInTheFieldThroughTheSystemClipboard) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    TextBoxField* field = OpenField(Title());
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(View().EditFieldOpen());
    field->setSelection(3, 5);
    EditItem("&Copy\tCtrl-C")->trigger();
    EXPECT_EQ(clipboard->text(), "Great");

    clipboard->setText("Pasted");
    field->selectAll();
    EditItem("&Paste\tCtrl-V")->trigger();
    EXPECT_EQ(field->text(), "Pasted");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Title().GetText(), "Pasted");
    EXPECT_FALSE(View().EditFieldOpen());
}

TEST_F(FloatingEditingTest, SpacesWalkTheSyllablesOfABar) {
    for (const int step : {0, 24, 48, 72}) {
        Put(BarOf(0, 0), step, "C5", 4);
    }
    TheSong().GetTrack(0)->ShowLyrics();
    TheSong().Relayout();
    View().UpdateScrollSizes();
    std::vector<LyricText*> lyrics;
    for (const auto& [step, lyric] : BarOf(0, 0).GetLyrics()) {
        lyrics.push_back(lyric.get());
    }
    ASSERT_EQ(lyrics.size(), 4u);
    TextBoxField* field = OpenField(*lyrics[0]);
    ASSERT_NE(field, nullptr);
    for (const char* syllable : {"Twin", "kle", "twin", "kle"}) {
        field = Shown<TextBoxField>();
        ASSERT_NE(field, nullptr) << "before " << syllable;
        QTest::keyClicks(field, syllable);
        QTest::keyClick(field, Qt::Key_Space);
    }
    std::vector<std::string> texts;
    for (const LyricText* lyric : lyrics) {
        texts.push_back(lyric->GetText());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Twin", "kle", "twin", "kle"}));
    EXPECT_EQ(Shown<TextBoxField>(), nullptr) << "the space after the bar's last syllable ends";
}

TEST_F(FloatingEditingTest, ALyricsFieldGrowsAboutItsCentreWithTheText) {
    Put(BarOf(0, 0), 0, "C5", 4);
    TheSong().GetTrack(0)->ShowLyrics();
    TheSong().Relayout();
    View().UpdateScrollSizes();
    LyricText& lyric = *BarOf(0, 0).GetLyrics().at(0);
    TextBoxField* field = OpenField(lyric);
    ASSERT_NE(field, nullptr);
    const int centre = field->geometry().center().x();
    QTest::keyClicks(field, "Supercalifragilistic");
    EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()) + 4, field->width())
        << "the whole syllable shows";
    EXPECT_NEAR(field->geometry().center().x(), centre, 1.0);
}

TEST_F(FloatingEditingTest, ChoosingViolinSendsProgram40) {
    MessageRecorder output;
    SoundEngine& engine = SoundEngine::Instance();
    engine.SetOutput(&output);
    auto& instrument = static_cast<InstrumentCombo&>(*TheSong().GetTrack(0)->GetSelector());
    const int before = Entries();
    SelectorList* list = OpenList(instrument);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 128);
    EXPECT_EQ(list->currentRow(), instrument.GetIndex());
    EXPECT_GE(list->width(), 350);
    EXPECT_GE(list->height(), 160);
    const QList<QListWidgetItem*> violin = list->findItems("[41]Violin", Qt::MatchExactly);
    ASSERT_EQ(violin.size(), 1);
    list->scrollToItem(violin.front());
    output.Clear();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(violin.front()).center());
    engine.SetOutput(nullptr);

    EXPECT_EQ(instrument.GetProgram(), 40);
    const int channel = engine.Entry(instrument.GetChannel())->channel;
    std::vector<std::pair<int, int>> programs;
    for (const MessageRecorder::Message& message : output.Messages()) {
        if (message.Command() == 0xC0) {
            programs.emplace_back(message.Channel(), message.data1);
        }
    }
    EXPECT_EQ(programs, (std::vector<std::pair<int, int>>{{channel, 40}}));
    EXPECT_EQ(Entries(), before + 1);
    EXPECT_EQ(LastRecord(), "Data changed");
    EXPECT_EQ(Shown<SelectorList>(), nullptr);
    EXPECT_TRUE(ToolsManager::Instance().Selection().empty());
}

TEST_F(FloatingEditingTest, EscapeOrAClickElsewhereClosesTheListUnchanged) {
    FloatingCombo& instrument = *TheSong().GetTrack(0)->GetSelector();
    const int before = Entries();
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "click elsewhere");
        SelectorList* list = OpenList(instrument);
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(list->hasFocus());
        list->setCurrentRow(10);
        if (escape) {
            QTest::keyClick(list, Qt::Key_Escape);
        } else {
            Click(EmptyPaper());
        }
        EXPECT_EQ(Shown<SelectorList>(), nullptr);
        EXPECT_EQ(instrument.GetIndex(), 0);
        EXPECT_EQ(Entries(), before);
    }
}

// Four of the shipped 4/4 styles and a 3/4 one, beside a program of their own:
// the list shows those of the song's time signature.
class ShippedStylesSubset {
public:
    ShippedStylesSubset()
        : m_dir(std::filesystem::path(ProgramPaths::TempDir()) /
                ("style-list-" + std::to_string(::getpid()))) {
        const std::filesystem::path shipped =
            std::filesystem::path(ProgramPaths::ExecutableDir()) / "Pattern";
        std::filesystem::create_directories(m_dir / "Pattern");
        for (const char* file :
             {"44_Ballad.qsx", "44_Pop.qsx", "44_Rock.qsx", "44_Swing.qsx", "34_Waltz.qsx"}) {
            std::filesystem::copy_file(shipped / file, m_dir / "Pattern" / file);
        }
        ProgramPaths::OverrideExecutableDir(m_dir.string());
    }
    ~ShippedStylesSubset() {
        ProgramPaths::OverrideExecutableDir("");
        std::filesystem::remove_all(m_dir);
    }
    ShippedStylesSubset(const ShippedStylesSubset&) = delete;
    ShippedStylesSubset& operator=(const ShippedStylesSubset&) = delete;

private:
    std::filesystem::path m_dir;
};

TEST_F(FloatingEditingTest, TheStyleListShowsTheShippedStylesForTheTimeSignature) {
    auto song = MakeSong(4, 4, 4);
    {
        const ShippedStylesSubset styles;
        song->AddAccompanimentTrack();
    }
    document.ReplaceSong(std::move(song));
    SelectorList* list = OpenList(*TheSong().GetTrack(0)->GetSelector());
    ASSERT_NE(list, nullptr);
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        names << list->item(i)->text();
    }
    EXPECT_EQ(names, (QStringList{"Ballad", "Pop", "Rock", "Swing"}));
}

TEST_F(FloatingEditingTest, DraggingTheVolumePastItsEndGives100AsOneEntry) {
    VolumeSlider& slider = *TheSong().GetTrack(0)->GetVolumeSlider();
    slider.SetValue(30, false);
    const Rect r = slider.GetRect();
    const int y = (r.top + r.bottom) / 2;
    const int before = Entries();
    DragWithPencil({r.left + 60, y}, {r.right + 300, y});
    EXPECT_EQ(slider.GetValue(), 100);
    EXPECT_EQ(Entries(), before + 1) << "recorded as soon as it is let go";
    EXPECT_EQ(LastRecord(), "Data changed");
    // Hovering it again and leaving it redraws it twice more.
    MoveTo(CentreOf(r));
    MoveTo(EmptyPaper());
    QTest::qWait(20);
    EXPECT_EQ(Entries(), before + 1);
}

TEST_F(FloatingEditingTest, CloseEditorsCommitsOrDropsTheTextAndKeepsTheSelection) {
    for (const bool commit : {false, true}) {
        TextBoxField* field = OpenField(Title());
        ASSERT_NE(field, nullptr);
        QTest::keyClicks(field, "Closed");
        View().CloseEditors(commit);
        EXPECT_EQ(Shown<TextBoxField>(), nullptr);
        EXPECT_EQ(Title().GetText(), commit ? "Closed" : "My Great Music");
        EXPECT_EQ(ToolsManager::Instance().Selection(), std::vector<SelObject*>{&Title()});
        ToolsManager::Instance().ClearSelection(true);
    }
}

// The old song's boxes are gone once the document holds a new one.
TEST_F(FloatingEditingTest, ANewSongClosesTheFieldWithoutTouchingTheOldBox) {
    TextBoxField* field = OpenField(Title());
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, "Lost");
    document.NewFirstSong();
    QApplication::processEvents();
    EXPECT_EQ(Shown<TextBoxField>(), nullptr);
    EXPECT_EQ(Title().GetText(), "My Great Music");
    EXPECT_EQ(Entries(), 1);
}

TEST_F(FloatingEditingTest, TheFieldFollowsItsBoxWhenTheViewScrolls) {
    TextBoxField* field = OpenField(Title());
    ASSERT_NE(field, nullptr);
    const QRect before = field->geometry();
    QScrollBar* bar = View().verticalScrollBar();
    bar->setValue(bar->value() + 40);
    EXPECT_EQ(field->geometry(), before.translated(0, -40));
}

}  // namespace
