#include "playback/midi/FluidSynthBackend.h"

#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <utility>

#include "platform/DiagnosticLog.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/CMIDIOutMemFailure.h"

namespace midi {

namespace {

// FluidSynth reports why something failed only through its log, which is
// process-wide. While a thread opens a synthesizer or sends to one, that
// thread's errors are collected here to become the exception's text;
// FluidSynth logs on the caller's thread, so other threads are not mixed in.
thread_local std::string* t_capturedErrors = nullptr;

void OnFluidSynthLog(int level, const char* message, void* /*data*/) {
    if (message == nullptr) {
        return;
    }
    if (t_capturedErrors != nullptr) {
        if (level <= FLUID_ERR) {
            if (!t_capturedErrors->empty()) {
                t_capturedErrors->append(" ");
            }
            t_capturedErrors->append(message);
        }
        return;
    }
    // Its progress messages mean nothing to a user; its warnings (an
    // instrument the SoundFont lacks) may explain an odd sound.
    if (level <= FLUID_WARN) {
        DiagnosticLog::Write(std::string("FluidSynth: ") + message);
    }
}

void RouteFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
            fluid_set_log_function(level, &OnFluidSynthLog, nullptr);
        }
    });
}

class CapturedErrors {
public:
    CapturedErrors() : m_previous(std::exchange(t_capturedErrors, &m_text)) {}
    ~CapturedErrors() { t_capturedErrors = m_previous; }
    CapturedErrors(const CapturedErrors&) = delete;
    CapturedErrors& operator=(const CapturedErrors&) = delete;

    std::string Take() { return std::exchange(m_text, {}); }

private:
    std::string m_text;
    std::string* m_previous;
};

void CollectOption(void* data, const char* /*name*/, const char* option) {
    static_cast<std::vector<std::string>*>(data)->emplace_back(option);
}

// FluidSynth renders, and looks at its sequencer's queue, in blocks of this
// many frames (FLUID_BUFSIZE, fixed when FluidSynth is built).
constexpr int kBlockFrames = 64;
// Room for a step that is due but fired late, on top of the driver's period.
constexpr double kLateStepMarginMs = 10.0;
// A message that comes too late grows the delay, never beyond this.
constexpr double kMaxLatencyMs = 120.0;

std::string Hex(std::uint8_t byte) {
    std::array<char, 3> text{};
    std::snprintf(text.data(), text.size(), "%02X", byte);
    return text.data();
}

}  // namespace

void FluidSynthBackend::SettingsDeleter::operator()(fluid_settings_t* settings) const {
    delete_fluid_settings(settings);
}

void FluidSynthBackend::SynthDeleter::operator()(fluid_synth_t* synth) const {
    delete_fluid_synth(synth);
}

void FluidSynthBackend::DriverDeleter::operator()(fluid_audio_driver_t* driver) const {
    delete_fluid_audio_driver(driver);
}

void FluidSynthBackend::SequencerDeleter::operator()(fluid_sequencer_t* sequencer) const {
    delete_fluid_sequencer(sequencer);
}

FluidSynthBackend::FluidSynthBackend(const std::string& soundFontPath, Audio audio,
                                     std::vector<std::string> audioDrivers,
                                     const std::vector<Setting>& settings) {
    RouteFluidSynthLog();
    m_settings.reset(new_fluid_settings());
    if (m_settings == nullptr) {
        throw CMIDIOutMemFailure();
    }
    // Pinning a 140 MB SoundFont in RAM needs a memory-lock limit desktops do
    // not grant, and FluidSynth would warn about it on every open.
    fluid_settings_setint(m_settings.get(), "synth.lock-memory", 0);
    for (const Setting& setting : settings) {
        Apply(setting);
    }
    {
        CapturedErrors errors;
        m_synth.reset(new_fluid_synth(m_settings.get()));
        if (m_synth == nullptr) {
            throw CMIDIOutException("FluidSynth could not start a synthesizer. " + errors.Take());
        }
    }
    // Before the audio starts, so that the sequencer counts time from the
    // synthesizer's first frame.
    StartSequencer();
    if (audio == Audio::System) {
        StartAudio(std::move(audioDrivers));
    }
    LoadSoundFont(soundFontPath);
}

