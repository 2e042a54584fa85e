#include <gtest/gtest.h>

#include <optional>

#include "editor/DeleteTrackForm.h"
#include "editor/LyricsForm.h"
#include "editor/OrganizeTracksForm.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/StyleCombo.h"
#include "platform/FixedPrompt.h"
#include "playback/SoundEngine.h"
#include "support/NoteBarTestKit.h"

namespace {

using namespace notebar_test;

constexpr const char* kPiano = "[1]Acoustic Grand Piano";

// Treble "Melody", bass "Bass line", percussion "Drums", and, when asked for,
// the accompaniment "Chords" in front of them on the style "Pop".
class TrackFormsTest : public EngineReset {
protected:
    void Start(bool withAccompaniment) {
        ToolsManager::Instance().Reset();
        history.Clear();
        song = MakeSong(4, 4, 4);
        song->GetTrack(0)->SetTitle("Melody");
        song->GetTrack(1)->SetTitle("Bass line");
        song->GetTrack(2)->SetTitle("Drums");
        if (withAccompaniment) {
            song->AddAccompanimentTrack();
            auto* styles = static_cast<StyleCombo*>(song->GetTrack(0)->GetSelector());
            styles->SetStyles({"Pop"});
            styles->SetIndex(0, false);
            song->GetTrack(0)->SetTitle("Chords");
        }
        song->ApplyTrackSoundSettings();
        history.Record(*song, "Init", "Init");
    }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (int slot = 0; slot < song->GetNumTracks(); ++slot) {
            titles.push_back(song->GetTrack(slot)->GetTitle());
        }
        return titles;
    }
    std::string DrumsItem() const {
        return song->GetTrack(2)->GetSelector()->CurrentText() + " - Drums";
    }

    std::unique_ptr<Song> song;
    UndoManager history;
};

void ExpectAsked(const FixedPrompt::Asked& asked, const std::string& text,
                 const std::string& caption, Prompt::Buttons buttons, Prompt::Icon icon) {
    EXPECT_EQ(asked.text, text);
    EXPECT_EQ(asked.caption, caption);
    EXPECT_EQ(asked.buttons, buttons);
    EXPECT_EQ(asked.icon, icon);
}

TEST_F(TrackFormsTest, TrackDialogsListTheInstrumentOrStyleBeforeTheTitle) {
    Start(true);
    const std::vector<std::string> all = {
        "Pop - Chords", std::string(kPiano) + " - Melody", std::string(kPiano) + " - Bass line",
        song->GetTrack(3)->GetSelector()->CurrentText() + " - Drums"};
    EXPECT_EQ(DeleteTrackForm(*song).Items(), all);
    EXPECT_EQ(OrganizeTracksForm(*song).Items(), all);
    EXPECT_EQ(LyricsForm(*song).Items(), std::vector<std::string>(all.begin() + 1, all.end()))
        << "the accompaniment track carries no lyrics";
}

TEST_F(TrackFormsTest, DeletingATrackAsksFirstWithNoAsTheDefault) {
    struct Case {
        Prompt::Answer answer;
        bool deleted;
    };
    for (const Case& c : {Case{Prompt::Yes, true}, Case{Prompt::No, false}}) {
        SCOPED_TRACE(c.answer);
        Start(false);
        DeleteTrackForm form(*song);
        FixedPrompt prompt(c.answer);
        EXPECT_EQ(form.Delete(1, prompt, history), c.deleted);
        ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
        ExpectAsked(prompt.AskedSoFar()[0],
                    "Are you sure to delete [" + std::string(kPiano) + " - Bass line] ?", "Warning",
                    Prompt::YesNoDefaultNoButtons, Prompt::WarningIcon);
        const std::vector<std::string> left = {"Melody", "Drums"};
        const std::vector<std::string> all = {"Melody", "Bass line", "Drums"};
        EXPECT_EQ(Titles(), c.deleted ? left : all);
        EXPECT_EQ(history.NameAt(history.CurrentIndex()), c.deleted ? "Delete Track" : "Init");
    }
}

