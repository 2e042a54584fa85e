#pragma once

#include "editor/TransportEngine.h"

// The transport over the program's one SoundEngine. The tempo it sets is
// announced (aspect 2) so every observer shows it.
class SoundEngineTransport : public TransportEngine {
public:
    bool IsActive() const override;
    bool IsPreparing() const override;
    void Play(Song* song) override;
    void Pause() override;
    void Stop() override;
    int StartBar() const override;
    void SetStartBar(int bar) override;
    int CurrentBar() const override;
    int CurrentBeat() const override;
    int Tempo() const override;
    void SetTempo(int bpm) override;
    bool ToggleMetronome() override;
    bool IsMetronomeOn() const override;
};
