#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "PlaybackSongs.h"
#include "files/SongFiles.h"
#include "model/ChordBar.h"
#include "model/ChordCombo.h"
#include "model/InstrumentCombo.h"
#include "model/SoundSettings.h"
#include "platform/ProgramPaths.h"

namespace {

namespace fs = std::filesystem;
using playback_test::MakeSong;

// Channel, program and volume of every track number in the engine's table.
using Table = std::vector<std::array<int, 3>>;

Table TableOf(const SoundEngine& engine) {
    Table table;
    for (int t = 0; t < SoundSettings::kNumTrackEntries; ++t) {
        const auto entry = engine.Entry(t);
        table.push_back({entry->channel, entry->program, entry->volume});
    }
    return table;
}

// Stands between the model and the engine while it lives, counting the writes
// to the channel table made on a thread other than the one that made it.
class TableWriteWatch : public SoundSettings {
public:
    explicit TableWriteWatch(SoundEngine& engine)
        : m_engine(engine), m_previous(&SoundSettings::Instance()) {
        SoundSettings::SetInstance(this);
    }
    ~TableWriteWatch() override { SoundSettings::SetInstance(m_previous); }
    TableWriteWatch(const TableWriteWatch&) = delete;
    TableWriteWatch& operator=(const TableWriteWatch&) = delete;

    int ForeignWrites() const { return m_foreignWrites.load(); }

    void SetTempo(int bpm, bool notify) override { m_engine.SetTempo(bpm, notify); }
    int GetTempo() const override { return m_engine.GetTempo(); }
    void SetTimeSignature(int beats, int unit) override { m_engine.SetTimeSignature(beats, unit); }
    void SetKeySignature(int value) override { m_engine.SetKeySignature(value); }
    void SetStyleName(const std::string& name) override { m_engine.SetStyleName(name); }
    const std::string& GetStyleName() const override { return m_engine.GetStyleName(); }
    void ResetChannels() override {
        CountWrite();
        m_engine.ResetChannels();
    }
    void SetTrackProgram(int trackNum, bool isPercussion, int program) override {
        CountWrite();
        m_engine.SetTrackProgram(trackNum, isPercussion, program);
    }
    void SetTrackVolume(int trackNum, int volumePercent) override {
        CountWrite();
        m_engine.SetTrackVolume(trackNum, volumePercent);
    }
    int TrackChannel(int trackNum) const override { return m_engine.TrackChannel(trackNum); }

private:
    void CountWrite() {
        if (std::this_thread::get_id() != m_owner) {
            ++m_foreignWrites;
        }
    }

    SoundEngine& m_engine;
    SoundSettings* m_previous;
    const std::thread::id m_owner = std::this_thread::get_id();
    std::atomic<int> m_foreignWrites{0};
};

// The engine's table as it stands when playing begins, after preparation.
class TableAtStart : public Observer {
public:
    void Update(Subject* subject, int aspect) override {
        if (aspect == SoundEngine::StartAspect) {
            std::lock_guard lock(m_mutex);
            m_table = TableOf(static_cast<SoundEngine&>(*subject));
        }
    }
    Table Get() const {
        std::lock_guard lock(m_mutex);
        return m_table;
    }

private:
    mutable std::mutex m_mutex;
    Table m_table;
};

// Plays songs with an accompaniment track against a style of our own, kept
// in a Pattern folder made for the test: one treble track (program 4, volume
// 70) playing E4 on the first beat of variation 0, and one drum track playing
// its drum on the first beat.
class AccompanimentPlaybackTest : public playback_test::PlaybackFixture {
protected:
    void SetUp() override {
        PlaybackFixture::SetUp();
        m_dir = fs::temp_directory_path() / ("quillsong-play-" + std::to_string(::getpid()));
        fs::create_directories(m_dir / "Pattern");
        ProgramPaths::OverrideExecutableDir(m_dir.string());
        WriteStyle();
    }
    void TearDown() override {
        PlaybackFixture::TearDown();
        ProgramPaths::OverrideExecutableDir("");
        fs::remove_all(m_dir);
    }

