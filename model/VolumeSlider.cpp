#include "model/VolumeSlider.h"

#include <algorithm>
#include <string>

#include "editor/DrawResources.h"
#include "editor/ToolsManager.h"
#include "playback/SoundEngine.h"

namespace {
// The groove leaves room on the left for the speaker icon.
constexpr int kGrooveLeft = 40;
constexpr int kGrooveInset = 10;
constexpr int kPenWidth = 2;
constexpr Color kActiveOutline{0, 0, 255};
constexpr Color kGrooveOutline{230, 230, 230};
constexpr Color kGrooveFill{255, 255, 255};
constexpr Color kFillOutline{215, 187, 187};
constexpr Color kActiveFill{220, 210, 255};
constexpr Color kFill{240, 230, 230};
// The percentage stands right of the fill's end for low values and left of
// it for high ones, so it never leaves the groove.
constexpr int kLabelRightOfFill = 25;
constexpr int kLabelLeftOfFill = 60;
constexpr int kLabelRaise = 3;
constexpr int kLabelHaloReach = 3;
constexpr Color kLabelHalo{255, 255, 255};
constexpr Color kLabelColor{0, 0, 200};
constexpr PenSpec kIconPen{{200, 200, 200}, kPenWidth};
constexpr int kIconLines = 5;
constexpr int kIconLeft = 10;
constexpr int kIconSpacing = 4;
constexpr int kIconStep = 2;
}  // namespace

VolumeSlider::VolumeSlider(SelObject* track, int trackNum)
    : SelObject(track, true), m_channel(trackNum) {}

std::unique_ptr<SelObject> VolumeSlider::Clone() const {
    return std::make_unique<VolumeSlider>(*this);
}

SelObject* VolumeSlider::HitTest(int x, int y) {
    return m_rect.Contains(x, y) ? this : nullptr;
}

void VolumeSlider::Draw(DeviceContext& dc) {
    const ToolsManager& tools = ToolsManager::Instance();
    const bool active = tools.Hover() == this || tools.Contains(this);
    DrawGroove(dc, active);
    DrawFill(dc, active);
    if (active) {
        DrawLabel(dc);
    }
    DrawIcon(dc);
    if (!active && m_changed) {
        m_changed = false;
        Notify(10);
    }
}

Rect VolumeSlider::Groove() const {
    return {m_rect.left + kGrooveLeft, m_rect.top + kGrooveInset, m_rect.right - kGrooveInset,
            m_rect.bottom - kGrooveInset};
}

int VolumeSlider::FillWidth() const {
    return m_value * (m_rect.right - m_rect.left - kGrooveLeft - kGrooveInset) / 100;
}

void VolumeSlider::DrawGroove(DeviceContext& dc, bool active) const {
    dc.SelectPen({active ? kActiveOutline : kGrooveOutline, kPenWidth});
    dc.SelectBrush(kGrooveFill);
    dc.Rectangle(Groove());
}

void VolumeSlider::DrawFill(DeviceContext& dc, bool active) const {
    Rect fill = Groove();
    fill.right = fill.left + FillWidth();
    dc.SelectPen({active ? kActiveOutline : kFillOutline, kPenWidth});
    dc.SelectBrush(active ? kActiveFill : kFill);
    dc.Rectangle(fill);
}

void VolumeSlider::DrawLabel(DeviceContext& dc) const {
    const std::string label = std::to_string(m_value) + "%";
    const int fillEnd = Groove().left + FillWidth();
    const int left = m_value < 50 ? fillEnd + kLabelRightOfFill : fillEnd - kLabelLeftOfFill;
    const int top = m_rect.top - kLabelRaise;
    dc.SelectFont(DrawResources::Instance().textFont);
    dc.SetTextColor(kLabelHalo);
    for (int dy = -kLabelHaloReach; dy <= kLabelHaloReach; ++dy) {
        for (int dx = -kLabelHaloReach; dx <= kLabelHaloReach; ++dx) {
            dc.Text(left + dx, top + dy, label);
        }
    }
    dc.SetTextColor(kLabelColor);
    dc.Text(left, top, label);
}

void VolumeSlider::DrawIcon(DeviceContext& dc) const {
    dc.SelectPen(kIconPen);
    for (int i = 0; i < kIconLines; ++i) {
        const int x = m_rect.left + kIconLeft + kIconSpacing * i;
        dc.Line({x, m_rect.top + kGrooveInset + kIconStep * (kIconLines - i)},
                {x, m_rect.bottom - kGrooveInset});
    }
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
