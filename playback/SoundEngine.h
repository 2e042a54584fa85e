#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/Subject.h"
#include "playback/TrackEntry.h"
#include "playback/midi/CMIDIOutDevice.h"

// Plays the song through the MIDI output device it owns and keeps, for the
// whole program, the tempo, key and time signature and the table of track
// channels. One instance per process (Instance). The channel table and the
// choice of device are changed on the user-interface thread.
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

    // Program Change for every track that has a channel (0 on the percussion
    // channel), so that a freshly opened device plays the right instruments.
    void SendAllPrograms();

    // The names of the devices the user can choose, in id order; empty when
    // the computer offers none.
    std::vector<std::string> DeviceNames() const;
    // Opens the device with this id in place of the open one and, when
    // sendPrograms, sends every track's program to it. Nothing happens when
    // that device is already open. A device that will not open is reported to
    // the diagnostic log and otherwise ignored: the device open before stays
    // in use, and with none open playback runs silently.
    void OpenDevice(int id, bool sendPrograms);
    void CloseDevice();
    bool IsDeviceOpen() const { return m_device.IsOpen(); }
    // -1 when no device is open.
    int OpenDeviceId() const { return m_device.DeviceId(); }
    // Plays middle C for kTestNoteMs on the device with this id so the user
    // can hear it, then returns to the device open before (or to none).
    // Blocks the caller for that long.
    void TestDevice(int id);
    static constexpr int kTestNoteMs = 400;

    // Where the devices come from (null: the computer's own); closes the
    // open device.
    void SetDeviceDirectory(std::shared_ptr<const midi::DeviceDirectory> directory);

    // Sends channel messages to output instead of the device until called
    // with null, which goes back to the device. Not owned.
    void SetOutput(midi::MidiOutput* output) { m_output = output != nullptr ? output : &m_device; }
    midi::MidiOutput* Output() const { return m_output; }

private:
    SoundEngine();
    ~SoundEngine() override;
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
    midi::CMIDIOutDevice m_device;
    midi::MidiOutput* m_output = &m_device;
};
