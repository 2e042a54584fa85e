#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <atomic>
#include <chrono>
#include <functional>
#include <set>
#include <thread>

#include "app/CMainFrame.h"
#include "app/CQuillsong3Doc.h"
#include "app/Languages.h"
#include "app/menus/CommandActions.h"
#include "app/menus/PlayMenu.h"
#include "app/panels/NavigationPanel.h"
#include "app/panels/PlayCommands.h"
#include "app/panels/TimeControlPanel.h"
#include "editor/InputCommands.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/PanelIcons.h"
#include "editor/qt/ScoreToolBar.h"
#include "editor/qt/ToolBarIcons.h"
#include "model/MelodicBar.h"
#include "model/Song.h"
#include "platform/FixedPrompt.h"
#include "playback/MessageRecorder.h"
#include "playback/SoundEngine.h"
#include "support/EngineReset.h"
#include "support/ImageDifference.h"
#include "support/NoteBarTestKit.h"
#include "support/OffscreenGui.h"
#include "widgets/ImageButton.h"
#include "widgets/UpDownControl.h"

// The transport and navigation panels in the real window: what typing,
// stepping and choosing in their boxes does, and how they follow playback.
namespace {

using namespace notebar_test;
using Clock = std::chrono::steady_clock;

constexpr auto kPatience = std::chrono::seconds(10);

// Counts the calls the panel has posted to itself and that reached it.
class PostCounter : public QObject {
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::MetaCall) {
            ++posts;
        }
        return false;
    }
    int posts = 0;
};

class PanelsTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        OffscreenWidgets();
        std::string error;
        ASSERT_TRUE(NotationFonts::Load(error)) << error;
        document.NewFirstSong();
        frame = std::make_unique<CMainFrame>(document, &prompt);
        frame->resize(1400, 900);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        frame->activateWindow();
    }
    void TearDown() override {
        SoundEngine& engine = SoundEngine::Instance();
        engine.Stop();
        engine.WaitUntilStopped();
        QTest::qWait(20);
        engine.SetOutput(nullptr);
        engine.SetLeadIn(SoundEngine::kDefaultLeadInMs);
        frame.reset();
        ToolsManager::Instance().SetZoom(125);
        EngineReset::TearDown();
    }

    TimeControlPanel& Transport() { return frame->Transport(); }
    NavigationPanel& Navigation() { return frame->Navigation(); }
    CQuillsong3View& View() { return frame->View(); }

    // Types into the box as a person does: everything in it replaced, then
    // Enter, or the focus taken to the score.
    enum class Leave { ByEnter, ByLeaving };
    void Type(QLineEdit& box, const char* text, Leave leave = Leave::ByEnter) {
        box.setFocus(Qt::MouseFocusReason);
        box.selectAll();
        QTest::keyClicks(&box, text);
        if (leave == Leave::ByEnter) {
            QTest::keyClick(&box, Qt::Key_Return);
        } else {
            View().setFocus(Qt::MouseFocusReason);
        }
    }
    std::string Text(const QLineEdit& box) { return box.text().toStdString(); }

    bool WaitFor(const std::function<bool()>& condition) {
        const auto deadline = Clock::now() + kPatience;
        while (!condition() && Clock::now() < deadline) {
            QTest::qWait(5);
        }
        return condition();
    }

    // The song playback runs through: one C on every beat, so the bars and
    // beats are all there.
    void PlayableSong(int bars) {
        document.ReplaceSong(MakeSong(4, 4, bars));
        for (int bar = 0; bar < bars; ++bar) {
            for (int step = 0; step < 96; step += 24) {
                Put(static_cast<MelodicBar&>(*document.GetSong()->GetBar(0, bar)), step, "C5", 4);
            }
        }
    }
    void RecordInsteadOfSounding(int tempo) {
        SoundEngine& engine = SoundEngine::Instance();
        engine.SetOutput(&recorder);
        engine.SetLeadIn(0);
        engine.SetTempo(tempo, false);
    }

    static bool Shows(ImageButton& button, PanelIcons::Picture picture) {
        const QImage shown =
            button.CurrentImage().pixmap(QSize(PanelIcons::kSize, PanelIcons::kSize)).toImage();
        const QImage expected =
            PanelIcons::For(picture, static_cast<PanelIcons::State>(button.CurrentState()))
                .pixmap(QSize(PanelIcons::kSize, PanelIcons::kSize))
                .toImage();
        const ImageDifference difference = ImageDifference::Of(shown, expected, 64);
        return difference.sameSize && difference.differing < 10;
    }

    CQuillsong3Doc document{UndoManager::Instance()};
    FixedPrompt prompt{Prompt::Ok};
    MessageRecorder recorder;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(PanelsTest, TempoBoxHoldsTypedTemposWithinTwentyAndTwoHundredEight) {
    QLineEdit& tempo = Transport().TempoBox();
    Type(tempo, "300");
    EXPECT_EQ(Text(tempo), "208");
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 208);
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(prompt.AskedSoFar()[0].text, "The tempo must be within 20 and 208");
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, "Warning");
    EXPECT_EQ(prompt.AskedSoFar()[0].icon, Prompt::WarningIcon);
    EXPECT_EQ(tempo.selectedText(), "208") << "the corrected tempo is selected for retyping";

    Type(tempo, "10", Leave::ByLeaving);
    EXPECT_EQ(Text(tempo), "20");
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 20);

    Type(tempo, "96", Leave::ByLeaving);
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 96);
    const size_t warnings = prompt.AskedSoFar().size();
    QTest::mouseClick(Transport().TempoUpDown().UpArrow(), Qt::LeftButton);
    EXPECT_EQ(Text(tempo), "97");
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 97);
    QTest::mouseClick(Transport().TempoUpDown().DownArrow(), Qt::LeftButton);
    QTest::mouseClick(Transport().TempoUpDown().DownArrow(), Qt::LeftButton);
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 95);
    EXPECT_EQ(prompt.AskedSoFar().size(), warnings) << "a valid tempo warns of nothing";
}

