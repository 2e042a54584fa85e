#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/CMidiSetupDlg.h"
#include "app/CNewSongDlg.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "model/Track.h"
#include "platform/FixedPrompt.h"
#include "playback/FakeDeviceDirectory.h"
#include "playback/SoundEngine.h"
#include "support/EngineReset.h"
#include "support/GatedDeviceDirectory.h"
#include "support/OffscreenGui.h"

namespace {

using Strings = std::vector<std::string>;

// Drives the New Music Wizard and MIDI Setup through their widgets while they
// run modally, the way a user does, and checks what they hand over or what
// reached the devices. Messages go to a FixedPrompt.
class WizardDialogsTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        OffscreenWidgets();
        history.Clear();
        old = std::make_unique<Song>("old", "me", 4, 100, Song::TimeSignature{4, 4}, 0);
        history.Record(*old, "Init", "Init");
        history.Record(*old, "Insert Bar", "Insert Bar");
        engine.SetDeviceDirectory(devices);
    }
    void TearDown() override {
        engine.SetDeviceDirectory(nullptr);
        history.Clear();
        EngineReset::TearDown();
    }

    // Runs the dialog modally; drive works its widgets once it shows and
    // must leave it closed (waiting, when a close has to wait for a device).
    static int Run(QDialog& dialog, const std::function<void()>& drive) {
        QTimer::singleShot(0, &dialog, [&dialog, &drive] {
            try {
                drive();
            } catch (const std::exception& error) {
                ADD_FAILURE() << error.what();
            }
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog is still open";
                dialog.reject();
            }
        });
        return dialog.exec();
    }

    template <typename Widget>
    static Widget& Find(QDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<Widget*>(QString::fromUtf8(name));
        if (widget == nullptr) {
            throw std::runtime_error(std::string("no widget ") + name);
        }
        return *widget;
    }
    // On the button's left end: a radio button answers only on its circle and
    // text, and a laid-out one may be much wider than those.
    static void Click(QDialog& dialog, const char* name) {
        auto& button = Find<QAbstractButton>(dialog, name);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
    }
    static void Press(QDialog& dialog, Qt::Key key) {
        QWidget* focus = dialog.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &dialog, key);
    }
    static void Type(QLineEdit& field, const char* text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, QString::fromUtf8(text));
    }
    static void ClickRow(QListWidget& list, int row) {
        const QRect rect = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }
    static QPushButton& Button(QDialog& dialog, const QString& text) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text().remove(QLatin1Char('&')) == text) {
                return *button;
            }
        }
        throw std::runtime_error("no button " + text.toStdString());
    }
    static std::string Text(const QLineEdit& field) { return field.text().toStdString(); }
    static std::vector<int> TrackTypes(const Song& song) {
        std::vector<int> types;
        for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
            types.push_back(song.GetTrack(slot)->GetTrackType());
        }
        return types;
    }
    std::string LastMessage() const {
        return prompt.AskedSoFar().empty() ? "" : prompt.AskedSoFar().back().text;
    }
    // Until the dialog's device job has ended and it has taken the end.
    static bool WaitUntilEnabled(QWidget& widget) {
        return QTest::qWaitFor([&widget] { return widget.isEnabled(); }, 20000);
    }

    SoundEngine& engine = SoundEngine::Instance();
    UndoManager& history = UndoManager::Instance();
    std::unique_ptr<Song> old;
    FixedPrompt prompt{Prompt::Ok};
    std::shared_ptr<FakeDeviceDirectory> devices = std::make_shared<FakeDeviceDirectory>(
        std::vector<FakeDevice>{FakeDevice::Working("Synth A"), FakeDevice::Working("Port B")});
};

// Both dialogs: the caption; every access key leads somewhere and none is used
// twice, so the keyboard reaches every field.
TEST_F(WizardDialogsTest, CaptionsAndDistinctAccessKeys) {
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogs = {
        {"New Music Wizard", [&] { return std::make_unique<CNewSongDlg>(prompt); }},
        {"MIDI Setup", [&] { return std::make_unique<CMidiSetupDlg>(prompt); }},
    };
    const auto accessKey = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    for (const auto& [caption, make] : dialogs) {
        SCOPED_TRACE(caption);
        const std::unique_ptr<QDialog> dialog = make();
        EXPECT_EQ(dialog->windowTitle().toStdString(), caption);
        std::map<QChar, QString> keys;
        const auto claim = [&keys](QChar key, const QString& text) {
            if (!key.isNull()) {
                EXPECT_TRUE(keys.emplace(key, text).second)
                    << text.toStdString() << " and " << keys[key].toStdString() << " share a key";
            }
        };
        for (const QLabel* label : dialog->findChildren<QLabel*>()) {
            const QChar key = accessKey(label->text());
            EXPECT_TRUE(key.isNull() || label->buddy() != nullptr) << label->text().toStdString();
            claim(key, label->text());
        }
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
            claim(accessKey(button->text()), button->text());
        }
        for (const QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
            claim(accessKey(group->title()), group->title());
        }
        EXPECT_GE(keys.size(), 1u);
    }
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