FluidSynthBackend::~FluidSynthBackend() = default;

void FluidSynthBackend::Apply(const Setting& setting) {
    fluid_settings_t* settings = m_settings.get();
    const char* name = setting.first.c_str();
    const std::string& value = setting.second;
    int result = FLUID_FAILED;
    try {
        switch (fluid_settings_get_type(settings, name)) {
            case FLUID_INT_TYPE:
                result = fluid_settings_setint(settings, name, std::stoi(value));
                break;
            case FLUID_NUM_TYPE:
                result = fluid_settings_setnum(settings, name, std::stod(value));
                break;
            case FLUID_STR_TYPE:
                result = fluid_settings_setstr(settings, name, value.c_str());
                break;
            default:
                break;
        }
    } catch (const std::logic_error&) {
        result = FLUID_FAILED;
    }
    if (result != FLUID_OK) {
        throw CMIDIOutException("The built-in synthesizer has no setting " + setting.first +
                                " that takes the value " + value + ".");
    }
}

void FluidSynthBackend::StartSequencer() {
    fluid_settings_getnum(m_settings.get(), "synth.sample-rate", &m_sampleRate);
    int periodFrames = kBlockFrames;
    fluid_settings_getint(m_settings.get(), "audio.period-size", &periodFrames);
    m_latencyMs = 1000.0 * periodFrames / m_sampleRate + kLateStepMarginMs;
    // Driven by the synthesizer's own frames, not by the system clock.
    m_sequencer.reset(new_fluid_sequencer2(0));
    if (m_sequencer == nullptr) {
        throw CMIDIOutMemFailure();
    }
    m_synthClient = fluid_sequencer_register_fluidsynth(m_sequencer.get(), m_synth.get());
    m_started = SendTime::Clock::now();
    if (m_synthClient == FLUID_FAILED) {
        throw CMIDIOutException("The built-in synthesizer could not start its sequencer.");
    }
}

void FluidSynthBackend::StartAudio(std::vector<std::string> audioDrivers) {
    if (audioDrivers.empty()) {
        audioDrivers = DefaultAudioDrivers();
    }
    std::string reasons;
    for (const std::string& driver : audioDrivers) {
        fluid_settings_setstr(m_settings.get(), "audio.driver", driver.c_str());
        CapturedErrors errors;
        m_driver.reset(new_fluid_audio_driver(m_settings.get(), m_synth.get()));
        if (m_driver != nullptr) {
            m_audioDriver = driver;
            return;
        }
        reasons += (reasons.empty() ? "" : " ") + driver + ": " + errors.Take();
    }
    if (audioDrivers.empty()) {
        reasons = "this FluidSynth has no PipeWire, PulseAudio or ALSA driver.";
    }
    throw CMIDIOutException("The built-in synthesizer found no sound output. " + reasons);
}

void FluidSynthBackend::LoadSoundFont(const std::string& path) {
    CapturedErrors errors;
    if (fluid_synth_sfload(m_synth.get(), path.c_str(), 1) == FLUID_FAILED) {
        throw CMIDIOutException("The built-in synthesizer could not load the SoundFont " + path +
                                ". " + errors.Take());
    }
}

void FluidSynthBackend::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                                  int /*bytesOnWire*/) {
    const SendTime* at = SendTime::Current();
    if (at == nullptr || !Schedule(status, data1, data2, *at)) {
        SendNow(status, data1, data2);
    }
}

