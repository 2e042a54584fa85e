#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "model/NoteBar.h"
#include "model/Observer.h"
#include "model/Song.h"
#include "playback/SoundEngine.h"
#include "support/EngineReset.h"

// Songs and a fixture for the playback tests: the engine sends to a recorder,
// and every test leaves it stopped with nothing sounding.
namespace playback_test {

// A song of the time signature with the tracks given as "T" treble, "B"
// bass, "P" percussion, "A" accompaniment; the engine is told the time
// signature, as loading a song does.
inline std::unique_ptr<Song> MakeSong(const std::string& tracks, int numBars, int tempo,
                                      int numerator = 4, int denominator = 4) {
    auto song = std::make_unique<Song>("t", "a", numBars, tempo,
                                       Song::TimeSignature{numerator, denominator}, 0);
    for (const char kind : tracks) {
        switch (kind) {
            case 'T':
                song->AddTrebleTrack();
                break;
            case 'B':
                song->AddBassTrack();
                break;
            case 'P':
                song->AddPercussionTrack();
                break;
            case 'A':
                song->AddAccompanimentTrack();
                break;
            default:
                ADD_FAILURE() << "unknown track kind " << kind;
        }
    }
    SoundEngine::Instance().SetTimeSignature(numerator, denominator);
    return song;
}

inline NoteBar& BarOf(Song& song, int track, int bar) {
    return dynamic_cast<NoteBar&>(*song.GetBar(track, bar));
}

// Writes a note given as "C5", "F#5", "Bb4" or "S" (a rest); fails the test
// when the bar refuses it.
inline Note* Put(Song& song, int track, int bar, int step, const std::string& pitch, int value,
                 bool dotted = false) {
    const char letter = pitch.at(0);
    size_t at = 1;
    int accidental = Note::NoAccidental;
    if (at < pitch.size() && (pitch[at] == '#' || pitch[at] == 'b')) {
        accidental = pitch[at] == '#' ? Note::Sharp : Note::Flat;
        ++at;
    }
    const int octave = at < pitch.size() ? std::stoi(pitch.substr(at)) : 5;
    Note* note =
        BarOf(song, track, bar).InsertNote(step, letter, octave, accidental, value, dotted, false);
    EXPECT_NE(note, nullptr) << "could not write " << pitch << " at bar " << bar << " step "
                             << step;
    return note;
}

// Fills every bar of the track with notes of the value, walking up a scale.
inline void FillWithNotes(Song& song, int track, int value, int firstKeyOctave = 5) {
    static const char kLetters[] = "CDEFGAB";
    const int length = 96 / value;
    int n = 0;
    for (int bar = 0; bar < song.GetNumBars(); ++bar) {
        for (int step = 0; step + length <= song.GetNumOfStepsPerBar(); step += length) {
            // Not letter + octave: GCC 12 warns of a (false) overlapping copy
            // in that string concatenation in optimised builds.
            std::string pitch = std::to_string(firstKeyOctave + (n / 7) % 2);
            pitch.insert(pitch.begin(), kLetters[n % 7]);
            Put(song, track, bar, step, pitch, value);
            ++n;
        }
    }
}

// Records the engine's notifications from any thread and lets a test wait
// for one.
class AspectLog : public Observer {
public:
    struct Entry {
        int aspect;
        int state;
        int currentBar;
        int mainBeat;
        int beat;
        bool ending;
    };

    void Update(Subject* subject, int aspect) override {
        auto& engine = static_cast<SoundEngine&>(*subject);
        std::lock_guard lock(m_mutex);
        m_entries.push_back({aspect, engine.State(), engine.CurrentBar(), engine.MainBeat(),
                             engine.Beat(), engine.IsEnding()});
        m_changed.notify_all();
    }

    // Waits until the aspect has been heard count times in all.
    bool WaitFor(int aspect, int count = 1,
                 std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return CountLocked(aspect) >= count; });
    }

    int Count(int aspect) const {
        std::lock_guard lock(m_mutex);
        return CountLocked(aspect);
    }

    std::vector<Entry> Entries() const {
        std::lock_guard lock(m_mutex);
        return m_entries;
    }

    std::vector<int> Aspects() const {
        std::vector<int> aspects;
        for (const Entry& entry : Entries()) {
            aspects.push_back(entry.aspect);
        }
        return aspects;
    }

    void Clear() {
        std::lock_guard lock(m_mutex);
        m_entries.clear();
    }

private:
    int CountLocked(int aspect) const {
        int n = 0;
        for (const Entry& entry : m_entries) {
            n += entry.aspect == aspect ? 1 : 0;
        }
        return n;
    }

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Entry> m_entries;
};

// The engine sends to a recorder and is heard by an aspect log; whatever a
// test leaves playing is stopped, and the engine is back to its start.
class PlaybackFixture : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        engine.SetOutput(&recorder);
        SetMetronome(false);
        engine.Rewind();
        engine.SetStyleName("");
        engine.SetLeadIn(kTestLeadInMs);
        for (int aspect = 0; aspect <= SoundEngine::EndAspect; ++aspect) {
            engine.Attach(&log, aspect);
        }
    }
    void TearDown() override {
        engine.Stop();
        engine.WaitUntilStopped();
        for (int aspect = 0; aspect <= SoundEngine::EndAspect; ++aspect) {
            engine.Detach(&log, aspect);
        }
        SetMetronome(false);
        engine.Rewind();
        engine.SetLeadIn(SoundEngine::kDefaultLeadInMs);
        EngineReset::TearDown();
    }

    void SetMetronome(bool on) {
        if (engine.IsMetronomeOn() != on) {
            engine.ToggleMetronome();
        }
    }

    // Plays the song and waits until playback has ended; what the song's
    // making sent and notified is forgotten first.
    ::testing::AssertionResult PlayToEnd(Song& song) {
        recorder.Clear();
        log.Clear();
        const int ends = 0;
        engine.Play(&song);
        if (!log.WaitFor(SoundEngine::EndAspect, ends + 1)) {
            return ::testing::AssertionFailure() << "playback did not end";
        }
        engine.WaitUntilStopped();
        return ::testing::AssertionSuccess();
    }

    // Short, so that tests play many times quickly; long enough that the
    // first step still has to be waited for.
    static constexpr int kTestLeadInMs = 20;

    SoundEngine& engine = SoundEngine::Instance();
    MessageRecorder recorder;
    AspectLog log;
};

}  // namespace playback_test
