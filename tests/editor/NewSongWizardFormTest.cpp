#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/NewSongWizardForm.h"
#include "editor/TransposeSongForm.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "model/Track.h"
#include "platform/FixedPrompt.h"
#include "playback/SoundEngine.h"
#include "support/EngineReset.h"

namespace {

using Count = NewSongWizardForm::Count;
using Outcome = NewSongWizardForm::Outcome;
using Strings = std::vector<std::string>;

constexpr const char* kOnlyOneAccompaniment = "Only ONE accompaniment track can be created";
constexpr const char* kMaxPitched = "The maximum number of pitched tracks (treble + bass) is 9";
constexpr const char* kMaxNonAccompaniment =
    "The maximum number of non accompaniment tracks (treble + bass + percussion) is 16";
constexpr const char* kTempoRange = "The tempo must be within 20 and 208";

class NewSongWizardFormTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        // A history with something in it, as after editing the song the
        // wizard replaces.
        old = std::make_unique<Song>("old", "me", 4, 100, Song::TimeSignature{4, 4}, 0);
        history.Record(*old, "Init", "Init");
        history.Record(*old, "Insert Bar", "Insert Bar");
    }

    void Custom(const char* treble, const char* bass, const char* percussion,
                const char* accompaniment) {
        form.SetUseTemplate(false);
        form.TypeCount(Count::Treble, treble, prompt);
        form.TypeCount(Count::Bass, bass, prompt);
        form.TypeCount(Count::Percussion, percussion, prompt);
        form.TypeCount(Count::Accompaniment, accompaniment, prompt);
    }
    void CustomTempo(const std::string& tempo) {
        form.ChooseTempo(NewSongWizardForm::kCustomTempo);
        form.TypeTempo(tempo);
    }
    Strings Counts() const {
        return {form.CountText(Count::Treble), form.CountText(Count::Bass),
                form.CountText(Count::Percussion), form.CountText(Count::Accompaniment)};
    }
    static std::vector<int> TrackTypes(const Song& song) {
        std::vector<int> types;
        for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
            types.push_back(song.GetTrack(slot)->GetTrackType());
        }
        return types;
    }
    const FixedPrompt::Asked* LastAsked() const {
        return prompt.AskedSoFar().empty() ? nullptr : &prompt.AskedSoFar().back();
    }

    NewSongWizardForm form;
    FixedPrompt prompt{Prompt::Ok};
    UndoManager history;
    std::unique_ptr<Song> old;
};

void ExpectDefaults(const NewSongWizardForm& form) {
    EXPECT_TRUE(form.UsesTemplate());
    EXPECT_TRUE(form.TemplateListEnabled());
    EXPECT_FALSE(form.CountsEnabled());
    EXPECT_EQ(NewSongWizardForm::Templates().at(static_cast<size_t>(form.TemplateIndex())),
              "Treble");
    EXPECT_EQ(form.CountText(Count::Treble), "1");
    EXPECT_EQ(form.CountText(Count::Bass), "0");
    EXPECT_EQ(form.CountText(Count::Percussion), "0");
    EXPECT_EQ(form.CountText(Count::Accompaniment), "0");
    EXPECT_TRUE(form.ShowsMajor());
    const auto key = static_cast<size_t>(form.KeyIndex());
    EXPECT_EQ(TransposeSongForm::MajorKeys().at(key), "C");
    EXPECT_EQ(TransposeSongForm::MinorKeys().at(key), "A");
    EXPECT_EQ(form.KeySignature(), 0);
    EXPECT_EQ(NewSongWizardForm::TempoNames().at(static_cast<size_t>(form.TempoIndex())),
              "Moderato");
    EXPECT_EQ(form.TempoText(), "114");
    EXPECT_FALSE(form.TempoEditEnabled());
    EXPECT_EQ(
        NewSongWizardForm::TimeSignatureNames().at(static_cast<size_t>(form.TimeSignatureIndex())),
        "4/4");
}

TEST_F(NewSongWizardFormTest, ListsHoldTheWizardsEntriesInOrder) {
    EXPECT_EQ(NewSongWizardForm::Templates(),
              (Strings{"Treble", "Treble + Accompaniment", "Treble + Bass",
                       "Treble + Accompaniment + Percussion", "Treble + Bass + Percussion"}));
    EXPECT_EQ(NewSongWizardForm::TempoNames(),
              (Strings{"Largo", "Larghetto", "Andagio", "Andante", "Moderato", "Allegro", "Presto",
                       "Custom"}));
    EXPECT_EQ(NewSongWizardForm::TimeSignatureNames(),
              (Strings{"2/2", "2/4", "3/4", "4/4", "6/8"}));
}