TEST_F(WizardDialogsTest, WizardTabsThroughItsFieldsInReadingOrder) {
    CNewSongDlg dialog(prompt);
    Strings order;
    QWidget* widget = &dialog;
    do {
        widget = widget->nextInFocusChain();
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && !widget->objectName().isEmpty() &&
            !widget->objectName().startsWith(QLatin1String("qt_"))) {
            order.push_back(widget->objectName().toStdString());
        }
    } while (widget != &dialog);
    EXPECT_EQ(order, (Strings{"template", "templates", "custom", "treble", "bass", "percussion",
                              "accompaniment", "major", "minor", "majorKeys", "minorKeys", "tempos",
                              "tempo", "timeSignature0", "timeSignature1", "timeSignature2",
                              "timeSignature3", "timeSignature4", "useDefault"}));
}

TEST_F(WizardDialogsTest, WizardOpensOnTheDefaultsAndEnterBuildsThem) {
    CNewSongDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        EXPECT_TRUE(Find<QRadioButton>(dialog, "template").isChecked());
        EXPECT_TRUE(Find<QListWidget>(dialog, "templates").isEnabled());
        EXPECT_EQ(Find<QListWidget>(dialog, "templates").currentItem()->text(), "Treble");
        Strings counts;
        for (const char* name : {"treble", "bass", "percussion", "accompaniment"}) {
            EXPECT_FALSE(Find<QLineEdit>(dialog, name).isEnabled()) << name;
            counts.push_back(Text(Find<QLineEdit>(dialog, name)));
        }
        EXPECT_EQ(counts, (Strings{"1", "0", "0", "0"}));
        EXPECT_TRUE(Find<QRadioButton>(dialog, "major").isChecked());
        EXPECT_TRUE(Find<QComboBox>(dialog, "majorKeys").isVisible());
        EXPECT_FALSE(Find<QComboBox>(dialog, "minorKeys").isVisible());
        EXPECT_EQ(Find<QComboBox>(dialog, "majorKeys").currentText(), "C");
        EXPECT_EQ(Find<QComboBox>(dialog, "minorKeys").currentText(), "A");
        EXPECT_EQ(Find<QComboBox>(dialog, "tempos").currentText(), "Moderato");
        EXPECT_FALSE(Find<QLineEdit>(dialog, "tempo").isEnabled());
        EXPECT_EQ(Text(Find<QLineEdit>(dialog, "tempo")), "114");
        EXPECT_TRUE(Find<QRadioButton>(dialog, "timeSignature3").isChecked());
        EXPECT_EQ(Find<QRadioButton>(dialog, "timeSignature3").text(), "4/4");
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const std::unique_ptr<Song> song = dialog.TakeSong();
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(TrackTypes(*song), (std::vector<int>{TrebleTrack}));
    EXPECT_EQ(song->GetTempo(), 114);
    EXPECT_EQ(song->GetKeySignature(), 0);
    EXPECT_EQ(song->GetNumOfStepsPerBar(), 96);
    EXPECT_EQ(history.Count(), 0) << "the replaced song's history is gone";
}

TEST_F(WizardDialogsTest, TemplateWithAccompanimentAndPercussionPutsTheAccompanimentFirst) {
    CNewSongDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        ClickRow(Find<QListWidget>(dialog, "templates"), 3);
        EXPECT_EQ(Text(Find<QLineEdit>(dialog, "percussion")), "1");
        EXPECT_EQ(Text(Find<QLineEdit>(dialog, "accompaniment")), "1");
        Click(dialog, "timeSignature4");
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const std::unique_ptr<Song> song = dialog.TakeSong();
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(TrackTypes(*song),
              (std::vector<int>{AccompanimentTrack, TrebleTrack, PercussionTrack}));
    EXPECT_EQ(song->GetTimeSignature().numerator, 6);
    EXPECT_EQ(song->GetTimeSignature().denominator, 8);
}

