#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FakeDeviceDirectory.h"
#include "PlaybackSongs.h"
#include "editor/ToolsManager.h"
#include "model/Track.h"

namespace {

using playback_test::AspectLog;
using playback_test::BarOf;
using playback_test::FillWithNotes;
using playback_test::MakeSong;
using playback_test::Put;

class PlaybackTest : public playback_test::PlaybackFixture {
protected:
    // Keys of the Note Ons on the channel, in the order they were sent.
    std::vector<int> KeysOn(int channel) const {
        std::vector<int> keys;
        for (const auto& message : recorder.NoteOns()) {
            if (message.Channel() == channel) {
                keys.push_back(message.data1);
            }
        }
        return keys;
    }

    // Keys the track's notes sound, bar by bar from the bar on.
    static std::vector<int> KeysOf(Song& song, int track, int fromBar) {
        std::vector<int> keys;
        for (int bar = fromBar; bar < song.GetNumBars(); ++bar) {
            const NoteBar& noteBar = BarOf(song, track, bar);
            for (int step = 0; step < noteBar.GetSteps(); ++step) {
                if (const NoteChord* chord = noteBar.GetChordAt(step); chord && !chord->IsRest()) {
                    keys.push_back(chord->First()->MidiKeyOf());
                }
            }
        }
        return keys;
    }

    static bool AnyHighlighted(Song& song) {
        for (int t = 0; t < song.GetNumTracks(); ++t) {
            for (int bar = 0; bar < song.GetNumBars(); ++bar) {
                const NoteBar& noteBar = BarOf(song, t, bar);
                for (int step = 0; step < noteBar.GetSteps(); ++step) {
                    const NoteChord* chord = noteBar.GetChordAt(step);
                    for (int i = 0; chord != nullptr && i < chord->GetNoteCount(); ++i) {
                        if (chord->GetNote(i)->IsHighlighted()) {
                            return true;
                        }
                    }
                }
            }
        }
        return false;
    }

    void ExpectNothingLeft(Song& song) {
        EXPECT_EQ(engine.State(), SoundEngine::Stopped);
        EXPECT_EQ(engine.RunningGroupCount(), 0u) << "every started group is released";
        EXPECT_TRUE(recorder.Sounding().empty()) << "a Note On without its Note Off";
        EXPECT_FALSE(AnyHighlighted(song));
    }
};

TEST_F(PlaybackTest, PlaysEveryNoteInOrderAndEndsRewoundWithNothingSounding) {
    auto song = MakeSong("TP", 2, 960);
    FillWithNotes(*song, 0, 4);
    Put(*song, 1, 0, 0, "C5", 2);
    Put(*song, 1, 1, 0, "S", 2);
    Put(*song, 1, 1, 48, "C5", 2);
    SetMetronome(true);
    ToolsManager::Instance().TakeDirtyRects();
    engine.SetStartBar(0);

    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(KeysOn(0), KeysOf(*song, 0, 0));
    EXPECT_EQ(KeysOn(9), (std::vector<int>{35, 35}));
    EXPECT_EQ(KeysOn(15), (std::vector<int>{80, 70, 70, 70, 80, 70, 70, 70}));
    const auto messages = recorder.Messages();
    const auto firstNote =
        std::find_if(messages.begin(), messages.end(), [](const auto& m) { return m.IsNoteOn(); });
    EXPECT_TRUE(std::any_of(messages.begin(), firstNote, [](const auto& m) {
        return m.status == 0xCF && m.data1 == 115;
    })) << "the metronome's instrument is set before the first note";
    ExpectNothingLeft(*song);
    EXPECT_FALSE(ToolsManager::Instance().TakeDirtyRects().empty())
        << "highlighted notes were handed over for repainting";

    const auto aspects = log.Aspects();
    ASSERT_GE(aspects.size(), 4u);
    EXPECT_EQ(aspects.front(), SoundEngine::StartAspect);
    EXPECT_EQ(std::vector<int>(aspects.end() - 3, aspects.end()),
              (std::vector<int>{SoundEngine::BeatAspect, SoundEngine::HighlightAspect,
                                SoundEngine::EndAspect}));
    EXPECT_EQ(log.Count(SoundEngine::BeatAspect), 8 + 1) << "each beat, and the end";
    const auto entries = log.Entries();
    EXPECT_EQ(entries.back().state, SoundEngine::Stopped);
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].ending, i + 3 >= entries.size())
            << "only the last three notifications are the end's";
    }
    EXPECT_EQ(engine.StartBar(), 0);
    EXPECT_EQ(engine.CurrentBar(), 0);
    EXPECT_EQ(engine.MainBeat(), 0);
}