bool FluidSynthBackend::Schedule(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                                 const SendTime& at) {
    std::unique_ptr<fluid_event_t, void (*)(fluid_event_t*)> event(new_fluid_event(),
                                                                   &delete_fluid_event);
    if (event == nullptr) {
        return false;
    }
    fluid_event_set_source(event.get(), -1);
    fluid_event_set_dest(event.get(), m_synthClient);
    const int channel = status & 0x0F;
    switch (status & 0xF0) {
        case 0x80:
            fluid_event_noteoff(event.get(), channel, data1);
            break;
        case 0x90:
            fluid_event_noteon(event.get(), channel, data1, data2);
            break;
        case 0xB0:
            fluid_event_control_change(event.get(), channel, data1, data2);
            break;
        case 0xC0:
            fluid_event_program_change(event.get(), channel, data1);
            break;
        case 0xE0:
            fluid_event_pitch_bend(event.get(), channel, data1 | data2 << 7);
            break;
        default:
            return false;
    }
    const double nowTick = ObserveRenderLead();
    if (!m_anchored || at.Origin() != m_anchorOrigin) {
        // Each moment of this playback keeps its distance from the origin,
        // one delay after the furthest the audio has been rendered ahead.
        m_anchorOrigin = at.Origin();
        m_anchorMs = MsSinceStart(at.Origin()) + m_renderLeadMs + m_latencyMs;
        m_anchored = true;
    }
    const unsigned int tick =
        BlockTick(m_anchorMs + MsSinceStart(at.Due()) - MsSinceStart(at.Origin()));
    if (tick <= nowTick) {
        // The audio is already past it (a step fired very late, or a driver
        // that renders further ahead than its period): it sounds at once.
        // Moving the rest of this playback would put every later note off
        // the grid, so only the next playback waits longer.
        m_latencyMs = std::min(
            kMaxLatencyMs, m_latencyMs + (nowTick - tick) + 1000.0 * kBlockFrames / m_sampleRate);
    }
    return fluid_sequencer_send_at(m_sequencer.get(), event.get(), tick, 1) == FLUID_OK;
}

double FluidSynthBackend::MsSinceStart(SendTime::Clock::time_point moment) const {
    return std::chrono::duration<double, std::milli>(moment - m_started).count();
}

double FluidSynthBackend::ObserveRenderLead() {
    const auto now = SendTime::Clock::now();
    const auto nowTick = static_cast<double>(fluid_sequencer_get_tick(m_sequencer.get()));
    const double sinceStart = MsSinceStart(now);
    const double lead = nowTick - sinceStart;
    if (lead > m_renderLeadMs) {
        m_renderLeadMs = lead;
    } else {
        // A sound card's clock may run a little slower than the computer's:
        // let the lead follow it down at up to 100 ppm.
        m_renderLeadMs -= std::min(m_renderLeadMs - lead, 1e-4 * (sinceStart - m_observedMs));
    }
    m_observedMs = sinceStart;
    return nowTick;
}

unsigned int FluidSynthBackend::BlockTick(double audioMs) const {
    const double block = std::round(audioMs * m_sampleRate / 1000.0 / kBlockFrames);
    // The same sum FluidSynth makes for the block's start, truncated alike.
    return static_cast<unsigned int>(
        static_cast<long>(1000.0 * (std::max(block, 0.0) * kBlockFrames) / m_sampleRate));
}

void FluidSynthBackend::DropScheduled() {
    fluid_sequencer_remove_events(m_sequencer.get(), -1, m_synthClient, -1);
    // The notes the queue would have ended: all of them on every channel,
    // now, so nothing is left sounding whatever was dropped.
    fluid_synth_all_notes_off(m_synth.get(), -1);
    m_anchored = false;
}

