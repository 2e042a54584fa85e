#include <gtest/gtest.h>

#include "model/ChordBar.h"
#include "model/InstrumentCombo.h"
#include "model/MelodicBar.h"
#include "model/PercussionBar.h"
#include "model/Song.h"
#include "model/StyleCombo.h"
#include "support/EngineReset.h"
#include "support/RecordingObserver.h"

namespace {

class SongTest : public EngineReset {
protected:
    static std::unique_ptr<Song> MakeSong(int bars = 4, Song::TimeSignature ts = {4, 4}) {
        return std::make_unique<Song>("Title", "Author", bars, 100, ts, 0);
    }
    static std::vector<int> TrackNumbers(const Song& song) {
        std::vector<int> numbers;
        for (int i = 0; i < song.GetNumTracks(); ++i) {
            numbers.push_back(song.GetTrack(i)->GetTrackNum());
        }
        return numbers;
    }
};

TEST_F(SongTest, TimeSignatureDerivesStepsBeatsAndBeatLength) {
    struct Row {
        Song::TimeSignature ts;
        int stepsPerBar, beats, stepsPerBeat;
    };
    const Row rows[] = {{{2, 2}, 96, 2, 48}, {{2, 4}, 48, 2, 24}, {{3, 4}, 72, 3, 24},
                        {{4, 4}, 96, 4, 24}, {{6, 8}, 72, 2, 36}, {{3, 8}, 36, 1, 36}};
    for (const Row& row : rows) {
        const auto song = MakeSong(1, row.ts);
        SCOPED_TRACE(testing::Message() << row.ts.numerator << "/" << row.ts.denominator);
        EXPECT_EQ(song->GetNumOfStepsPerBar(), row.stepsPerBar);
        EXPECT_EQ(song->GetNumOfBeats(), row.beats);
        EXPECT_EQ(song->GetNumOfStepsPerBeat(), row.stepsPerBeat);
        EXPECT_EQ(*song->GetProperty("NumOfStepsPerBeat"), row.stepsPerBeat);
    }
}

TEST_F(SongTest, NewSongSetsTheEngineTempoAndStartsWithoutTracks) {
    RecordingObserver engineWatcher;
    SoundEngine::Instance().Attach(&engineWatcher, 2);
    const auto song = MakeSong();
    SoundEngine::Instance().Detach(&engineWatcher, 2);
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 100);
    EXPECT_EQ(engineWatcher.CountFor(2), 1);
    EXPECT_EQ(song->GetNumTracks(), 0);
    EXPECT_EQ(song->GetTitleText()->GetText(), "Title");
    EXPECT_EQ(song->GetAuthorText()->GetText(), "Author");
    EXPECT_EQ(song->GetTrack(0), nullptr);
}

