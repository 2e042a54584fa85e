#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <stdexcept>

#include "editor/UndoManager.h"
#include "editor/qt/dialogs/ClearBarsDialog.h"
#include "editor/qt/dialogs/CopyBarDialog.h"
#include "editor/qt/dialogs/DeleteBarsDialog.h"
#include "editor/qt/dialogs/DeleteTrackDialog.h"
#include "editor/qt/dialogs/InsertBarsDialog.h"
#include "editor/qt/dialogs/LyricsDialog.h"
#include "editor/qt/dialogs/OrganizeTracksDialog.h"
#include "editor/qt/dialogs/ShiftNotesDialog.h"
#include "editor/qt/dialogs/TransposeDialog.h"
#include "model/ChordBar.h"
#include "platform/FixedPrompt.h"
#include "support/NoteBarTestKit.h"
#include "support/OffscreenGui.h"
#include "support/SongEquality.h"

namespace {

using namespace notebar_test;

// Each test drives a real dialog the way a user does (clicks on list rows,
// typing, Enter and Escape) while it runs modally, then checks the song and
// the undo history. Messages go to a FixedPrompt.
class DialogsTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        OffscreenWidgets();
        Start(MakeSong(4, 4, 4));
    }

    // Treble "Melody", bass "Bass line", percussion "Drums" unless the song
    // says otherwise.
    void Start(std::unique_ptr<Song> newSong) {
        song = std::move(newSong);
        const char* titles[] = {"Melody", "Bass line", "Drums"};
        for (int slot = 0; slot < song->GetNumTracks() && slot < 3; ++slot) {
            song->GetTrack(slot)->SetTitle(titles[slot]);
        }
        history.Clear();
        history.Record(*song, "Init", "Init");
    }

    // Runs the dialog modally; drive works its widgets once it shows and must
    // leave it closed.
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

    static void Press(QDialog& dialog, Qt::Key key) {
        QWidget* focus = dialog.focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &dialog, key);
    }
    static void ClickRow(QListWidget& list, int row) {
        const QRect rect = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void Type(QLineEdit& field, const char* text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, QString::fromUtf8(text));
    }
    static void ClickOk(QDialog& dialog) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->isDefault()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no default button";
    }
    static std::vector<std::string> Rows(const QListWidget& list) {
        std::vector<std::string> rows;
        for (int row = 0; row < list.count(); ++row) {
            rows.push_back(list.item(row)->text().toStdString());
        }
        return rows;
    }

    std::string LastEdit() const { return history.NameAt(history.CurrentIndex()); }
    std::string LastMessage() const {
        return prompt.AskedSoFar().empty() ? "" : prompt.AskedSoFar().back().text;
    }

    std::unique_ptr<Song> song;
    UndoManager history;
    FixedPrompt prompt{Prompt::Yes};
};

// Every dialog: its caption; every access key leads somewhere (a label's to
// its field) and none is used twice, so the keyboard reaches every field.
TEST_F(DialogsTest, EveryDialogHasItsCaptionAndDistinctAccessKeys) {
    song->AddAccompanimentTrack();
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QDialog>()>>> dialogs = {
        {"Insert Bars", [&] { return std::make_unique<InsertBarsDialog>(*song, prompt, history); }},
        {"Delete Bars", [&] { return std::make_unique<DeleteBarsDialog>(*song, prompt, history); }},
        {"Clear Bars", [&] { return std::make_unique<ClearBarsDialog>(*song, prompt, history); }},
        {"Copy Bar", [&] { return std::make_unique<CopyBarDialog>(*song, prompt, history); }},
        {"Shift Notes", [&] { return std::make_unique<ShiftNotesDialog>(*song, prompt, history); }},
        {"Transpose the music",
         [&] { return std::make_unique<TransposeDialog>(song, prompt, history); }},
        {"Delete Track",
         [&] { return std::make_unique<DeleteTrackDialog>(*song, prompt, history); }},
        {"Organize Tracks",
         [&] { return std::make_unique<OrganizeTracksDialog>(*song, prompt, history); }},
        {"Lyrics", [&] { return std::make_unique<LyricsDialog>(*song, prompt, history); }},
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
        EXPECT_GE(keys.size(), 1u);
    }
}

TEST_F(DialogsTest, InsertBarsFromTheKeyboard) {
    InsertBarsDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        Type(Find<QLineEdit>(dialog, "number"), "2");
        QTest::keyClick(&Find<QComboBox>(dialog, "position"), Qt::Key_Down);  // After
        Find<QComboBox>(dialog, "bar").setCurrentIndex(2);
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(song->GetNumBars(), 6);
    EXPECT_EQ(LastEdit(), "Insert Bar");
}