    // The style "Test".
    void WriteStyle() {
        Song pattern("pattern", "test", 1, 100, {4, 4}, 0);
        pattern.AddTrebleTrack();
        pattern.AddPercussionTrack();
        static_cast<InstrumentCombo*>(pattern.GetTrack(0)->GetSelector())->SetProgram(4, false);
        pattern.GetTrack(0)->GetVolumeSlider()->SetValue(70, false);
        static_cast<InstrumentCombo*>(pattern.GetTrack(1)->GetSelector())->SetProgram(42, false);
        static_cast<NoteBar*>(pattern.GetBar(0, 0))
            ->InsertNote(0, 'E', 4, Note::NoAccidental, 4, false, false);
        static_cast<NoteBar*>(pattern.GetBar(1, 0))
            ->InsertNote(0, 'C', 5, Note::NoAccidental, 4, false, false);
        SongFiles::Save(pattern, (m_dir / "Pattern" / "44_Test.qsx").string());
        engine.ResetChannels();
    }

    // The style "Five": five treble tracks, each playing a note of its own on
    // the first beat.
    void WriteFiveTrackStyle() {
        Song pattern("pattern", "test", 1, 100, {4, 4}, 0);
        for (int t = 0; t < 5; ++t) {
            ASSERT_EQ(pattern.AddTrebleTrack(), t);
            static_cast<NoteBar*>(pattern.GetBar(t, 0))
                ->InsertNote(0, "CDEFG"[t], 4, Note::NoAccidental, 4, false, false);
        }
        SongFiles::Save(pattern, (m_dir / "Pattern" / "44_Five.qsx").string());
        engine.ResetChannels();
    }

    // A song with an accompaniment track and two treble tracks (on channels
    // 0 and 1), a C chord on the first beat of every bar and a G5 on the
    // second treble track, the accompaniment at volume 50.
    std::unique_ptr<Song> SongWithChords(int bars) {
        auto song = MakeSong("ATT", bars, 960);
        for (int bar = 0; bar < bars; ++bar) {
            static_cast<ChordBar*>(song->GetBar(0, bar))->GetBeatBox(0)->SelectText("C", false);
        }
        song->GetTrack(0)->SetVolume(50);
        playback_test::Put(*song, 2, 0, 0, "G5", 4);
        return song;
    }