TEST_F(SongTest, EachTrackTypeOwnsItsKindOfBarHoldingAWholeBarRest) {
    const auto song = MakeSong(3, {6, 8});
    song->AddTrebleTrack();
    song->AddBassTrack();
    song->AddPercussionTrack();
    song->AddAccompanimentTrack();
    ASSERT_EQ(song->GetNumTracks(), 4);

    const char* expected[] = {"ChordBar", "MelodicBar", "MelodicBar", "PercussionBar"};
    for (int t = 0; t < 4; ++t) {
        const Track* track = song->GetTrack(t);
        ASSERT_EQ(track->GetNumBars(), 3);
        for (int b = 0; b < 3; ++b) {
            EXPECT_TRUE(track->GetBar(b)->IsA(expected[t])) << "track " << t << " bar " << b;
        }
        EXPECT_EQ(track->GetBar(3), nullptr);
        EXPECT_EQ(track->GetBar(-1), nullptr);
    }
    for (int t = 1; t < 4; ++t) {
        auto* bar = static_cast<NoteBar*>(song->GetBar(t, 1));
        const NoteChord* rest = bar->GetChordAt(0);
        ASSERT_NE(rest, nullptr);
        EXPECT_TRUE(rest->IsWholeBarRest());
        EXPECT_EQ(rest->GetLength(), 72);
        for (int step = 1; step < 72; ++step) {
            EXPECT_EQ(bar->GetChordAt(step), nullptr);
        }
    }
    EXPECT_EQ(static_cast<MelodicBar*>(song->GetBar(1, 0))->NoteClefCode(), 0);
    EXPECT_EQ(static_cast<MelodicBar*>(song->GetBar(2, 0))->NoteClefCode(), 1);
    EXPECT_EQ(static_cast<NoteBar*>(song->GetBar(3, 0))->GetChordAt(0)->First()->NoteClefCode(), 2);

    // A 6/8 chord bar has a box on each of its two beats; bar 0 starts with sub-style A.
    auto* chords = static_cast<ChordBar*>(song->GetBar(0, 0));
    ASSERT_NE(chords->GetBoxAt(0), nullptr);
    ASSERT_NE(chords->GetBoxAt(36), nullptr);
    EXPECT_EQ(chords->GetBoxAt(12), nullptr);
    EXPECT_EQ(chords->GetBoxAt(0)->GetSubStyle(), ChordCombo::StyleA);
    EXPECT_EQ(chords->GetBoxAt(36)->GetSubStyle(), ChordCombo::NoSubStyle);
    EXPECT_EQ(static_cast<ChordBar*>(song->GetBar(0, 1))->GetBoxAt(0)->GetSubStyle(),
              ChordCombo::NoSubStyle);
}

TEST_F(SongTest, TracksGetTypeDefaults) {
    const auto song = MakeSong();
    song->AddTrebleTrack();
    song->AddPercussionTrack();
    song->AddAccompanimentTrack();
    const Track* accompaniment = song->GetTrack(0);
    const Track* treble = song->GetTrack(1);
    const Track* drums = song->GetTrack(2);
    EXPECT_EQ(accompaniment->GetTitle(), "Accompaniment");
    EXPECT_EQ(treble->GetTitle(), "Track 1");
    EXPECT_EQ(drums->GetTitle(), "Track 2");
    EXPECT_EQ(treble->GetStaffHeight(), 200);
    EXPECT_EQ(drums->GetStaffHeight(), 120);
    EXPECT_EQ(accompaniment->GetStaffHeight(), 40);
    EXPECT_EQ(treble->GetMidiProgNum(), 0);
    EXPECT_EQ(drums->GetMidiProgNum(), 35);
    EXPECT_EQ(*drums->GetBar(0)->GetProperty("MidiProgNum"), 35);
    EXPECT_EQ(treble->GetVolume(), 100);
    EXPECT_FALSE(treble->IsMuted());
    EXPECT_TRUE(accompaniment->GetSelector()->IsA("StyleCombo"));
    EXPECT_TRUE(drums->GetSelector()->IsA("InstrumentCombo"));
    // The first box as built, before layout moves it.
    const Track fresh(TrackInfo{3, 5, TrebleTrack, nullptr});
    EXPECT_EQ(fresh.GetBox(), (Box{25, 315, 380 * 5 + 250, 200}));
    EXPECT_EQ(fresh.GetBar(2)->GetBox(), (Box{25 + 200 + 760, 315, 380, 200}));
}

