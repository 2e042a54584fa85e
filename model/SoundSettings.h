#pragma once

#include <string>

// What the model and the file writers need of the sound settings that
// playback uses: the tempo, key and time signature, the accompaniment style,
// and each track's program, volume and channel. The sound engine implements
// it and is installed at start-up; until then plain settings are used that
// keep the tempo, key, time signature and style and give no track a channel,
// so the model and the exporters work on their own.
//
// Threads: the user-interface thread's (GetTempo may be read from any).
class SoundSettings {
public:
    static constexpr int kNumTrackEntries = 64;
    static constexpr int kNumChannels = 16;
    static constexpr int kPercussionChannel = 9;
    // Playback's metronome plays here; tracks are never given this channel.
    static constexpr int kMetronomeChannel = 15;

    virtual ~SoundSettings() = default;

    // Beats per minute; notify tells the engine's observers.
    virtual void SetTempo(int bpm, bool notify) = 0;
    virtual int GetTempo() const = 0;
    virtual void SetTimeSignature(int beats, int unit) = 0;
    // Sharps positive, flats negative.
    virtual void SetKeySignature(int value) = 0;
    // The style the accompaniment is built from; "[N/A]" means none.
    virtual void SetStyleName(const std::string& name) = 0;
    virtual const std::string& GetStyleName() const = 0;

    // Frees every channel and forgets every track's program and volume.
    virtual void ResetChannels() = 0;
    // Gives the track a channel when it needs one and makes the program its
    // instrument (for percussion: the drum key it auditions with).
    virtual void SetTrackProgram(int trackNum, bool isPercussion, int program) = 0;
    // The track's volume, 0 to 100 percent.
    virtual void SetTrackVolume(int trackNum, int volumePercent) = 0;
    // The track's channel, or -1 when it has none.
    virtual int TrackChannel(int trackNum) const = 0;

    // Volume percent to a MIDI controller value and back.
    static constexpr int PercentToMidi(int percent) {
        return (percent < 0 ? 0 : percent > 100 ? 100 : percent) * 127 / 100;
    }
    static constexpr int MidiToPercent(int value) {
        return (value < 0 ? 0 : value > 127 ? 127 : value) * 100 / 127;
    }

    static SoundSettings& Instance();
    // Installs the settings (not owned), or the plain ones again with null.
    static void SetInstance(SoundSettings* settings);
};