TEST_F(TrackFormsTest, DeletingWithoutAChoiceAsksNothing) {
    Start(false);
    FixedPrompt prompt(Prompt::Yes);
    EXPECT_FALSE(DeleteTrackForm(*song).Delete(-1, prompt, history));
    EXPECT_FALSE(DeleteTrackForm(*song).Delete(3, prompt, history));
    EXPECT_TRUE(prompt.AskedSoFar().empty());
    EXPECT_EQ(song->GetNumTracks(), 3);
}

// The selection and the pointer held the deleted track's bar: the editor must
// not keep either once the track is gone.
TEST_F(TrackFormsTest, DeletingATrackForgetsItsSelectedAndHoveredBars) {
    Start(false);
    ToolsManager& tools = ToolsManager::Instance();
    tools.SelectSingle(song->GetBar(2, 1));
    tools.SetHover(song->GetBar(2, 0));
    FixedPrompt yes(Prompt::Yes);
    ASSERT_TRUE(DeleteTrackForm(*song).Delete(2, yes, history));
    EXPECT_FALSE(tools.HasSelection());
    EXPECT_EQ(tools.Hover(), nullptr);
}

TEST_F(TrackFormsTest, OrganizingMovesTheChosenTrackOrSaysWhyNot) {
    enum Direction { Up, Down };
    struct Message {
        const char* text;
        const char* caption;
        Prompt::Icon icon;
    };
    const Message selectTrack{"Please select track", "Warning", Prompt::WarningIcon};
    const Message onTop{"The accompaniment track must be on the top", "Error", Prompt::ErrorIcon};
    struct Case {
        const char* name;
        bool accompaniment;
        int chosen;
        Direction direction;
        std::vector<std::string> order;
        int chosenAfter;
        std::optional<Message> message;
    };
    const std::vector<Case> cases = {
        {"up", false, 2, Up, {"Melody", "Drums", "Bass line"}, 1, {}},
        {"down", false, 0, Down, {"Bass line", "Melody", "Drums"}, 1, {}},
        {"up below the accompaniment's neighbour",
         true,
         2,
         Up,
         {"Chords", "Bass line", "Melody", "Drums"},
         1,
         {}},
        {"up on the first", false, 0, Up, {"Melody", "Bass line", "Drums"}, 0, {}},
        {"down on the last", false, 2, Down, {"Melody", "Bass line", "Drums"}, 2, {}},
        {"up without a choice", false, -1, Up, {"Melody", "Bass line", "Drums"}, -1, selectTrack},
        {"down without a choice",
         false,
         -1,
         Down,
         {"Melody", "Bass line", "Drums"},
         -1,
         selectTrack},
        {"up above the accompaniment",
         true,
         1,
         Up,
         {"Chords", "Melody", "Bass line", "Drums"},
         1,
         onTop},
        {"down from the accompaniment",
         true,
         0,
         Down,
         {"Chords", "Melody", "Bass line", "Drums"},
         0,
         onTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.accompaniment);
        OrganizeTracksForm form(*song);
        form.Choose(c.chosen);
        FixedPrompt prompt(Prompt::Yes);
        const bool shouldMove = c.order != Titles();
        const bool moved = c.direction == Up ? form.MoveUp(prompt) : form.MoveDown(prompt);
        EXPECT_EQ(moved, shouldMove);
        EXPECT_EQ(form.Changed(), shouldMove);
        EXPECT_EQ(Titles(), c.order);
        EXPECT_EQ(form.Chosen(), c.chosenAfter);
        EXPECT_EQ(form.Items(), DeleteTrackForm(*song).Items()) << "the list follows the song";
        if (c.message) {
            ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
            ExpectAsked(prompt.AskedSoFar()[0], c.message->text, c.message->caption,
                        Prompt::OkButton, c.message->icon);
        } else {
            EXPECT_TRUE(prompt.AskedSoFar().empty());
        }
    }
}

TEST_F(TrackFormsTest, AMovedTrackIsLaidOutAndPlaysItsOwnInstrumentInItsNewPlace) {
    Start(false);
    OrganizeTracksForm form(*song);
    form.Choose(2);
    FixedPrompt prompt(Prompt::Yes);
    ASSERT_TRUE(form.MoveUp(prompt));
    for (int slot = 1; slot < song->GetNumTracks(); ++slot) {
        EXPECT_GT(song->GetTrack(slot)->GetBox().y, song->GetTrack(slot - 1)->GetBox().y)
            << "slot " << slot << " stands below the one before";
    }
    const SoundEngine& engine = SoundEngine::Instance();
    EXPECT_EQ(engine.TrackChannel(1), SoundSettings::kPercussionChannel);
    EXPECT_NE(engine.TrackChannel(2), SoundSettings::kPercussionChannel);
}