TEST_F(SongTest, AccompanimentGoesToSlotZeroAndOthersMoveDownInOrder) {
    const auto song = MakeSong();
    song->AddTrebleTrack();
    song->AddBassTrack();
    song->AddPercussionTrack();
    EXPECT_EQ(song->AddAccompanimentTrack(), 0);
    EXPECT_TRUE(song->HasAccompaniment());
    EXPECT_EQ(TrackNumbers(*song), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(song->GetTrack(1)->GetTrackType(), TrebleTrack);
    EXPECT_EQ(song->GetTrack(2)->GetTrackType(), BassTrack);
    EXPECT_EQ(song->GetTrack(3)->GetTrackType(), PercussionTrack);
    // Titles keep the numbers they were created with.
    EXPECT_EQ(song->GetTrack(1)->GetTitle(), "Track 1");
    EXPECT_EQ(song->GetTrack(3)->GetTitle(), "Track 3");
    // Selectors and sliders follow their track's new number.
    EXPECT_EQ(song->GetTrack(3)->GetSelector()->GetChannel(), 3);
    EXPECT_EQ(song->GetTrack(3)->GetVolumeSlider()->GetChannel(), 3);

    EXPECT_EQ(song->AddAccompanimentTrack(), -1);
    EXPECT_EQ(song->GetNumTracks(), 4);
}

TEST_F(SongTest, PitchedAndNonAccompanimentLimits) {
    const auto song = MakeSong(1);
    EXPECT_EQ(song->AddAccompanimentTrack(), 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(song->AddTrebleTrack(), 1 + i);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(song->AddBassTrack(), 6 + i);
    }
    EXPECT_EQ(song->CountPitchedTracks(), 9);
    EXPECT_EQ(song->AddTrebleTrack(), -1);
    EXPECT_EQ(song->AddBassTrack(), -1);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(song->AddPercussionTrack(), 10 + i);
    }
    EXPECT_EQ(song->CountNonAccompanimentTracks(), 16);
    EXPECT_EQ(song->CountPercussionTracks(), 7);
    EXPECT_EQ(song->AddPercussionTrack(), -1);
    EXPECT_EQ(song->GetNumTracks(), 17);
}

TEST_F(SongTest, PercussionAloneStopsAtSixteenAndLeavesNoRoomForPitched) {
    const auto song = MakeSong(1);
    for (int i = 0; i < 16; ++i) {
        ASSERT_EQ(song->AddPercussionTrack(), i);
    }
    EXPECT_EQ(song->AddPercussionTrack(), -1);
    EXPECT_EQ(song->AddTrebleTrack(), -1);
    EXPECT_EQ(song->AddAccompanimentTrack(), 0);
    EXPECT_EQ(song->GetNumTracks(), 17);
}

TEST_F(SongTest, DeleteTrackRenumbersAndDropsTheAccompaniment) {
    const auto song = MakeSong();
    song->AddTrebleTrack();
    song->AddBassTrack();
    song->AddAccompanimentTrack();
    const Track* firstTreble = song->GetTrack(1);

    song->DeleteTrack(0);
    EXPECT_FALSE(song->HasAccompaniment());
    EXPECT_EQ(song->GetTrack(0), firstTreble);
    EXPECT_EQ(TrackNumbers(*song), (std::vector<int>{0, 1}));
    EXPECT_EQ(song->GetTrack(2), nullptr);
    EXPECT_EQ(SoundEngine::Instance().TrackChannel(0), 0);
    EXPECT_EQ(SoundEngine::Instance().TrackChannel(1), 1);
    EXPECT_EQ(SoundEngine::Instance().TrackChannel(2), -1);

    song->DeleteTrack(5);  // outside the count: nothing happens
    EXPECT_EQ(song->GetNumTracks(), 2);
}

TEST_F(SongTest, SwapTracksExchangesSlotsAndNumbers) {
    const auto song = MakeSong();
    song->AddTrebleTrack();
    song->AddPercussionTrack();
    Track* treble = song->GetTrack(0);
    Track* drums = song->GetTrack(1);
    song->SwapTracks(0, 1);
    EXPECT_EQ(song->GetTrack(0), drums);
    EXPECT_EQ(song->GetTrack(1), treble);
    EXPECT_EQ(TrackNumbers(*song), (std::vector<int>{0, 1}));
}