TEST_F(PanelsTest, BarBoxTakesBarOneForZeroAndForText) {
    QLineEdit& bar = Transport().BarBox();
    SoundEngine& engine = SoundEngine::Instance();
    struct Case {
        const char* typed;
        const char* shown;
        int startBar;
    };
    const Case cases[] = {{"3", "3", 2}, {"0", "1", 0}, {"4", "4", 3}, {"abc", "1", 0}};
    for (const Case& c : cases) {
        Type(bar, c.typed);
        EXPECT_EQ(Text(bar), c.shown) << c.typed;
        EXPECT_EQ(engine.StartBar(), c.startBar) << c.typed;
    }
    QTest::mouseClick(Transport().BarUpDown().UpArrow(), Qt::LeftButton);
    QTest::mouseClick(Transport().BarUpDown().UpArrow(), Qt::LeftButton);
    EXPECT_EQ(Text(bar), "3");
    EXPECT_EQ(engine.StartBar(), 2);
    QTest::mouseClick(&Transport().RewindButton(), Qt::LeftButton);
    EXPECT_EQ(Text(bar), "1");
    EXPECT_EQ(engine.StartBar(), 0);
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

TEST_F(PanelsTest, BeatUnitPictureAndMetronomeFollowTheEngine) {
    auto pictureOf = [](InputCommands::Command note) {
        return ToolBarIcons::For(note).pixmap(QSize(24, 24)).toImage();
    };
    auto shown = [this] { return Transport().BeatUnitPicture().pixmap().toImage(); };
    EXPECT_EQ(ImageDifference::Of(shown(), pictureOf(InputCommands::QuarterNote), 64).differing, 0);
    document.ReplaceSong(MakeSong(6, 8));
    EXPECT_EQ(ImageDifference::Of(shown(), pictureOf(InputCommands::EighthNote), 64).differing, 0);
    document.ReplaceSong(MakeSong(2, 2));
    EXPECT_EQ(ImageDifference::Of(shown(), pictureOf(InputCommands::HalfNote), 64).differing, 0);

    // A new picture moves the controls after it once the pending layout
    // runs; let it run before clicking where the button is.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    ImageButton& metronome = Transport().MetronomeButton();
    const bool wasOn = SoundEngine::Instance().IsMetronomeOn();
    EXPECT_TRUE(Shows(metronome, wasOn ? PanelIcons::MetronomeOn : PanelIcons::MetronomeOff));
    QTest::mouseClick(&metronome, Qt::LeftButton);
    EXPECT_NE(SoundEngine::Instance().IsMetronomeOn(), wasOn);
    EXPECT_TRUE(Shows(metronome, wasOn ? PanelIcons::MetronomeOff : PanelIcons::MetronomeOn));
    QTest::mouseClick(&metronome, Qt::LeftButton);
    EXPECT_EQ(SoundEngine::Instance().IsMetronomeOn(), wasOn);
}

TEST_F(PanelsTest, ZoomBoxRefusesFortyAndKeepsTheZoom) {
    ToolsManager::Instance().SetZoom(100);
    Navigation().Refresh();
    QComboBox& box = Navigation().ZoomBox();
    Type(*box.lineEdit(), "40");
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(prompt.AskedSoFar()[0].text, "Zoom percent must be within 50% to 200%");
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, "Warning");
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 100);
    EXPECT_EQ(box.currentText().toStdString(), "100%");

    Type(*box.lineEdit(), "110");
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 110);
    EXPECT_EQ(box.currentText().toStdString(), "110%");
    EXPECT_TRUE(View().hasFocus());
    EXPECT_EQ(prompt.AskedSoFar().size(), 1u);
}

