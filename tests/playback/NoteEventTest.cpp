#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

#include "MessageRecorder.h"
#include "PlaybackSongs.h"
#include "editor/ToolsManager.h"
#include "playback/BeatCounters.h"
#include "playback/NoteEventCollection.h"
#include "playback/NoteHighlightEvent.h"
#include "playback/NoteMetroEvent.h"
#include "playback/NoteSoundEvent.h"

namespace {

using Bytes = std::vector<std::array<int, 3>>;

Bytes BytesOf(const MessageRecorder& recorder) {
    Bytes bytes;
    for (const auto& message : recorder.Messages()) {
        bytes.push_back({message.status, message.data1, message.data2});
    }
    return bytes;
}

TEST(NoteSoundEventTest, SendsNoteOnThenNoteOffWithTheSameKeyAndVelocity) {
    MessageRecorder recorder;
    NoteSoundEvent event(3, 64, 460, 90, &recorder);
    EXPECT_EQ(event.Duration(), 460);
    event.Fire();
    event.Release();
    EXPECT_EQ(BytesOf(recorder), (Bytes{{0x93, 64, 90}, {0x83, 64, 90}}));

    recorder.Clear();
    NoteSoundEvent loud(0, 60, 10, 300, &recorder);
    NoteSoundEvent quiet(0, 60, 10, -5, &recorder);
    loud.Fire();
    quiet.Fire();
    EXPECT_EQ(BytesOf(recorder), (Bytes{{0x90, 60, 127}, {0x90, 60, 0}}))
        << "velocities are clipped to the data byte's range";
}

// A note written far above or below the keyboard, or on a track that got no
// channel, must not put bytes on the wire that mean something else.
TEST(NoteSoundEventTest, KeysOutsideTheKeyboardAndTracksWithoutChannelStaySilent) {
    MessageRecorder recorder;
    for (const auto& [channel, key] :
         std::vector<std::array<int, 2>>{{0, 128}, {0, 131}, {0, -1}, {-1, 60}, {16, 60}}) {
        NoteSoundEvent event(channel, key, 100, 80, &recorder);
        EXPECT_FALSE(event.IsAudible()) << "channel " << channel << " key " << key;
        event.Fire();
        event.Release();
    }
    EXPECT_TRUE(recorder.Messages().empty());
    NoteSoundEvent edge(15, 127, 100, 80, &recorder);
    EXPECT_TRUE(edge.IsAudible());
    NoteSoundEvent lowest(0, 0, 100, 80, &recorder);
    EXPECT_TRUE(lowest.IsAudible());
}

TEST(NoteEventCollectionTest, TakesOnlyEventsOfItsDurationAndRunsThemInOrder) {
    MessageRecorder recorder;
    NoteEventCollection group;
    EXPECT_EQ(group.Duration(), 0);
    std::unique_ptr<NoteEvent> first = std::make_unique<NoteSoundEvent>(0, 60, 200, 80, &recorder);
    std::unique_ptr<NoteEvent> other = std::make_unique<NoteSoundEvent>(1, 62, 199, 80, &recorder);
    std::unique_ptr<NoteEvent> same = std::make_unique<NoteSoundEvent>(2, 64, 200, 80, &recorder);
    EXPECT_TRUE(group.Add(first));
    EXPECT_FALSE(group.Add(other));
    ASSERT_NE(other, nullptr) << "a refused event stays with the caller";
    EXPECT_TRUE(group.Add(same));
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(group.Size(), 2u);
    EXPECT_EQ(group.Duration(), 200);

    group.Fire();
    group.Release();
    EXPECT_EQ(BytesOf(recorder),
              (Bytes{{0x90, 60, 80}, {0x92, 64, 80}, {0x80, 60, 80}, {0x82, 64, 80}}));
}

struct Click {
    int key;
    int velocity;
    int mainBeat;
    int beat;
};

// Builds and fires one click per beat of a bar, as playback does.
std::vector<Click> ClickBar(std::array<int, 2> signature, int beats, bool on,
                            MessageRecorder& recorder, BeatCounters& counters) {
    std::vector<Click> clicks;
    counters.Set(-1, -1);
    for (int b = 0; b < beats; ++b) {
        NoteMetroEvent click(signature, counters, on, &recorder);
        click.Fire();
        EXPECT_EQ(counters.mainBeat.load(), click.MainBeat());
        EXPECT_EQ(counters.beat.load(), click.Beat());
        click.Release();
        clicks.push_back({click.Key(), click.Velocity(), click.MainBeat(), click.Beat()});
    }
    return clicks;
}

bool operator==(const Click& a, const Click& b) {
    return a.key == b.key && a.velocity == b.velocity && a.mainBeat == b.mainBeat &&
           a.beat == b.beat;
}

void PrintTo(const Click& c, std::ostream* out) {
    *out << "{key " << c.key << " vel " << c.velocity << " main " << c.mainBeat << " beat "
         << c.beat << "}";
}

TEST(NoteMetroEventTest, CountsBeatsAndStressesTheDownbeat) {
    MessageRecorder recorder;
    BeatCounters counters;
    const auto clicks = ClickBar({4, 4}, 4, true, recorder, counters);
    EXPECT_EQ(clicks, (std::vector<Click>{
                          {80, 100, 0, 0}, {70, 60, 1, 1}, {70, 60, 2, 2}, {70, 60, 3, 3}}));
    const auto messages = recorder.Messages();
    ASSERT_EQ(messages.size(), 8u);
    EXPECT_EQ(messages[0].status, 0x9F) << "the metronome plays on channel 16";
    EXPECT_EQ(messages[1].status, 0x8F);
    NoteMetroEvent any({4, 4}, counters, true, &recorder);
    EXPECT_EQ(any.Duration(), 30);
}

// 6/8 counts six metronome beats to two main beats; the first and the fourth
// are stressed.
TEST(NoteMetroEventTest, SixEightStressesTheFirstAndFourthOfSix) {
    MessageRecorder recorder;
    BeatCounters counters;
    const auto clicks = ClickBar({6, 8}, 6, true, recorder, counters);
    EXPECT_EQ(clicks, (std::vector<Click>{{80, 100, 0, 0},
                                          {70, 60, 0, 1},
                                          {70, 60, 0, 2},
                                          {70, 100, 1, 3},
                                          {70, 60, 1, 4},
                                          {70, 60, 1, 5}}));
    const auto threeEight = ClickBar({3, 8}, 3, true, recorder, counters);
    EXPECT_EQ(threeEight[2], (Click{70, 60, 2, 2})) << "only 6/8 groups its beats";
}

TEST(NoteMetroEventTest, SilentWhenOffButStillCounting) {
    MessageRecorder recorder;
    BeatCounters counters;
    const auto clicks = ClickBar({3, 4}, 3, false, recorder, counters);
    EXPECT_TRUE(recorder.Messages().empty());
    EXPECT_EQ(clicks, (std::vector<Click>{{80, 0, 0, 0}, {80, 0, 1, 1}, {80, 0, 2, 2}}));
}

class NoteHighlightEventTest : public EngineReset {};

TEST_F(NoteHighlightEventTest, MarksTheNoteWhilePlayingAndAsksForRepaints) {
    auto song = playback_test::MakeSong("T", 1, 120);
    Note* note = playback_test::Put(*song, 0, 0, 0, "C5", 4);
    ASSERT_NE(note, nullptr);
    ToolsManager::Instance().TakeDirtyRects();
    NoteHighlightEvent event(460, note);
    EXPECT_EQ(event.Duration(), 460);
    event.Fire();
    EXPECT_TRUE(note->IsHighlighted());
    const auto firstRepaint = ToolsManager::Instance().TakeDirtyRects();
    ASSERT_EQ(firstRepaint.size(), 1u);
    EXPECT_EQ(firstRepaint[0], note->GetBoundingRect());
    event.Release();
    EXPECT_FALSE(note->IsHighlighted());
    EXPECT_EQ(ToolsManager::Instance().TakeDirtyRects().size(), 1u);
}

}  // namespace
