#include "editor/SoundEngineTransport.h"

#include "playback/SoundEngine.h"

namespace {

SoundEngine& Engine() {
    return SoundEngine::Instance();
}

}  // namespace

bool SoundEngineTransport::IsActive() const {
    return Engine().IsActive();
}

bool SoundEngineTransport::IsPreparing() const {
    return Engine().IsPreparing();
}

void SoundEngineTransport::Play(Song* song) {
    Engine().Play(song);
}

void SoundEngineTransport::Pause() {
    Engine().Pause();
}

void SoundEngineTransport::Stop() {
    Engine().Stop();
}

int SoundEngineTransport::StartBar() const {
    return Engine().StartBar();
}

void SoundEngineTransport::SetStartBar(int bar) {
    Engine().SetStartBar(bar);
}

int SoundEngineTransport::CurrentBar() const {
    return Engine().CurrentBar();
}

int SoundEngineTransport::CurrentBeat() const {
    return Engine().MainBeat();
}

int SoundEngineTransport::Tempo() const {
    return Engine().GetTempo();
}

void SoundEngineTransport::SetTempo(int bpm) {
    Engine().SetTempo(bpm, true);
}

bool SoundEngineTransport::ToggleMetronome() {
    return Engine().ToggleMetronome();
}

bool SoundEngineTransport::IsMetronomeOn() const {
    return Engine().IsMetronomeOn();
}
