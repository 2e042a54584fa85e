#pragma once

#include <fluidsynth/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "playback/midi/OutputBackend.h"
#include "playback/midi/SendTime.h"

namespace midi {

// The built-in General MIDI synthesizer: FluidSynth playing a SoundFont,
// either through the computer's audio system (PipeWire, PulseAudio or ALSA,
// the first that opens; never JACK, whose client may try to start a server)
// or into memory for whoever calls Render. Only supports the 16 channels of
// one MIDI port; system messages other than reset and system-exclusive data
// FluidSynth understands (GM/GS/XG resets, tuning) are ignored.
//
// A message sent under a SendTime sounds at the audio frame of its due time
// (to FluidSynth's 64-frame block, a little under 1.5 ms) plus one fixed
// delay for the whole playback: the driver's period and a margin for a late
// step, grown for the next playback when a message still comes too late.
// Other messages sound at the next block.
class FluidSynthBackend : public OutputBackend {
public:
    enum class Audio { System, Memory };
    // A FluidSynth setting by name and value as text ("audio.period-size",
    // "1024"), converted to the setting's own type.
    using Setting = std::pair<std::string, std::string>;

    static constexpr const char* kSoundFontFolder = "/usr/share/sounds/sf2";

    // Starts the synthesizer with the SoundFont. With Audio::System it plays
    // through the first of audioDrivers that opens (empty: the usual desktop
    // ones this FluidSynth has); settings are applied before anything
    // starts (a driver's period size, the file driver's file name). Throws
    // CMIDIOutException carrying FluidSynth's reasons when a setting is
    // unknown, no driver opens or the SoundFont will not load; the audio
    // system is tried first so that a machine without sound learns it
    // without waiting for a large SoundFont to load.
    FluidSynthBackend(const std::string& soundFontPath, Audio audio,
                      std::vector<std::string> audioDrivers = {},
                      const std::vector<Setting>& settings = {});
    ~FluidSynthBackend() override;
    FluidSynthBackend(const FluidSynthBackend&) = delete;
    FluidSynthBackend& operator=(const FluidSynthBackend&) = delete;

    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                   int bytesOnWire) override;
    void SendLong(const std::uint8_t* data, std::size_t length) override;
    void DropScheduled() override;

    // Renders the next min(left.size(), right.size()) frames into memory.
    // Returns false and renders nothing when the synthesizer plays through
    // the audio system, whose driver does the rendering.
    bool Render(std::span<float> left, std::span<float> right);
    int SampleRate() const;
    // The program (0-127) and bank of the instrument the channel plays, -1
    // when it has none.
    int ChannelProgram(int channel) const;
    int ChannelBank(int channel) const;
    // The delay of scheduled messages, in milliseconds.
    double LatencyMs() const { return m_latencyMs; }
    // The audio driver that opened, empty in memory.
    const std::string& AudioDriver() const { return m_audioDriver; }

    // The desktop's usual drivers, best first, that this FluidSynth was built with.
    static std::vector<std::string> DefaultAudioDrivers();
    // The best General MIDI SoundFont in the folder (FluidR3_GM, then
    // TimGM6mb, then whatever default-GM points to), or nothing.
    static std::optional<std::string> FindSoundFont(const std::string& folder = kSoundFontFolder);
    // "Built-in synthesizer (FluidR3_GM)": the name of the SoundFont file a
    // link points to, without folder and extension.
    static std::string DisplayName(const std::string& soundFontPath);

private:
    struct SettingsDeleter {
        void operator()(fluid_settings_t* settings) const;
    };
    struct SynthDeleter {
        void operator()(fluid_synth_t* synth) const;
    };
    struct DriverDeleter {
        void operator()(fluid_audio_driver_t* driver) const;
    };
    struct SequencerDeleter {
        void operator()(fluid_sequencer_t* sequencer) const;
    };

    void Apply(const Setting& setting);
    void StartSequencer();
    void StartAudio(std::vector<std::string> audioDrivers);
    // Sends the message at its due time; false when it is not one the
    // sequencer carries.
    bool Schedule(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, const SendTime& at);
    // The sequencer's millisecond tick of the 64-frame block nearest the
    // moment (milliseconds of audio since the synthesizer started): the
    // sequencer looks at its queue once per block, at the block's whole
    // millisecond, so this tick makes the message sound from that block.
    unsigned int BlockTick(double audioMs) const;
    double MsSinceStart(SendTime::Clock::time_point moment) const;
    // Notes how far the audio rendered so far runs ahead of the time since
    // the synthesizer started; returns the sequencer's tick.
    double ObserveRenderLead();
    void SendNow(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    void LoadSoundFont(const std::string& path);
    // Throws CMIDIOutException describing the message when FluidSynth refused it.
    void Check(int result, std::uint8_t status, std::uint8_t data1, std::uint8_t data2) const;

    // Declared in this order so that the driver stops before the sequencer
    // and the synthesizer it drives go, and the synthesizer before its
    // settings.
    std::unique_ptr<fluid_settings_t, SettingsDeleter> m_settings;
    std::unique_ptr<fluid_synth_t, SynthDeleter> m_synth;
    std::unique_ptr<fluid_sequencer_t, SequencerDeleter> m_sequencer;
    std::unique_ptr<fluid_audio_driver_t, DriverDeleter> m_driver;
    std::string m_audioDriver;
    short m_synthClient = -1;
    double m_sampleRate = 44100.0;
    double m_latencyMs = 0.0;
    SendTime::Clock::time_point m_started{};
    // The furthest the audio has been rendered ahead of the time since
    // m_started, in milliseconds; it follows a slower sound card down.
    double m_renderLeadMs = -1e9;
    double m_observedMs = 0.0;
    // The playback the delay was fixed for, and the sequencer's time that
    // its origin maps to (delay included).
    SendTime::Clock::time_point m_anchorOrigin{};
    double m_anchorMs = 0.0;
    bool m_anchored = false;
};

}  // namespace midi