TEST_F(PlaybackTest, BeatCountersFollowTheMetronomeInSixEight) {
    auto song = MakeSong("T", 2, 800, 6, 8);
    ASSERT_TRUE(PlayToEnd(*song));
    std::vector<std::pair<int, int>> beats;
    for (const auto& entry : log.Entries()) {
        if (entry.aspect == SoundEngine::BeatAspect) {
            beats.emplace_back(entry.mainBeat, entry.beat);
        }
    }
    const std::vector<std::pair<int, int>> bar = {{0, 0}, {0, 1}, {0, 2}, {1, 3}, {1, 4}, {1, 5}};
    std::vector<std::pair<int, int>> expected = bar;
    expected.insert(expected.end(), bar.begin(), bar.end());
    expected.emplace_back(0, 0);
    EXPECT_EQ(beats, expected) << "silent clicks still count; both counters end at 0";
    EXPECT_TRUE(recorder.NoteOns().empty()) << "metronome off, and the song has only rests";
}

TEST_F(PlaybackTest, PauseResumesAtThePausedBarAndStopGoesBackToTheStart) {
    auto song = MakeSong("T", 6, 1920);
    FillWithNotes(*song, 0, 4);
    struct PauseAtBar : Observer {
        int bar = 0;
        void Update(Subject* subject, int) override {
            auto& engine = static_cast<SoundEngine&>(*subject);
            if (engine.State() == SoundEngine::Playing && engine.CurrentBar() == bar) {
                engine.Pause();
            }
        }
    } pauseAtBar;
    pauseAtBar.bar = 3;
    engine.Attach(&pauseAtBar, SoundEngine::BeatAspect);

    ASSERT_TRUE(PlayToEnd(*song));
    engine.Detach(&pauseAtBar, SoundEngine::BeatAspect);
    EXPECT_EQ(engine.StartBar(), 3);
    EXPECT_EQ(engine.CurrentBar(), 3);
    const auto firstRun = KeysOn(0);
    ASSERT_FALSE(firstRun.empty());
    EXPECT_LT(firstRun.size(), KeysOf(*song, 0, 0).size());
    ExpectNothingLeft(*song);

    recorder.Clear();
    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(KeysOn(0), KeysOf(*song, 0, 3)) << "resumes at the first step of the paused bar";
    EXPECT_EQ(engine.StartBar(), 0) << "reaching the end rewinds";

    struct StopSoon : Observer {
        void Update(Subject* subject, int) override { static_cast<SoundEngine&>(*subject).Stop(); }
    } stopSoon;
    engine.SetStartBar(4);
    engine.Attach(&stopSoon, SoundEngine::BeatAspect);
    recorder.Clear();
    ASSERT_TRUE(PlayToEnd(*song));
    engine.Detach(&stopSoon, SoundEngine::BeatAspect);
    EXPECT_EQ(KeysOn(0), (std::vector<int>{KeysOf(*song, 0, 4).front()}))
        << "a stop takes effect at the next step";
    EXPECT_EQ(engine.StartBar(), 0);
    EXPECT_EQ(engine.CurrentBar(), 0);
    ExpectNothingLeft(*song);

    engine.SetStartBar(17);
    recorder.Clear();
    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(KeysOn(0), KeysOf(*song, 0, 0)) << "a start bar past the end plays from bar 0";
}

TEST_F(PlaybackTest, PlayWhileActiveIsIgnored) {
    auto song = MakeSong("T", 2, 960);
    FillWithNotes(*song, 0, 4);
    recorder.Clear();
    log.Clear();
    engine.Play(song.get());
    engine.Play(song.get());
    ASSERT_TRUE(log.WaitFor(SoundEngine::StartAspect));
    engine.Play(song.get());
    ASSERT_TRUE(log.WaitFor(SoundEngine::EndAspect));
    engine.WaitUntilStopped();
    EXPECT_EQ(log.Count(SoundEngine::StartAspect), 1);
    EXPECT_EQ(KeysOn(0), KeysOf(*song, 0, 0));
}