TEST_F(WizardDialogsTest, CustomCountsPastTheLimitsAreRefusedAndEscapeCancels) {
    CNewSongDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        auto& treble = Find<QLineEdit>(dialog, "treble");
        auto& bass = Find<QLineEdit>(dialog, "bass");
        auto& percussion = Find<QLineEdit>(dialog, "percussion");
        Click(dialog, "custom");
        EXPECT_TRUE(treble.isEnabled());
        EXPECT_FALSE(Find<QListWidget>(dialog, "templates").isEnabled());
        Type(treble, "5");
        Type(bass, "5");
        Press(dialog, Qt::Key_Return);
        EXPECT_EQ(LastMessage(), "The maximum number of pitched tracks (treble + bass) is 9");
        ASSERT_TRUE(dialog.isVisible());
        Type(treble, "9");
        Type(bass, "0");
        Type(percussion, "8");
        Press(dialog, Qt::Key_Return);
        EXPECT_EQ(LastMessage(),
                  "The maximum number of non accompaniment tracks (treble + bass + percussion) "
                  "is 16");
        ASSERT_TRUE(dialog.isVisible());
        Press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(dialog.TakeSong(), nullptr);
    EXPECT_EQ(prompt.AskedSoFar().size(), 2u);
    EXPECT_EQ(history.Count(), 2) << "a cancelled wizard leaves the history alone";
}

TEST_F(WizardDialogsTest, ASecondAccompanimentIsWarnedAboutAndTheFieldShowsOne) {
    CNewSongDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        Click(dialog, "custom");
        auto& accompaniment = Find<QLineEdit>(dialog, "accompaniment");
        Type(accompaniment, "2");
        EXPECT_EQ(LastMessage(), "Only ONE accompaniment track can be created");
        EXPECT_EQ(prompt.AskedSoFar().back().caption, "Warning");
        EXPECT_EQ(Text(accompaniment), "1");
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(TrackTypes(*dialog.TakeSong()), (std::vector<int>{AccompanimentTrack, TrebleTrack}));
}

// Only "Custom" lets the tempo be typed; a tempo out of range keeps the
// wizard open with the focus on the tempo, the bounds themselves are taken.
TEST_F(WizardDialogsTest, TheTempoIsTypedOnlyForCustomAndMustLieWithinTheRange) {
    CNewSongDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        auto& tempos = Find<QComboBox>(dialog, "tempos");
        auto& tempo = Find<QLineEdit>(dialog, "tempo");
        tempos.setCurrentIndex(6);
        EXPECT_EQ(Text(tempo), "184");
        EXPECT_FALSE(tempo.isEnabled());
        tempos.setCurrentIndex(7);
        ASSERT_TRUE(tempo.isEnabled());
        for (const char* refused : {"19", "209"}) {
            Type(tempo, refused);
            Find<QComboBox>(dialog, "majorKeys").setFocus();
            Press(dialog, Qt::Key_Return);
            EXPECT_EQ(LastMessage(), "The tempo must be within 20 and 208") << refused;
            ASSERT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.focusWidget(), &tempo) << refused;
            EXPECT_EQ(tempo.selectedText(), QString::fromUtf8(refused));
        }
        QTest::keyClicks(&tempo, QStringLiteral("208"));
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.TakeSong()->GetTempo(), 208);
}

TEST_F(WizardDialogsTest, TheMinorListKeepsTheKeysPositionAndUseDefaultResetsEveryField) {
    CNewSongDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        auto& majorKeys = Find<QComboBox>(dialog, "majorKeys");
        auto& minorKeys = Find<QComboBox>(dialog, "minorKeys");
        Click(dialog, "minor");
        EXPECT_TRUE(minorKeys.isVisible());
        EXPECT_FALSE(majorKeys.isVisible());
        EXPECT_EQ(minorKeys.currentText(), "A");
        minorKeys.setCurrentIndex(2);  // C#
        Click(dialog, "major");
        EXPECT_EQ(majorKeys.currentText(), "E");

        Click(dialog, "custom");
        Type(Find<QLineEdit>(dialog, "bass"), "3");
        Find<QComboBox>(dialog, "tempos").setCurrentIndex(7);
        Click(dialog, "timeSignature0");
        Click(dialog, "useDefault");
        EXPECT_TRUE(dialog.isVisible()) << "Use Default does not close the wizard";
        EXPECT_TRUE(Find<QRadioButton>(dialog, "template").isChecked());
        EXPECT_EQ(Text(Find<QLineEdit>(dialog, "bass")), "0");
        EXPECT_FALSE(Find<QLineEdit>(dialog, "bass").isEnabled());
        EXPECT_EQ(majorKeys.currentText(), "C");
        EXPECT_EQ(Find<QComboBox>(dialog, "tempos").currentText(), "Moderato");
        EXPECT_FALSE(Find<QLineEdit>(dialog, "tempo").isEnabled());
        EXPECT_TRUE(Find<QRadioButton>(dialog, "timeSignature3").isChecked());

        minorKeys.setCurrentIndex(2);
        Click(dialog, "minor");
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(dialog.TakeSong()->GetKeySignature(), 4) << "C# minor";
}