    fs::path m_dir;
};

TEST_F(AccompanimentPlaybackTest, TheStylesTracksPlayBesideTheSongsOwn) {
    auto song = SongWithChords(2);
    engine.SetStyleName("Test");
    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(engine.ErrorCode(), SoundEngine::NoError);

    std::vector<std::array<int, 3>> ons;
    bool melodicVolume = false;
    bool program = false;
    for (const auto& message : recorder.Messages()) {
        if (message.IsNoteOn()) {
            ons.push_back({message.status, message.data1, message.data2});
        }
        // The style's keyboard, on the first channel after the song's
        // treble tracks', at 70 % of 50 %.
        melodicVolume = melodicVolume || (message.status == 0xB2 && message.data1 == 7 &&
                                          message.data2 == SoundEngine::PercentToMidi(35));
        program = program || (message.status == 0xC2 && message.data1 == 4);
    }
    EXPECT_TRUE(program);
    EXPECT_TRUE(melodicVolume);
    EXPECT_EQ(ons, (std::vector<std::array<int, 3>>{
                       {0x92, 52, 76},  // the style's E4 over C, in the chord track's slot
                       {0x99, 42, 38},  // its drum: MF at the accompaniment's 50 %
                       {0x91, 67, 76},  // then the song's G5
                       {0x92, 52, 76},
                       {0x99, 42, 38},
                   }));
    EXPECT_TRUE(recorder.Sounding().empty());
    EXPECT_TRUE(song->GeneratedAccompaniment().empty()) << "freed when playback ended";
    EXPECT_EQ(engine.TrackChannel(24), -1);
    EXPECT_EQ(engine.AllocateChannel(false), 2) << "the style's channel is free again";
}

// Playback used to give the expanded tracks channels in the engine's table
// and scale their volumes through their sliders, which told the table: the
// user interface's table was written from the playback thread.
TEST_F(AccompanimentPlaybackTest, PlaybackWritesNothingToTheChannelTable) {
    auto song = SongWithChords(1);
    engine.SetStyleName("Test");
    const Table before = TableOf(engine);
    TableWriteWatch watch(engine);
    TableAtStart atStart;
    engine.Attach(&atStart, SoundEngine::StartAspect);
    const bool played = PlayToEnd(*song);
    engine.Detach(&atStart, SoundEngine::StartAspect);
    ASSERT_TRUE(played);
    ASSERT_EQ(engine.ErrorCode(), SoundEngine::NoError);
    ASSERT_EQ(recorder.NoteOns().size(), 3u) << "the style's two tracks and the song's G5";

    EXPECT_EQ(watch.ForeignWrites(), 0) << "the model told the table from another thread";
    EXPECT_EQ(atStart.Get(), before) << "while playing, the style's tracks have no entries there";
    EXPECT_EQ(TableOf(engine), before);
    EXPECT_EQ(song->GetTrack(0)->GetVolume(), 50);
}

// The chord track used to hold a melodic channel of its own though it never
// sounds, so with the song's nine treble tracks one of five melodic style
// tracks found no channel and stayed silent.
TEST_F(AccompanimentPlaybackTest, AccompanimentTrackHoldsNoChannel) {
    WriteFiveTrackStyle();
    // The accompaniment first, as a new song has it, and added last, as the
    // editor adds it to a song that has tracks already.
    for (const std::string tracks : {"ATTTTTTTTT", "TTTTTTTTTA"}) {
        SCOPED_TRACE(tracks);
        auto song = MakeSong(tracks, 1, 960);
        ASSERT_TRUE(song->HasAccompaniment());
        static_cast<ChordBar*>(song->GetBar(0, 0))->GetBeatBox(0)->SelectText("C", false);
        EXPECT_EQ(engine.TrackChannel(0), -1);
        std::set<int> songChannels;
        for (int slot = 1; slot < song->GetNumTracks(); ++slot) {
            songChannels.insert(engine.TrackChannel(slot));
        }
        EXPECT_EQ(songChannels, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));

        engine.SetStyleName("Five");
        ASSERT_TRUE(PlayToEnd(*song));
        ASSERT_EQ(engine.ErrorCode(), SoundEngine::NoError);
        std::set<int> styleChannels;
        for (const auto& on : recorder.NoteOns()) {
            styleChannels.insert(on.Channel());
        }
        EXPECT_EQ(styleChannels, (std::set<int>{10, 11, 12, 13, 14}))
            << "the style's tracks take the five melodic channels the song leaves";
    }
}

TEST_F(AccompanimentPlaybackTest, AStyleWhoseFileCannotBeReadStopsPlayback) {
    auto song = SongWithChords(1);
    engine.SetStyleName("Gone");
    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(engine.ErrorCode(), SoundEngine::PatternUnreadable);
    EXPECT_EQ(log.Aspects(),
              (std::vector<int>{SoundEngine::ErrorAspect, SoundEngine::BeatAspect,
                                SoundEngine::HighlightAspect, SoundEngine::EndAspect}));
    EXPECT_TRUE(recorder.NoteOns().empty());

    engine.SetStyleName("Test");
    ASSERT_TRUE(PlayToEnd(*song));
    EXPECT_EQ(engine.ErrorCode(), SoundEngine::NoError) << "a later play starts afresh";
    EXPECT_FALSE(recorder.NoteOns().empty());
}

}  // namespace