TEST_F(PanelsTest, ChoosingSeventyFivePercentZoomsLaysOutAndFocusesTheView) {
    ToolsManager::Instance().SetZoom(100);
    View().ApplyZoom();
    Navigation().Refresh();
    const int heightAt100 = View().verticalScrollBar()->maximum() + View().viewport()->height();
    QComboBox& box = Navigation().ZoomBox();
    box.setFocus(Qt::MouseFocusReason);
    box.showPopup();
    QAbstractItemView* list = box.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QModelIndex item = list->model()->index(box.findText(QStringLiteral("75%")), 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualRect(item).center());
    QTest::qWait(20);
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 75);
    EXPECT_EQ(box.currentText().toStdString(), "75%");
    EXPECT_TRUE(View().hasFocus()) << "the focus is on "
                                   << (QApplication::focusWidget() != nullptr
                                           ? QApplication::focusWidget()->metaObject()->className()
                                           : "nothing");
    const int heightAt75 = View().verticalScrollBar()->maximum() + View().viewport()->height();
    EXPECT_LT(heightAt75, heightAt100) << "the scroll bars were not laid out for the new zoom";
}

TEST_F(PanelsTest, ZoomButtonsStepThroughThePresetsAndTheBoxFollowsMenuZooms) {
    ToolsManager::Instance().SetZoom(110);
    Navigation().Refresh();
    QComboBox& box = Navigation().ZoomBox();
    EXPECT_EQ(box.currentText().toStdString(), "110%");
    QTest::mouseClick(&Navigation().ZoomInButton(), Qt::LeftButton);
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 150);
    EXPECT_EQ(box.currentText().toStdString(), "150%");
    QTest::mouseClick(&Navigation().ZoomOutButton(), Qt::LeftButton);
    EXPECT_EQ(ToolsManager::Instance().Zoom(), 125);
    frame->Commands().Run(CommandId::Zoom200);
    EXPECT_EQ(box.currentText().toStdString(), "200%");
    EXPECT_FALSE(Navigation().ZoomInButton().isEnabled()) << "200 % is the most";
    frame->Commands().Run(CommandId::Zoom50);
    EXPECT_FALSE(Navigation().ZoomOutButton().isEnabled()) << "50 % is the least";
}

// A playback run through the recording back end: the panel follows the
// engine's notifications from its threads.
TEST_F(PanelsTest, DuringPlaybackThePlayButtonShowsPauseAndTheBoxesAdvanceDisabled) {
    PlayableSong(6);
    RecordInsteadOfSounding(208);
    TimeControlPanel& panel = Transport();
    EXPECT_TRUE(Shows(panel.PlayButton(), PanelIcons::Play));
    QTest::mouseClick(&panel.PlayButton(), Qt::LeftButton);

    std::set<std::string> bars;
    std::set<std::string> beats;
    bool pauseShown = false;
    bool boxesDisabled = true;
    ASSERT_TRUE(WaitFor([&] {
        if (SoundEngine::Instance().State() == SoundEngine::Playing) {
            pauseShown = pauseShown || panel.PlayButton().toolTip() == QStringLiteral("Pause");
            bars.insert(Text(panel.BarBox()));
            beats.insert(Text(panel.BeatBox()));
            boxesDisabled = boxesDisabled && !panel.BarBox().isEnabled() &&
                            !panel.TempoBox().isEnabled() && !panel.RewindButton().isEnabled() &&
                            !panel.BarUpDown().isEnabled() && !panel.TempoUpDown().isEnabled();
        }
        return bars.size() >= 3 && beats.size() >= 3;
    })) << bars.size()
        << " bars and " << beats.size() << " beats shown";
    EXPECT_TRUE(pauseShown);
    EXPECT_TRUE(Shows(panel.PlayButton(), PanelIcons::Pause));
    EXPECT_TRUE(boxesDisabled);
    EXPECT_TRUE(panel.StopButton().isEnabled());
    EXPECT_TRUE(bars.count("2") && bars.count("3")) << "the bar box follows the playing bar";

    QTest::mouseClick(&panel.StopButton(), Qt::LeftButton);
    ASSERT_TRUE(
        WaitFor([&] { return !SoundEngine::Instance().IsActive() && panel.BarBox().isEnabled(); }));
    EXPECT_TRUE(Shows(panel.PlayButton(), PanelIcons::Play));
    EXPECT_EQ(Text(panel.BarBox()), "1") << "stop goes back to the first bar";
    EXPECT_TRUE(panel.TempoBox().isEnabled());
    EXPECT_FALSE(panel.StopButton().isEnabled());
    EXPECT_TRUE(View().hasFocus()) << "the score takes the keys back after stop";
}