TEST_F(SongTest, ApplyTrackSoundSettingsRebuildsTheChannelTable) {
    const auto song = MakeSong();
    song->AddTrebleTrack();
    song->AddPercussionTrack();
    song->AddBassTrack();
    song->AddAccompanimentTrack();
    auto* styles = static_cast<StyleCombo*>(song->GetTrack(0)->GetSelector());
    styles->SetStyles({"Pop", "Waltz"});
    styles->SetIndex(1, false);
    song->GetTrack(3)->GetVolumeSlider()->SetValue(40, false);

    SoundEngine& engine = SoundEngine::Instance();
    engine.ResetChannels();
    song->ApplyTrackSoundSettings();
    EXPECT_EQ(engine.GetStyleName(), "Waltz");
    EXPECT_EQ(engine.TrackChannel(0), -1) << "the accompaniment track plays through its expansion";
    EXPECT_EQ(engine.TrackChannel(1), 0);
    EXPECT_EQ(engine.TrackChannel(2), 9);
    EXPECT_EQ(engine.TrackChannel(3), 1);
    EXPECT_EQ(engine.TrackVolume(3), 40);
    EXPECT_EQ(engine.Entry(2)->program, 35);
}

TEST_F(SongTest, CopiedSongNotifiesNobodyWhileItsChildrenKeepTheirObservers) {
    const auto song = MakeSong(2);
    song->AddTrebleTrack();
    RecordingObserver view;
    song->Attach(&view, 10);
    song->Attach(&view, 8);

    const auto copy = std::unique_ptr<Song>(static_cast<Song*>(song->Clone().release()));
    copy->Notify(10);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_FALSE(copy->HasObservers());

    Track* track = copy->GetTrack(0);
    auto* bar = static_cast<NoteBar*>(track->GetBar(1));
    EXPECT_EQ(track->GetParent(), copy.get());
    EXPECT_EQ(bar->GetParent(), track);
    EXPECT_EQ(bar->GetChordAt(0)->GetParent(), bar);
    EXPECT_EQ(bar->GetChordAt(0)->First()->GetParent(), bar->GetChordAt(0));
    EXPECT_NE(bar, song->GetBar(0, 1));

    track->Notify(10);
    bar->Notify(8);
    bar->GetChordAt(0)->Notify(10);
    track->GetVolumeSlider()->Notify(8);
    ASSERT_EQ(view.calls.size(), 4u);
    EXPECT_EQ(view.calls[1], std::make_pair(static_cast<Subject*>(bar), 8));

    // Settings are copied and answered by the copy.
    EXPECT_EQ(*bar->GetChordAt(0)->First()->GetProperty("NumOfStepsPerBar"), 96);
    EXPECT_EQ(copy->GetTitleText()->GetText(), "Title");
}

TEST_F(SongTest, TracksAddedLaterJoinTheSongsObservers) {
    const auto song = MakeSong(1);
    RecordingObserver view;
    song->Attach(&view, 10);
    song->AddPercussionTrack();
    UserText* text = song->AddUserText(300, 400);
    song->GetBar(0, 0)->Notify(10);
    text->Notify(10);
    EXPECT_EQ(view.CountFor(10), 2);
}

TEST_F(SongTest, UserTextsAreAddedHitAndRemoved) {
    const auto song = MakeSong(1);
    UserText* text = song->AddUserText(300, 400);
    EXPECT_EQ(text->GetBox(), (Box{300, 400, 200, 30}));
    EXPECT_EQ(song->HitTest(290, 390), text) << "a free text is easier to hit by 15 units";
    EXPECT_EQ(song->HitTest(520, 440), nullptr);
    EXPECT_EQ(song->HitTest(100, 100), song->GetTitleText());
    EXPECT_EQ(song->HitTest(350, 200), song->GetAuthorText());
    ToolsManager::Instance().SelectSingle(text);
    song->RemoveUserText(text);
    EXPECT_TRUE(song->GetUserTexts().empty());
    EXPECT_TRUE(ToolsManager::Instance().Selection().empty());
}

TEST_F(SongTest, BarsPerLineSetsTheBarWidth) {
    const auto song = MakeSong(1);
    const int widths[] = {1520, 760, 506, 380};
    for (int n = 1; n <= 4; ++n) {
        song->SetBarsPerLine(n);
        EXPECT_EQ(Track::GetBarsPerLine(), n);
        EXPECT_EQ(Track::GetBarWidth(), widths[n - 1]);
    }
}

}  // namespace
