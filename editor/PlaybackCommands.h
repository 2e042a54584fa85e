#pragma once

class Song;
class TransportEngine;

// Play and Stop as the score window runs them, from its keys, menu or
// transport panel: what each does to the engine and when each is usable.
class PlaybackCommands {
public:
    enum class PlayStep {
        // Nothing to play.
        None,
        // Music was playing and now pauses.
        Paused,
        // The selection is cleared; the caller opens the "Preparing to play
        // music ..." window, which starts the engine.
        Prepare
    };

    // At least one track to play.
    static bool CanPlay(const Song* song);
    static bool CanStop(const TransportEngine& engine);
    // Pauses while active, else readies a play of the song (clearing the
    // selection with notification, since playback lights notes itself).
    static PlayStep PlayOrPause(TransportEngine& engine, const Song* song);
    // Stops when active; true when it did.
    static bool Stop(TransportEngine& engine);
};
