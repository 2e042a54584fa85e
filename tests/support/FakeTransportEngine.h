#pragma once

#include <vector>

#include "editor/TransportEngine.h"

// A transport without sound for the panel's and the play commands' tests: it
// keeps what it is told and reports the state the test gives it.
class FakeTransportEngine : public TransportEngine {
public:
    enum class Call { Play, Pause, Stop };

    bool IsActive() const override { return active; }
    bool IsPreparing() const override { return preparing; }
    void Play(Song* song) override {
        calls.push_back(Call::Play);
        played = song;
    }
    void Pause() override { calls.push_back(Call::Pause); }
    void Stop() override { calls.push_back(Call::Stop); }
    int StartBar() const override { return startBar; }
    void SetStartBar(int bar) override { startBar = bar; }
    int CurrentBar() const override { return currentBar; }
    int CurrentBeat() const override { return currentBeat; }
    int Tempo() const override { return tempo; }
    void SetTempo(int bpm) override { tempo = bpm; }
    bool ToggleMetronome() override { return metronome = !metronome; }
    bool IsMetronomeOn() const override { return metronome; }

    bool active = false;
    bool preparing = false;
    int startBar = 0;
    int currentBar = 0;
    int currentBeat = 0;
    int tempo = 120;
    bool metronome = false;
    Song* played = nullptr;
    std::vector<Call> calls;
};