TEST_F(TrackFormsTest, OrganizingRecordsItsMovesOnceWhenTheDialogCloses) {
    Start(false);
    OrganizeTracksForm untouched(*song);
    EXPECT_FALSE(untouched.Finish(history));
    EXPECT_EQ(history.Count(), 1) << "nothing moved, nothing recorded";

    OrganizeTracksForm form(*song);
    form.Choose(0);
    FixedPrompt prompt(Prompt::Yes);
    ASSERT_TRUE(form.MoveDown(prompt));
    ASSERT_TRUE(form.MoveDown(prompt));
    EXPECT_EQ(history.Count(), 1) << "moves are recorded on closing, not one by one";
    EXPECT_TRUE(form.Finish(history));
    EXPECT_EQ(history.Count(), 2);
    EXPECT_EQ(history.NameAt(1), "Organize Tracks");
    EXPECT_TRUE(form.Finish(history));
    EXPECT_EQ(history.Count(), 2) << "a second close records nothing more";
}

TEST_F(TrackFormsTest, LyricsFollowTheChecksAndAskBeforeDeleting) {
    struct Case {
        const char* name;
        bool shown;
        bool checked;
        Prompt::Answer answer;
        bool shownAfter;
        bool asked;
    };
    const std::vector<Case> cases = {
        {"unchecked, confirmed", true, false, Prompt::Yes, false, true},
        {"unchecked, refused", true, false, Prompt::No, true, true},
        {"checked", false, true, Prompt::No, true, false},
        {"left checked", true, true, Prompt::Yes, true, false},
        {"left unchecked", false, false, Prompt::Yes, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start(true);
        Track& bass = *song->GetTrack(2);
        if (c.shown) {
            bass.ShowLyrics();
            history.Record(*song, "Shown", "Shown");
        }
        const int entries = history.Count();
        LyricsForm form(*song);
        EXPECT_EQ(form.IsChecked(1), c.shown);
        EXPECT_FALSE(form.IsChecked(0));
        form.SetChecked(1, c.checked);
        FixedPrompt prompt(c.answer);
        const bool changed = c.shownAfter != c.shown;
        EXPECT_EQ(form.Ok(prompt, history), changed);
        EXPECT_EQ(bass.IsLyricShown(), c.shownAfter);
        EXPECT_FALSE(song->GetTrack(1)->IsLyricShown()) << "other tracks stay as they were";
        if (c.asked) {
            ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
            ExpectAsked(prompt.AskedSoFar()[0],
                        "Are you sure to delete track [" + std::string(kPiano) + " - Bass line] ?",
                        "Warning", Prompt::YesNoButtons, Prompt::WarningIcon);
        } else {
            EXPECT_TRUE(prompt.AskedSoFar().empty());
        }
        EXPECT_EQ(history.Count(), entries + (changed ? 1 : 0));
        if (changed) {
            EXPECT_EQ(history.NameAt(history.CurrentIndex()), "Lyric Settings");
        }
    }
}

TEST_F(TrackFormsTest, LyricsAskAboutEachTrackInOrder) {
    Start(false);
    for (int slot = 0; slot < 3; ++slot) {
        song->GetTrack(slot)->ShowLyrics();
    }
    LyricsForm form(*song);
    for (int item = 0; item < 3; ++item) {
        form.SetChecked(item, false);
    }
    FixedPrompt prompt(Prompt::Yes);
    EXPECT_TRUE(form.Ok(prompt, history));
    ASSERT_EQ(prompt.AskedSoFar().size(), 3u);
    EXPECT_EQ(prompt.AskedSoFar()[2].text, "Are you sure to delete track [" + DrumsItem() + "] ?");
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_FALSE(song->GetTrack(slot)->IsLyricShown());
    }
    EXPECT_EQ(history.Count(), 2) << "one entry for every change";
}

}  // namespace