TEST_F(DialogsTest, InsertBarsStaysOpenOnARefusedNumberAndEscapeCancels) {
    Put(Treble(*song, 3), 0, "A5", 4);
    InsertBarsDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        Type(Find<QLineEdit>(dialog, "number"), "0");
        Find<QComboBox>(dialog, "bar").setFocus();
        ClickOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(LastMessage(), "The number of bars to insert must be at least 1");
        EXPECT_EQ(dialog.focusWidget(), &Find<QLineEdit>(dialog, "number"));
        Press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(song->GetNumBars(), 4);
    EXPECT_EQ(history.Count(), 1);
}

TEST_F(DialogsTest, DeleteBarsDeletesTheRangeOrRefusesAll) {
    DeleteBarsDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        Find<QComboBox>(dialog, "lastBar").setCurrentIndex(3);
        ClickOk(dialog);
        EXPECT_EQ(LastMessage(), "Cannot delete all the bars");
        ASSERT_TRUE(dialog.isVisible());
        Find<QComboBox>(dialog, "firstBar").setCurrentIndex(1);
        Find<QComboBox>(dialog, "lastBar").setCurrentIndex(2);
        ClickOk(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(song->GetNumBars(), 2);
    EXPECT_EQ(LastEdit(), "Delete Bar");
}

TEST_F(DialogsTest, ClearBarsEmptiesTheChosenTracksBarsAndTheBarListsFollow) {
    for (int bar = 0; bar < 4; ++bar) {
        Put(Treble(*song, bar), 0, "A5", 4);
        Put(BassBar(*song, bar), 0, "C4", 4);
    }
    ClearBarsDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        auto& first = Find<QComboBox>(dialog, "firstBar");
        auto& last = Find<QComboBox>(dialog, "lastBar");
        ClickRow(Find<QListWidget>(dialog, "tracks"), 1);
        first.setCurrentIndex(2);
        EXPECT_EQ(last.currentIndex(), 2) << "the last bar follows the first";
        first.setCurrentIndex(1);
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    for (int bar = 0; bar < 4; ++bar) {
        EXPECT_EQ(At(BassBar(*song, bar), 0)->IsRest(), bar == 1 || bar == 2) << bar;
        EXPECT_FALSE(At(Treble(*song, bar), 0)->IsRest()) << bar;
    }
    EXPECT_EQ(LastEdit(), "Clear Bar");
}

TEST_F(DialogsTest, ShiftNotesMovesTheChosenTrackDownwardOrRefusesTooManySteps) {
    Put(Treble(*song, 0), 0, "A5", 4);
    ShiftNotesDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        EXPECT_EQ(Find<QListWidget>(dialog, "tracks").count(), 2) << "treble and bass only";
        Type(Find<QLineEdit>(dialog, "steps"), "9");
        Press(dialog, Qt::Key_Return);
        EXPECT_EQ(LastMessage(), "The number of shift is restricted to 8 steps");
        ASSERT_TRUE(dialog.isVisible());
        Type(Find<QLineEdit>(dialog, "steps"), "2");
        QTest::mouseClick(&Find<QRadioButton>(dialog, "downward"), Qt::LeftButton);
        ClickOk(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(NoteText(*At(Treble(*song, 0), 0)), "F5");
    EXPECT_EQ(LastEdit(), "Shift Notes");
}

TEST_F(DialogsTest, ShiftNotesCannotBeConfirmedWithoutATrebleOrBassTrack) {
    auto drums = std::make_unique<Song>("t", "a", 2, 100, Song::TimeSignature{4, 4}, 0);
    drums->AddPercussionTrack();
    Start(std::move(drums));
    ShiftNotesDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            EXPECT_FALSE(button->isDefault() && button->isEnabled());
        }
        Press(dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(history.Count(), 1);
}

TEST_F(DialogsTest, CopyBarRepeatsABarOntoTheSameTrack) {
    Put(Treble(*song, 0), 0, "A5", 4);
    CopyBarDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        auto& sources = Find<QListWidget>(dialog, "sourceTracks");
        auto& destinations = Find<QListWidget>(dialog, "destinationTracks");
        ClickRow(sources, 2);
        EXPECT_EQ(Rows(destinations), (std::vector<std::string>{Rows(sources)[2]}))
            << "only tracks of the source's type";
        ClickRow(sources, 0);
        EXPECT_EQ(Rows(destinations), (std::vector<std::string>{Rows(sources)[0]}));
        Find<QComboBox>(dialog, "destinationBar").setCurrentIndex(2);
        Type(Find<QLineEdit>(dialog, "repetitions"), "2");
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(At(Treble(*song, 1), 0)->IsRest());
    EXPECT_EQ(NoteText(*At(Treble(*song, 2), 0)), "A5");
    EXPECT_EQ(NoteText(*At(Treble(*song, 3), 0)), "A5");
    EXPECT_EQ(LastEdit(), "Copy Tracks");
}

TEST_F(DialogsTest, CopyBarPutsTheFocusOnTheFieldInQuestion) {
    CopyBarDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        auto& destinationBar = Find<QComboBox>(dialog, "destinationBar");
        Find<QComboBox>(dialog, "lastBar").setCurrentIndex(1);
        EXPECT_EQ(destinationBar.currentIndex(), 2) << "the destination moves after the range";
        destinationBar.setCurrentIndex(1);
        ClickOk(dialog);
        EXPECT_EQ(LastMessage(), "The destination cannot be inside the source bar range");
        EXPECT_EQ(dialog.focusWidget(), &destinationBar);
        auto& copyAll = Find<QCheckBox>(dialog, "copyAll");
        copyAll.setFocus();
        QTest::keyClick(&copyAll, Qt::Key_Space);
        for (const char* name : {"sourceTracks", "destinationTracks"}) {
            EXPECT_FALSE(Find<QListWidget>(dialog, name).isEnabled()) << name;
            EXPECT_TRUE(Find<QListWidget>(dialog, name).selectedItems().isEmpty()) << name;
        }
        Press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(history.Count(), 1);
}

TEST_F(DialogsTest, TransposeBySemitones) {
    Start(MakeSong(4, 4, 4, 1));
    Put(Treble(*song, 0), 0, "G4", 4);
    TransposeDialog dialog(song, prompt, history);
    const int result = Run(dialog, [&] {
        auto& majorKeys = Find<QComboBox>(dialog, "majorKeys");
        EXPECT_EQ(majorKeys.currentText().toStdString(), "G");
        QTest::mouseClick(&Find<QRadioButton>(dialog, "minor"), Qt::LeftButton);
        EXPECT_TRUE(Find<QComboBox>(dialog, "minorKeys").isVisibleTo(&dialog));
        EXPECT_FALSE(majorKeys.isVisibleTo(&dialog));
        EXPECT_EQ(Find<QComboBox>(dialog, "minorKeys").currentText().toStdString(), "E");
        QTest::mouseClick(&Find<QRadioButton>(dialog, "semitones"), Qt::LeftButton);
        EXPECT_FALSE(Find<QComboBox>(dialog, "minorKeys").isEnabled());
        EXPECT_FALSE(Find<QRadioButton>(dialog, "major").isEnabled());
        auto& count = Find<QComboBox>(dialog, "semitoneCount");
        EXPECT_TRUE(count.isEnabled());
        count.setCurrentIndex(4);  // 5 semitones up: C
        ClickOk(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(song->GetKeySignature(), 0);
    EXPECT_EQ(NoteText(*At(Treble(*song, 0), 0)), "C5");
    EXPECT_EQ(LastEdit(), "Transpose Song");
}

TEST_F(DialogsTest, TransposeStaysOpenWhenTheSharpOrFlatQuestionIsCancelled) {
    FixedPrompt cancel(Prompt::Cancel);
    TransposeDialog dialog(song, cancel, history);
    const int result = Run(dialog, [&] {
        QTest::mouseClick(&Find<QRadioButton>(dialog, "semitones"), Qt::LeftButton);
        Find<QComboBox>(dialog, "semitoneCount").setCurrentIndex(5);
        ClickOk(dialog);
        EXPECT_EQ(cancel.AskedSoFar().size(), 1u);
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(song->GetKeySignature(), 0);
    EXPECT_EQ(history.Count(), 1);
}

TEST_F(DialogsTest, AFailedTranspositionClosesWithTheSongAsRecorded) {
    Start(MakeSong(4, 4, 4, -1));
    song->AddAccompanimentTrack();
    static_cast<ChordBar*>(song->GetBar(0, 0))->GetBeatBox(0)->SelectText("F", false);
    // B is flat in F major and plain in C: a written double sharp on it has
    // no spelling in the new key, and the melody before it is rewritten first.
    auto& melody = static_cast<MelodicBar&>(*song->GetBar(1, 0));
    Put(melody, 0, "E5", 4);
    static_cast<MelodicBar&>(*song->GetBar(1, 2))
        .InsertNote(0, 'B', 5, Note::DoubleSharp, 4, false, false);
    history.Record(*song, "Edit", "Edit");
    const Song before(*song);
    TransposeDialog dialog(song, prompt, history);
    const int result = Run(dialog, [&] {
        Find<QComboBox>(dialog, "majorKeys").setCurrentIndex(6);  // C
        Press(dialog, Qt::Key_Return);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(SongEquality().Difference(before, *song), "");
    EXPECT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(LastEdit(), "Edit");
}

TEST_F(DialogsTest, DeleteTrackAsksAndANoKeepsTheDialogOpen) {
    struct Case {
        Prompt::Answer answer;
        int result;
        int tracksLeft;
    };
    for (const Case& c :
         {Case{Prompt::Yes, QDialog::Accepted, 2}, Case{Prompt::No, QDialog::Rejected, 3}}) {
        SCOPED_TRACE(c.answer);
        Start(MakeSong(4, 4, 4));
        FixedPrompt answer(c.answer);
        DeleteTrackDialog dialog(*song, answer, history);
        const int result = Run(dialog, [&] {
            ClickRow(Find<QListWidget>(dialog, "tracks"), 1);
            Press(dialog, Qt::Key_Return);
            ASSERT_EQ(answer.AskedSoFar().size(), 1u);
            EXPECT_NE(answer.AskedSoFar()[0].text.find("- Bass line]"), std::string::npos);
            if (dialog.isVisible()) {
                Press(dialog, Qt::Key_Escape);
            }
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(song->GetNumTracks(), c.tracksLeft);
        EXPECT_EQ(LastEdit(), c.answer == Prompt::Yes ? "Delete Track" : "Init");
    }
}

TEST_F(DialogsTest, OrganizeTracksKeepsItsMovesHoweverItCloses) {
    struct Case {
        const char* name;
        bool move;
        Qt::Key closeKey;
        int result;
    };
    for (const Case& c : {Case{"moved, Enter", true, Qt::Key_Return, QDialog::Accepted},
                          Case{"moved, Escape", true, Qt::Key_Escape, QDialog::Accepted},
                          Case{"untouched, Enter", false, Qt::Key_Return, QDialog::Rejected}}) {
        SCOPED_TRACE(c.name);
        Start(MakeSong(4, 4, 4));
        OrganizeTracksDialog dialog(*song, prompt, history);
        const int result = Run(dialog, [&] {
            auto& tracks = Find<QListWidget>(dialog, "tracks");
            if (c.move) {
                ClickRow(tracks, 2);
                QTest::mouseClick(&Find<QPushButton>(dialog, "up"), Qt::LeftButton);
                EXPECT_NE(Rows(tracks)[1].find("Drums"), std::string::npos);
                EXPECT_EQ(tracks.currentRow(), 1) << "the moved track stays chosen";
            }
            Press(dialog, c.closeKey);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(song->GetTrack(1)->GetTitle(), c.move ? "Drums" : "Bass line");
        EXPECT_EQ(LastEdit(), c.move ? "Organize Tracks" : "Init");
    }
}

TEST_F(DialogsTest, OrganizeTracksAsksForAChoice) {
    OrganizeTracksDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        auto& tracks = Find<QListWidget>(dialog, "tracks");
        const QRect first = tracks.visualItemRect(tracks.item(0));
        QTest::mouseClick(tracks.viewport(), Qt::LeftButton, Qt::ControlModifier, first.center());
        ASSERT_TRUE(tracks.selectedItems().isEmpty());
        QTest::mouseClick(&Find<QPushButton>(dialog, "down"), Qt::LeftButton);
        EXPECT_EQ(LastMessage(), "Please select track");
        EXPECT_TRUE(dialog.isVisible());
        Press(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(history.Count(), 1);
}

TEST_F(DialogsTest, LyricsFollowTheCheckedRows) {
    song->GetTrack(0)->ShowLyrics();
    LyricsDialog dialog(*song, prompt, history);
    const int result = Run(dialog, [&] {
        auto& tracks = Find<QListWidget>(dialog, "tracks");
        EXPECT_EQ(tracks.item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(tracks.item(1)->checkState(), Qt::Unchecked);
        for (int row : {0, 1}) {
            ClickRow(tracks, row);
            QTest::keyClick(&tracks, Qt::Key_Space);
        }
        ClickOk(dialog);
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(song->GetTrack(0)->IsLyricShown());
    EXPECT_TRUE(song->GetTrack(1)->IsLyricShown());
    EXPECT_NE(LastMessage().find("Are you sure to delete track ["), std::string::npos);
    EXPECT_EQ(LastEdit(), "Lyric Settings");
}

TEST_F(DialogsTest, LyricsUnchangedIsNoEdit) {
    LyricsDialog dialog(*song, prompt, history);
    EXPECT_EQ(Run(dialog, [&] { ClickOk(dialog); }), QDialog::Rejected);
    EXPECT_EQ(history.Count(), 1);
}

}  // namespace
