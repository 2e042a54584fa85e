#pragma once

#include <array>
#include <string>

#include "model/Subject.h"
#include "playback/TrackEntry.h"

namespace midi {
class MidiOutput;
}

// Plays the song through the MIDI output and keeps, for the whole program,
// the tempo, key and time signature and the table of track channels. One
// instance per process (Instance). The channel table is edited on the
// user-interface thread.
class SoundEngine : public Subject {
public:
    static constexpr int kNumTrackEntries = 64;
    static constexpr int kNumChannels = 16;
    static constexpr int kPercussionChannel = 9;
    // Playback's metronome plays here; tracks are never given this channel.
    static constexpr int kMetronomeChannel = 15;

    static SoundEngine& Instance();

    const char* GetClassName() const override { return "SoundEngine"; }

    // Tempo in beats per minute; notify sends aspect 2.
    void SetTempo(int bpm, bool notify);
    int GetTempo() const { return m_tempo; }
    double MsPerStep() const { return m_msPerStep; }
    void SetTimeSignature(int beats, int unit);
    std::array<int, 2> TimeSignature() const { return {m_beats, m_unit}; }
    int StepsPerBar() const { return m_stepsPerBar; }
    int StepsPerBeat() const { return m_stepsPerBeat; }
    void SetKeySignature(int value) { m_keySignature = static_cast<signed char>(value); }
    int KeySignature() const { return m_keySignature; }

    // The accompaniment style that playback and export use; "[N/A]" means none.
    void SetStyleName(const std::string& name) { m_styleName = name; }
    const std::string& GetStyleName() const { return m_styleName; }

    // Every table entry to its reset values and every channel free.
    void ResetChannels();
    // Percussion always gets channel 9 (shared); other tracks the lowest free
    // channel among 0-8 and 10-14, or -1 when none is free.
    int AllocateChannel(bool isPercussion);
    // (Re)assigns the track's channel when needed and sends Program Change.
    void SetTrackProgram(int trackNum, bool isPercussion, int program);
    // Stores the volume and, except on the percussion channel, sends Control Change 7.
    void SetTrackVolume(int trackNum, int volumePercent);
    int TrackChannel(int trackNum) const;
    int TrackVolume(int trackNum) const;
    const TrackEntry* Entry(int trackNum) const;

    static int PercentToMidi(int percent);
    static int MidiToPercent(int value);

    // Where messages go; null sends nothing. Not owned.
    void SetOutput(midi::MidiOutput* output) { m_output = output; }
    midi::MidiOutput* Output() const { return m_output; }

private:
    SoundEngine();
    static bool IsValidTrackNum(int trackNum) {
        return trackNum >= 0 && trackNum < kNumTrackEntries;
    }
    void SendChannelMessage(int status, int channel, int data1, int data2);

    int m_tempo = 60;
    double m_msPerStep = 0.0;
    int m_beats = 4;
    int m_unit = 4;
    int m_stepsPerBar = 96;
    int m_stepsPerBeat = 24;
    signed char m_keySignature = 0;
    std::string m_styleName;
    std::array<TrackEntry, kNumTrackEntries> m_tracks{};
    std::array<bool, kNumChannels> m_channelInUse{};
    midi::MidiOutput* m_output = nullptr;
};