TEST_F(NewSongWizardFormTest, OpensWithTheDefaultsAndUseDefaultPutsEveryFieldBack) {
    ExpectDefaults(form);
    Custom("3", "2", "1", "1");
    form.ShowMajor(false);
    form.SetKeyIndex(2);
    CustomTempo("77");
    form.SetTimeSignatureIndex(4);

    form.UseDefault();
    ExpectDefaults(form);
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

// Each template's counts, and the tracks OK builds from them: the
// accompaniment always comes first whatever the template's name says.
TEST_F(NewSongWizardFormTest, TemplatesFillTheCountsAndBuildTheirTracksInSlotOrder) {
    struct Case {
        Strings counts;  // treble, bass, percussion, accompaniment
        std::vector<int> tracks;
    };
    const Case cases[] = {
        {{"1", "0", "0", "0"}, {TrebleTrack}},
        {{"1", "0", "0", "1"}, {AccompanimentTrack, TrebleTrack}},
        {{"1", "1", "0", "0"}, {TrebleTrack, BassTrack}},
        {{"1", "0", "1", "1"}, {AccompanimentTrack, TrebleTrack, PercussionTrack}},
        {{"1", "1", "1", "0"}, {TrebleTrack, BassTrack, PercussionTrack}},
    };
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE(NewSongWizardForm::Templates()[static_cast<size_t>(index)]);
        const Case& expected = cases[index];
        form.ChooseTemplate(index);
        EXPECT_EQ(Counts(), expected.counts);
        ASSERT_EQ(form.Ok(prompt, history), Outcome::Built);
        const std::unique_ptr<Song> song = form.TakeSong();
        ASSERT_NE(song, nullptr);
        EXPECT_EQ(TrackTypes(*song), expected.tracks);
    }
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

TEST_F(NewSongWizardFormTest, CustomEnablesTheCountsAndTemplateTakesItsCountsBack) {
    form.ChooseTemplate(2);  // Treble + Bass
    form.SetUseTemplate(false);
    EXPECT_TRUE(form.CountsEnabled());
    EXPECT_FALSE(form.TemplateListEnabled());
    EXPECT_EQ(Counts(), (Strings{"1", "1", "0", "0"})) << "custom starts from the template";
    form.TypeCount(Count::Treble, "4", prompt);
    form.TypeCount(Count::Percussion, "2", prompt);
    EXPECT_EQ(Counts(), (Strings{"4", "1", "2", "0"}));

    form.SetUseTemplate(true);
    EXPECT_FALSE(form.CountsEnabled());
    EXPECT_EQ(Counts(), (Strings{"1", "1", "0", "0"}))
        << "the counts shown are the ones the highlighted template builds";
}

TEST_F(NewSongWizardFormTest, AnAccompanimentCountOverOneIsWarnedAboutAndPutBackToOne) {
    form.SetUseTemplate(false);
    for (const char* accepted : {"0", "1", ""}) {
        form.TypeCount(Count::Accompaniment, accepted, prompt);
        EXPECT_EQ(form.CountText(Count::Accompaniment), accepted);
    }
    form.TypeCount(Count::Treble, "5", prompt);
    EXPECT_TRUE(prompt.AskedSoFar().empty()) << "only the accompaniment is limited to one";

    form.TypeCount(Count::Accompaniment, "12", prompt);
    ASSERT_EQ(prompt.AskedSoFar().size(), 1u);
    EXPECT_EQ(LastAsked()->text, kOnlyOneAccompaniment);
    EXPECT_EQ(LastAsked()->caption, "Warning");
    EXPECT_EQ(LastAsked()->icon, Prompt::WarningIcon);
    EXPECT_EQ(form.CountText(Count::Accompaniment), "1");

    ASSERT_EQ(form.Ok(prompt, history), Outcome::Built);
    EXPECT_EQ(TrackTypes(*form.TakeSong()).front(), AccompanimentTrack);
}

TEST_F(NewSongWizardFormTest, KeyListsKeepTheirPositionAcrossMajorAndMinor) {
    form.SetKeyIndex(2);  // E major, four sharps
    EXPECT_EQ(form.KeySignature(), 4);
    form.ShowMajor(false);
    EXPECT_EQ(TransposeSongForm::MinorKeys().at(static_cast<size_t>(form.KeyIndex())), "C#");
    EXPECT_EQ(form.KeySignature(), 4) << "C# minor has E major's signature";
    form.SetKeyIndex(12);  // Eb minor
    form.ShowMajor(true);
    EXPECT_EQ(TransposeSongForm::MajorKeys().at(static_cast<size_t>(form.KeyIndex())), "Gb");
    EXPECT_EQ(form.KeySignature(), -6);
    form.SetKeyIndex(40);
    EXPECT_EQ(form.KeyIndex(), 12) << "past the list's end";
}

TEST_F(NewSongWizardFormTest, TempoPresetsShowTheirValueAndOnlyCustomIsTyped) {
    const int values[] = {50, 63, 71, 92, 114, 144, 184};
    for (int index = 0; index < 7; ++index) {
        form.ChooseTempo(index);
        EXPECT_EQ(form.TempoText(), std::to_string(values[index])) << index;
        EXPECT_FALSE(form.TempoEditEnabled()) << index;
        form.TypeTempo("99");
        EXPECT_EQ(form.TempoText(), std::to_string(values[index])) << "a preset is not typed";
    }
    form.ChooseTempo(NewSongWizardForm::kCustomTempo);
    EXPECT_TRUE(form.TempoEditEnabled());
    EXPECT_EQ(form.TempoText(), "184") << "Custom starts from the value shown";
    form.TypeTempo("77");
    form.SetTimeSignatureIndex(1);
    ASSERT_EQ(form.Ok(prompt, history), Outcome::Built);
    const std::unique_ptr<Song> song = form.TakeSong();
    EXPECT_EQ(song->GetTempo(), 77);
    EXPECT_EQ(song->GetTimeSignature().numerator, 2);
    EXPECT_EQ(song->GetTimeSignature().denominator, 4);
}

// OK's checks in their order: the first that fails is the one shown, the
// wizard stays open, and nothing is built or forgotten.
TEST_F(NewSongWizardFormTest, OkRefusesInOrderAndKeepsTheHistory) {
    struct Case {
        const char* treble;
        const char* bass;
        const char* percussion;
        const char* tempo;
        const char* message;
        Outcome outcome;
    };
    const Case cases[] = {
        {"5", "5", "0", "114", kMaxPitched, Outcome::Refused},
        {"9", "1", "8", "5", kMaxPitched, Outcome::Refused},
        {"9", "0", "8", "114", kMaxNonAccompaniment, Outcome::Refused},
        {"9", "0", "8", "5", kMaxNonAccompaniment, Outcome::Refused},
        {"1", "0", "0", "19", kTempoRange, Outcome::TempoRefused},
        {"1", "0", "0", "209", kTempoRange, Outcome::TempoRefused},
        {"1", "0", "0", "", kTempoRange, Outcome::TempoRefused},
    };
    for (const Case& refused : cases) {
        SCOPED_TRACE(std::string(refused.treble) + "/" + refused.bass + "/" + refused.percussion +
                     " at " + refused.tempo);
        Custom(refused.treble, refused.bass, refused.percussion, "0");
        CustomTempo(refused.tempo);
        const size_t asked = prompt.AskedSoFar().size();
        EXPECT_EQ(form.Ok(prompt, history), refused.outcome);
        ASSERT_EQ(prompt.AskedSoFar().size(), asked + 1);
        EXPECT_EQ(LastAsked()->text, refused.message);
        EXPECT_EQ(LastAsked()->caption, "Warning");
        EXPECT_EQ(LastAsked()->icon, Prompt::WarningIcon);
        EXPECT_EQ(form.TakeSong(), nullptr);
        EXPECT_EQ(history.Count(), 2);
    }
}

TEST_F(NewSongWizardFormTest, TempoBoundsAreAccepted) {
    for (const char* tempo : {"20", "208"}) {
        CustomTempo(tempo);
        ASSERT_EQ(form.Ok(prompt, history), Outcome::Built) << tempo;
        EXPECT_EQ(form.TakeSong()->GetTempo(), std::stoi(tempo));
    }
    Custom("9", "0", "7", "1");
    ASSERT_EQ(form.Ok(prompt, history), Outcome::Built);
    EXPECT_EQ(form.TakeSong()->GetNumTracks(), 17) << "the accompaniment is not counted";
    EXPECT_TRUE(prompt.AskedSoFar().empty());
}

// The engine learns the key and time signature before the tempo is checked,
// so a refused tempo has already changed them; a refused track count has not.
TEST_F(NewSongWizardFormTest, TheEngineGetsTheSignaturesOnlyOnceTheTrackCountsPass) {
    SoundEngine& engine = SoundEngine::Instance();
    form.SetKeyIndex(9);  // Eb major
    form.SetTimeSignatureIndex(2);
    Custom("5", "5", "0", "0");
    form.Ok(prompt, history);
    EXPECT_EQ(engine.KeySignature(), 0);
    EXPECT_EQ(engine.TimeSignature(), (std::array<int, 2>{4, 4}));

    Custom("1", "0", "0", "0");
    CustomTempo("300");
    EXPECT_EQ(form.Ok(prompt, history), Outcome::TempoRefused);
    EXPECT_EQ(engine.KeySignature(), -3);
    EXPECT_EQ(engine.TimeSignature(), (std::array<int, 2>{3, 4}));
}

TEST_F(NewSongWizardFormTest, OkBuildsTheNewSongClearsTheHistoryAndHandsTheSongOverOnce) {
    form.ChooseTemplate(1);
    form.ShowMajor(false);
    form.SetKeyIndex(7);  // D minor
    ASSERT_EQ(form.Ok(prompt, history), Outcome::Built);
    EXPECT_EQ(history.Count(), 0);
    // A second OK of the same wizard replaces the first song.
    form.ChooseTemplate(4);
    ASSERT_EQ(form.Ok(prompt, history), Outcome::Built);

    std::unique_ptr<Song> song = form.TakeSong();
    ASSERT_NE(song, nullptr);
    EXPECT_EQ(song->GetNumTracks(), 3);
    EXPECT_EQ(song->GetKeySignature(), -1);
    EXPECT_EQ(song->GetTitleText()->GetText(), "My Great Music");
    EXPECT_EQ(song->GetAuthorText()->GetText(), "little musician");
    EXPECT_EQ(song->GetNumBars(), 16);
    EXPECT_EQ(song->GetTempo(), 114);
    EXPECT_EQ(form.TakeSong(), nullptr);
}

}  // namespace