void FluidSynthBackend::SendNow(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    ObserveRenderLead();
    fluid_synth_t* synth = m_synth.get();
    const int channel = status & 0x0F;
    CapturedErrors errors;
    int result = FLUID_OK;
    switch (status & 0xF0) {
        case 0x80:
            // FluidSynth answers a note-off for a note that has already died
            // away with a failure; for the sender it is no error.
            fluid_synth_noteoff(synth, channel, data1);
            break;
        case 0x90:
            result = fluid_synth_noteon(synth, channel, data1, data2);
            break;
        case 0xA0:
            result = fluid_synth_key_pressure(synth, channel, data1, data2);
            break;
        case 0xB0:
            result = fluid_synth_cc(synth, channel, data1, data2);
            break;
        case 0xC0:
            result = fluid_synth_program_change(synth, channel, data1);
            break;
        case 0xD0:
            result = fluid_synth_channel_pressure(synth, channel, data1);
            break;
        case 0xE0:
            result = fluid_synth_pitch_bend(synth, channel, data1 | data2 << 7);
            break;
        default:
            if (status == 0xFF) {
                result = fluid_synth_system_reset(synth);
            }
            break;
    }
    if (result == FLUID_FAILED) {
        const std::string reason = errors.Take();
        throw CMIDIOutException("The built-in synthesizer refused the message " + Hex(status) +
                                " " + Hex(data1) + " " + Hex(data2) + "." +
                                (reason.empty() ? "" : " " + reason));
    }
}

void FluidSynthBackend::SendLong(const std::uint8_t* data, std::size_t length) {
    // FluidSynth takes the bytes between F0 and F7.
    CapturedErrors errors;
    const int result =
        fluid_synth_sysex(m_synth.get(), reinterpret_cast<const char*>(data + 1),
                          static_cast<int>(length - 2), nullptr, nullptr, nullptr, 0);
    if (result == FLUID_FAILED) {
        throw CMIDIOutException("The built-in synthesizer refused a system-exclusive message. " +
                                errors.Take());
    }
}

bool FluidSynthBackend::Render(std::span<float> left, std::span<float> right) {
    if (m_driver != nullptr) {
        return false;
    }
    const auto frames = static_cast<int>(std::min(left.size(), right.size()));
    return fluid_synth_write_float(m_synth.get(), frames, left.data(), 0, 1, right.data(), 0, 1) ==
           FLUID_OK;
}

int FluidSynthBackend::SampleRate() const {
    double rate = 0.0;
    fluid_settings_getnum(m_settings.get(), "synth.sample-rate", &rate);
    return static_cast<int>(rate);
}

int FluidSynthBackend::ChannelProgram(int channel) const {
    fluid_preset_t* preset = fluid_synth_get_channel_preset(m_synth.get(), channel);
    return preset != nullptr ? fluid_preset_get_num(preset) : -1;
}

int FluidSynthBackend::ChannelBank(int channel) const {
    fluid_preset_t* preset = fluid_synth_get_channel_preset(m_synth.get(), channel);
    return preset != nullptr ? fluid_preset_get_banknum(preset) : -1;
}

std::vector<std::string> FluidSynthBackend::DefaultAudioDrivers() {
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    if (settings == nullptr) {
        throw CMIDIOutMemFailure();
    }
    std::vector<std::string> available;
    fluid_settings_foreach_option(settings.get(), "audio.driver", &available, &CollectOption);
    std::vector<std::string> drivers;
    for (const char* preferred : {"pipewire", "pulseaudio", "alsa"}) {
        if (std::find(available.begin(), available.end(), preferred) != available.end()) {
            drivers.emplace_back(preferred);
        }
    }
    return drivers;
}

std::optional<std::string> FluidSynthBackend::FindSoundFont(const std::string& folder) {
    for (const char* name : {"FluidR3_GM.sf2", "TimGM6mb.sf2", "default-GM.sf2"}) {
        const std::filesystem::path path = std::filesystem::path(folder) / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            return path.string();
        }
    }
    return std::nullopt;
}

std::string FluidSynthBackend::DisplayName(const std::string& soundFontPath) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::canonical(soundFontPath, error);
    if (error) {
        path = soundFontPath;
    }
    return "Built-in synthesizer (" + path.stem().string() + ")";
}

}  // namespace midi