TEST_F(PanelsTest, PlayOpensThePreparingWindowWhichClosesOnceTheMusicStarts) {
    PlayableSong(4);
    RecordInsteadOfSounding(120);
    auto preparingWindow = []() -> QDialog* {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                for (QLabel* label : dialog->findChildren<QLabel*>()) {
                    if (label->text() == QStringLiteral("Preparing to play music ...")) {
                        return dialog;
                    }
                }
            }
        }
        return nullptr;
    };
    frame->Play().PlayAction()->trigger();
    QDialog* dialog = preparingWindow();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isModal());
    EXPECT_TRUE(WaitFor([&] { return preparingWindow() == nullptr; }));
    EXPECT_EQ(SoundEngine::Instance().State(), SoundEngine::Playing);
}

TEST_F(PanelsTest, SpaceTappedOnTheScorePlaysAndPausesButNotWhenItDragsThePage) {
    PlayableSong(8);
    RecordInsteadOfSounding(208);
    SoundEngine& engine = SoundEngine::Instance();
    View().setFocus();
    QTest::keyPress(View().viewport(), Qt::Key_Space);
    QTest::mousePress(View().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    QTest::mouseRelease(View().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(250, 300));
    QTest::keyRelease(View().viewport(), Qt::Key_Space);
    QTest::qWait(50);
    EXPECT_FALSE(engine.IsActive()) << "a hand drag started the music";

    QTest::keyClick(View().viewport(), Qt::Key_Space);
    ASSERT_TRUE(WaitFor([&] { return engine.State() == SoundEngine::Playing; }));
    ASSERT_TRUE(WaitFor([&] { return engine.CurrentBar() >= 1; }));
    View().setFocus();
    QTest::keyClick(View().viewport(), Qt::Key_Space);
    ASSERT_TRUE(WaitFor([&] { return !engine.IsActive(); }));
    EXPECT_GE(engine.StartBar(), 1) << "a pause resumes where it stopped";
    EXPECT_TRUE(WaitFor([&] {
        return Text(Transport().BarBox()) == std::to_string(engine.StartBar() + 1);
    })) << "the bar box shows where the music will go on";
    EXPECT_TRUE(View().hasFocus());
}

TEST_F(PanelsTest, EngineNotificationsArePostedOnceAndNeverWaitForTheWindow) {
    TimeControlPanel& panel = Transport();
    PostCounter counter;
    panel.installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.posts = 0;
    // The user-interface thread is busy here and handles no events while
    // another thread notifies many times.
    std::atomic<bool> done{false};
    std::thread notifier([&] {
        for (int i = 0; i < 10000; ++i) {
            panel.Update(&SoundEngine::Instance(), SoundEngine::BeatAspect);
        }
        done = true;
    });
    notifier.join();
    EXPECT_TRUE(done);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.posts, 1);
    panel.Update(&SoundEngine::Instance(), SoundEngine::EndAspect);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.posts, 2) << "after a post is handled the next one goes out";
    panel.removeEventFilter(&counter);
}

// The panels sit together on a row of their own under the tool bar, and
// stay so when a language switch builds them again.
TEST_F(PanelsTest, PanelsAndPlayCommandsFollowALanguageSwitch) {
    auto labels = [this] {
        QStringList texts;
        for (const QLabel* label : Transport().findChildren<QLabel*>()) {
            texts << label->text();
        }
        return texts;
    };
    auto expectOneRowUnderTheToolBar = [this] {
        QTest::qWait(20);
        const QRect tools = frame->ToolBar().geometry();
        const QRect transport = Transport().parentWidget()->geometry();
        const QRect navigation = Navigation().parentWidget()->geometry();
        EXPECT_GE(transport.top(), tools.bottom());
        EXPECT_EQ(navigation.top(), transport.top());
        EXPECT_GT(navigation.left(), transport.right());
        EXPECT_LT(transport.bottom(), View().geometry().top() + 1);
    };
    expectOneRowUnderTheToolBar();
    frame->SetLanguage(Languages::kTraditionalChinese);
    EXPECT_TRUE(labels().contains(QStringLiteral("目前"))) << labels().join('|').toStdString();
    EXPECT_TRUE(labels().contains(QStringLiteral("速度")));
    EXPECT_EQ(Transport().PlayButton().toolTip(), QStringLiteral("播放"));
    EXPECT_EQ(Navigation().ZoomInButton().toolTip(), QStringLiteral("放大"));
    EXPECT_EQ(frame->Play().PlayAction()->text(), QStringLiteral("播放/暫停(&P)\tSpace"));
    expectOneRowUnderTheToolBar();
    frame->SetLanguage(Languages::kEnglish);
    EXPECT_TRUE(labels().contains(QStringLiteral("Now")));
    EXPECT_EQ(frame->Play().PlayAction()->text(), QStringLiteral("&Play/Pause\tSpace"));
    expectOneRowUnderTheToolBar();
}

}  // namespace
