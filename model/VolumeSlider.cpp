#include "model/VolumeSlider.h"

#include <algorithm>

#include "playback/SoundEngine.h"

VolumeSlider::VolumeSlider(SelObject* track, int trackNum)
    : SelObject(track, true), m_channel(trackNum) {}

std::unique_ptr<SelObject> VolumeSlider::Clone() const {
    return std::make_unique<VolumeSlider>(*this);
}

SelObject* VolumeSlider::HitTest(int x, int y) {
    const Rect& r = m_rect;
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom ? this : nullptr;
}

void VolumeSlider::SetValue(int value, bool notify) {
    m_value = std::clamp(value, 0, 100);
    if (notify) {
        SoundEngine::Instance().SetTrackVolume(m_channel, m_value);
    }
}

void VolumeSlider::SetChannel(int channel) {
    m_channel = channel;
    SoundEngine::Instance().SetTrackVolume(m_channel, m_value);
}

void VolumeSlider::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt(Archive::TrackElement, "vol", m_value);
    } else if (archive.IsReading()) {
        SetValue(archive.ReadIntOr(Archive::TrackElement, "vol", kDefaultValue),
                 archive.IsLoading());
    }
}