// A player that repeats the song starts it again from the end's notification,
// on the playback thread that is ending.
TEST_F(PlaybackTest, AnObserverOfTheEndMayPlayAgain) {
    auto song = MakeSong("T", 1, 1920);
    FillWithNotes(*song, 0, 4);
    struct Repeat : Observer {
        Song* song = nullptr;
        int ends = 0;
        void Update(Subject* subject, int) override {
            if (++ends == 1) {
                static_cast<SoundEngine&>(*subject).Play(song);
            }
        }
    } repeat;
    repeat.song = song.get();
    engine.Attach(&repeat, SoundEngine::EndAspect);
    recorder.Clear();
    log.Clear();
    engine.Play(song.get());
    const bool twice = log.WaitFor(SoundEngine::EndAspect, 2);
    engine.WaitUntilStopped();
    engine.Detach(&repeat, SoundEngine::EndAspect);
    ASSERT_TRUE(twice);
    auto keys = KeysOf(*song, 0, 0);
    keys.insert(keys.end(), keys.begin(), keys.end());
    EXPECT_EQ(KeysOn(0), keys);
    EXPECT_EQ(log.Count(SoundEngine::StartAspect), 2);
}

// At tempo 20 the song would take 48 seconds; raised at the first beat, the
// rest goes by in well under the wait's limit.
TEST_F(PlaybackTest, ATempoChangeTakesEffectAtTheNextStep) {
    auto song = MakeSong("T", 4, 20);
    FillWithNotes(*song, 0, 4);
    engine.SetTempo(20, false);
    struct SpeedUp : Observer {
        void Update(Subject* subject, int) override {
            static_cast<SoundEngine&>(*subject).SetTempo(3000, false);
        }
    } speedUp;
    engine.Attach(&speedUp, SoundEngine::BeatAspect);
    recorder.Clear();
    engine.Play(song.get());
    const bool ended = log.WaitFor(SoundEngine::EndAspect, 1, std::chrono::seconds(20));
    if (!ended) {
        engine.Stop();
    }
    engine.WaitUntilStopped();
    engine.Detach(&speedUp, SoundEngine::BeatAspect);
    EXPECT_TRUE(ended);
    EXPECT_EQ(KeysOn(0), KeysOf(*song, 0, 0)) << "no step is skipped by the change";
    ExpectNothingLeft(*song);
}

TEST_F(PlaybackTest, AnAccompanimentWithoutStyleDoesNotPlay) {
    auto song = MakeSong("AT", 2, 960);
    FillWithNotes(*song, 1, 4);
    engine.SetStyleName("[N/A]");
    engine.SetStartBar(1);
    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(engine.ErrorCode(), SoundEngine::NoAccompanimentStyle);
    EXPECT_EQ(log.Aspects(),
              (std::vector<int>{SoundEngine::ErrorAspect, SoundEngine::BeatAspect,
                                SoundEngine::HighlightAspect, SoundEngine::EndAspect}));
    EXPECT_TRUE(recorder.Messages().empty());
    EXPECT_EQ(engine.StartBar(), 1) << "nothing played, so nothing moved";
    engine.SetStyleName("");
}

TEST_F(PlaybackTest, ClosingTheDeviceStopsPlaybackFirst) {
    auto directory =
        std::make_shared<FakeDeviceDirectory>(std::vector<FakeDevice>{FakeDevice::Working("A")});
    engine.SetDeviceDirectory(directory);
    engine.SetOutput(nullptr);
    auto song = MakeSong("T", 40, 240);
    FillWithNotes(*song, 0, 8);
    engine.OpenDevice(0, false);
    ASSERT_TRUE(engine.IsDeviceOpen());
    engine.Play(song.get());
    ASSERT_TRUE(log.WaitFor(SoundEngine::HighlightAspect, 3));
    engine.CloseDevice();
    EXPECT_EQ(engine.State(), SoundEngine::Stopped) << "stopped and ended before the close";
    EXPECT_FALSE(engine.IsDeviceOpen());
    EXPECT_EQ(engine.RunningGroupCount(), 0u);

    int ons = 0;
    int offs = 0;
    for (const std::string& message : directory->MessagesTo(0)) {
        ons += message.starts_with("90 ") ? 1 : 0;
        offs += message.starts_with("80 ") ? 1 : 0;
    }
    EXPECT_GE(ons, 3);
    EXPECT_EQ(ons, offs) << "every note was released before the device closed";
    EXPECT_EQ(directory->Journal().back(), "close 0");

    // Without a device playback still walks the song, silently.
    engine.SetStartBar(38);
    engine.SetTempo(960, false);
    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(log.Count(SoundEngine::BeatAspect), 8 + 1);
    engine.SetDeviceDirectory(nullptr);
}

}  // namespace
