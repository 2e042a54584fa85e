#include "model/SoundSettings.h"

#include <atomic>

namespace {

class PlainSoundSettings : public SoundSettings {
public:
    void SetTempo(int bpm, bool /*notify*/) override { m_tempo.store(bpm); }
    int GetTempo() const override { return m_tempo.load(); }
    void SetTimeSignature(int /*beats*/, int /*unit*/) override {}
    void SetKeySignature(int /*value*/) override {}
    void SetStyleName(const std::string& name) override { m_style = name; }
    const std::string& GetStyleName() const override { return m_style; }
    void ResetChannels() override {}
    void SetTrackProgram(int /*trackNum*/, bool /*isPercussion*/, int /*program*/) override {}
    void SetTrackVolume(int /*trackNum*/, int /*volumePercent*/) override {}
    int TrackChannel(int /*trackNum*/) const override { return -1; }

private:
    std::atomic<int> m_tempo{60};
    std::string m_style;
};

PlainSoundSettings s_plain;
std::atomic<SoundSettings*> s_instance{nullptr};

}  // namespace

SoundSettings& SoundSettings::Instance() {
    SoundSettings* installed = s_instance.load(std::memory_order_acquire);
    return installed != nullptr ? *installed : s_plain;
}

void SoundSettings::SetInstance(SoundSettings* settings) {
    s_instance.store(settings, std::memory_order_release);
}
