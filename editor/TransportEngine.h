#pragma once

class Song;

// What the transport panel and the play commands ask of the sound engine, so
// their rules run against a stand-in in tests. Bars and beats are 0-based,
// as the engine counts them. Called on the user-interface thread.
class TransportEngine {
public:
    virtual ~TransportEngine() = default;

    // Preparing or playing.
    virtual bool IsActive() const = 0;
    // Started but not yet at the first step.
    virtual bool IsPreparing() const = 0;
    // Starts playing the song (not owned) from the start bar.
    virtual void Play(Song* song) = 0;
    // Ends playback; the next Play starts at the bar that was playing.
    virtual void Pause() = 0;
    // Ends playback; the next Play starts at the first bar.
    virtual void Stop() = 0;

    virtual int StartBar() const = 0;
    virtual void SetStartBar(int bar) = 0;
    virtual int CurrentBar() const = 0;
    virtual int CurrentBeat() const = 0;

    // Beats per minute.
    virtual int Tempo() const = 0;
    virtual void SetTempo(int bpm) = 0;

    // Returns the new state.
    virtual bool ToggleMetronome() = 0;
    virtual bool IsMetronomeOn() const = 0;
};