TEST_F(WizardDialogsTest, MidiSetupWithoutDevicesWarnsAndNeverShows) {
    engine.SetDeviceDirectory(std::make_shared<FakeDeviceDirectory>(std::vector<FakeDevice>{}));
    CMidiSetupDlg dialog(prompt);
    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] {
        shown = dialog.isVisible();
        dialog.reject();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(shown);
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(prompt.AskedSoFar()[0].text.substr(0, 29), "No MIDI output device found!\n");
    EXPECT_EQ(prompt.AskedSoFar()[0].caption, "Warning");
    EXPECT_EQ(prompt.AskedSoFar()[0].icon, Prompt::WarningIcon);
}

TEST_F(WizardDialogsTest, MidiSetupShowsTheDevicesWithTheOpenOneChosen) {
    engine.OpenDevice(1, false);
    CMidiSetupDlg dialog(prompt);
    auto& devicesList = Find<QComboBox>(dialog, "devices");
    ASSERT_EQ(devicesList.count(), 2);
    EXPECT_EQ(devicesList.itemText(0), "Synth A");
    EXPECT_EQ(devicesList.itemText(1), "Port B");
    EXPECT_EQ(devicesList.currentIndex(), 1);
    Strings labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        labels.push_back(label->text().toStdString());
    }
    EXPECT_EQ(labels, (Strings{"Select the device for MIDI Output.",
                               "The program will use this device to play sound."}));
    for (const char* text : {"Test", "OK", "Cancel"}) {
        EXPECT_NO_THROW(Button(dialog, QString::fromUtf8(text))) << text;
    }
}

// The test note plays beside the window: while the chosen device is still
// opening, the window answers, Test and OK wait, and Escape closes only once
// the previous device is back.
TEST_F(WizardDialogsTest, MidiSetupTestKeepsTheWindowAnsweringAndReturnsToTheOpenDevice) {
    auto gated = std::make_shared<GatedDeviceDirectory>(devices, 1);
    engine.SetDeviceDirectory(gated);
    engine.OpenDevice(0, false);
    devices->ClearJournal();
    CMidiSetupDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        auto& test = Button(dialog, QStringLiteral("Test"));
        Find<QComboBox>(dialog, "devices").setCurrentIndex(1);
        QTest::mouseClick(&test, Qt::LeftButton);
        EXPECT_TRUE(devices->Journal().empty()) << "the click waited for the device";
        EXPECT_FALSE(test.isEnabled());
        EXPECT_FALSE(Button(dialog, QStringLiteral("OK")).isEnabled());
        Press(dialog, Qt::Key_Escape);
        QTest::qWait(20);
        EXPECT_TRUE(dialog.isVisible()) << "closed while the device was changing hands";
        gated->OpenGate();
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 20000));
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(devices->Journal(),
              (Strings{"open 1", "close 0", "1: 90 3C 50", "1: 80 3C 50", "open 0", "close 1"}));
    EXPECT_EQ(engine.OpenDeviceId(), 0);
}

TEST_F(WizardDialogsTest, MidiSetupTestThenOkSwitchesToTheChosenDeviceWithItsPrograms) {
    engine.SetTrackProgram(0, false, 40);
    engine.OpenDevice(0, true);
    devices->ClearJournal();
    CMidiSetupDlg dialog(prompt);
    const int result = Run(dialog, [&] {
        auto& test = Button(dialog, QStringLiteral("Test"));
        Find<QComboBox>(dialog, "devices").setCurrentIndex(1);
        QTest::mouseClick(&test, Qt::LeftButton);
        ASSERT_TRUE(WaitUntilEnabled(test));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(devices->MessagesTo(1), (Strings{"90 3C 50", "80 3C 50"}));
        EXPECT_EQ(engine.OpenDeviceId(), 0);
        devices->ClearJournal();
        Press(dialog, Qt::Key_Return);
        EXPECT_TRUE(QTest::qWaitFor([&dialog] { return !dialog.isVisible(); }, 20000));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(devices->Journal(), (Strings{"open 1", "close 0", "1: C0 28"}));
    EXPECT_EQ(engine.OpenDeviceId(), 1);
}

TEST_F(WizardDialogsTest, MidiSetupOkOnTheOpenDeviceClosesWithoutReopeningIt) {
    engine.SetTrackProgram(0, false, 40);
    engine.OpenDevice(1, true);
    devices->ClearJournal();
    CMidiSetupDlg dialog(prompt);
    const int result = Run(dialog, [&] { Press(dialog, Qt::Key_Return); });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(devices->Journal().empty());
    EXPECT_EQ(engine.OpenDeviceId(), 1);
}

}  // namespace
