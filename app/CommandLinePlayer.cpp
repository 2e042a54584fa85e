#include "app/CommandLinePlayer.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <deque>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <utility>

#include "editor/ToolsManager.h"
#include "files/SongFiles.h"
#include "model/Observer.h"
#include "model/Song.h"
#include "platform/AutoResetEvent.h"
#include "platform/Exception.h"
#include "platform/FixedPrompt.h"
#include "platform/Settings.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/SoundEngine.h"

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
    g_interrupted = 1;
}

// Catches Ctrl+C and termination requests for as long as it lives, so that
// playback can be stopped properly instead of the process dying with notes
// held on the synthesizer.
class InterruptCatcher {
public:
    InterruptCatcher() {
        g_interrupted = 0;
        struct sigaction action {};
        action.sa_handler = &OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &m_previousInt);
        sigaction(SIGTERM, &action, &m_previousTerm);
    }
    ~InterruptCatcher() {
        sigaction(SIGINT, &m_previousInt, nullptr);
        sigaction(SIGTERM, &m_previousTerm, nullptr);
    }
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    static bool Interrupted() { return g_interrupted != 0; }

private:
    struct sigaction m_previousInt {};
    struct sigaction m_previousTerm {};
};

// Hears the engine on its playback thread and only takes notes there; the
// terminal is written from the caller's thread, which a slow terminal may
// hold up without holding up the music.
class BeatListener : public Observer {
public:
    struct Position {
        int bar;
        int beat;
    };

    void Update(Subject* subject, int aspect) override {
        const auto& engine = static_cast<const SoundEngine&>(*subject);
        if (aspect == SoundEngine::BeatAspect && !engine.IsEnding()) {
            std::lock_guard lock(m_mutex);
            m_positions.push_back({engine.CurrentBar(), engine.MainBeat()});
        }
        if (aspect == SoundEngine::EndAspect) {
            m_ended.store(true);
        }
        m_wake.Set();
    }

    // Waits a little for news; answers the positions heard since last time.
    std::deque<Position> Take(std::chrono::milliseconds wait) {
        m_wake.WaitFor(wait);
        std::lock_guard lock(m_mutex);
        return std::exchange(m_positions, {});
    }

    bool Ended() const { return m_ended.load(); }

private:
    std::mutex m_mutex;
    std::deque<Position> m_positions;
    std::atomic<bool> m_ended{false};
    AutoResetEvent m_wake;
};

// Attaches the listener for its lifetime.
class Listening {
public:
    Listening(SoundEngine& engine, BeatListener& listener)
        : m_engine(engine), m_listener(listener) {
        for (const int aspect : kAspects) {
            m_engine.Attach(&m_listener, aspect);
        }
    }
    ~Listening() {
        for (const int aspect : kAspects) {
            m_engine.Detach(&m_listener, aspect);
        }
    }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

private:
    static constexpr int kAspects[] = {SoundEngine::BeatAspect, SoundEngine::ErrorAspect,
                                       SoundEngine::EndAspect};
    SoundEngine& m_engine;
    BeatListener& m_listener;
};

// The synthesizer's voices fade for a moment after their Note Off; closing
// it at once would cut the last notes off.
constexpr auto kFadeOut = std::chrono::milliseconds(300);
constexpr auto kPoll = std::chrono::milliseconds(50);

void OpenConfiguredDevice(SoundEngine& engine, std::ostream& errors) {
    if (engine.DeviceNames().empty()) {
        errors << StringTable::Get(ids::kNoMidiOutput) << "\n";
        return;
    }
    engine.OpenDevice(Settings::Instance().GetOutDevId(), true);
}

}  // namespace

int CommandLinePlayer::Run(const CommandLine& line, std::ostream& out, std::ostream& errors) {
    std::unique_ptr<Song> song;
    try {
        FixedPrompt prompt(line.force ? Prompt::Yes : Prompt::No);
        song = SongFiles::Load(line.input, &prompt);
    } catch (const Exception& e) {
        errors << e.what() << "\n";
        return 1;
    }
    SoundEngine& engine = SoundEngine::Instance();
    song->ApplyTrackSoundSettings();
    if (engine.IsMetronomeOn() != line.metronome) {
        engine.ToggleMetronome();
    }
    OpenConfiguredDevice(engine, errors);
    engine.Rewind();

    BeatListener listener;
    bool stopping = false;
    {
        Listening listening(engine, listener);
        InterruptCatcher catcher;
        engine.Play(song.get());
        while (!listener.Ended()) {
            for (const BeatListener::Position& position : listener.Take(kPoll)) {
                out << "Bar " << position.bar + 1 << ", beat " << position.beat + 1 << "\n";
            }
            out.flush();
            // Highlighted notes hand their areas over for repainting; a
            // terminal has no score to repaint, so they would only pile up.
            ToolsManager::Instance().ClearDirtyRects();
            if (InterruptCatcher::Interrupted() && !stopping) {
                engine.Stop();
                stopping = true;
            }
        }
        engine.WaitUntilStopped();
    }
    const int error = engine.ErrorCode();
    if (error != SoundEngine::NoError) {
        errors << SoundEngine::ErrorText(error) << "\n";
    }
    if (engine.IsDeviceOpen()) {
        std::this_thread::sleep_for(kFadeOut);
    }
    engine.CloseDevice();
    if (stopping) {
        return kInterruptedExit;
    }
    return error != SoundEngine::NoError ? 1 : 0;
}
