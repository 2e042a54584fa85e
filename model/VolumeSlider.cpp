#include "model/VolumeSlider.h"

#include <algorithm>
#include <string>

#include "model/DrawResources.h"
#include "model/EditingState.h"
#include "model/Palette.h"
#include "model/SoundSettings.h"

namespace {
// The groove leaves room on the left for the speaker icon.
constexpr int kGrooveLeft = 40;
constexpr int kGrooveInset = 10;
constexpr int kPenWidth = 2;
// The percentage stands right of the fill's end for low values and left of
// it for high ones, so it never leaves the groove.
constexpr int kLabelRightOfFill = 25;
constexpr int kLabelLeftOfFill = 60;
constexpr int kLabelRaise = 3;
constexpr int kLabelHaloReach = 3;
constexpr PenSpec kIconPen{Palette::kSliderIcon, kPenWidth};
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
    const EditingState& state = EditingState::Instance();
    const bool active = state.Hover() == this || state.IsSelected(this);
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

void VolumeSlider::OnPointerDrag(DeviceContext*, int x, int, unsigned) {
    // The groove starts 40 units in, right of the icon, and stops 10 short of
    // the right edge.
    const int span = m_rect.right - m_rect.left - kGrooveLeft - kGrooveInset;
    if (span <= 0) {
        return;
    }
    SetValue((x - (m_rect.left + kGrooveLeft)) * 100 / span, true);
    m_changed = true;
    EditingState::Instance().AddDirtyRect(m_rect);
    Notify(8);
}

Rect VolumeSlider::Groove() const {
    return {m_rect.left + kGrooveLeft, m_rect.top + kGrooveInset, m_rect.right - kGrooveInset,
            m_rect.bottom - kGrooveInset};
}

int VolumeSlider::FillWidth() const {
    return m_value * (m_rect.right - m_rect.left - kGrooveLeft - kGrooveInset) / 100;
}

void VolumeSlider::DrawGroove(DeviceContext& dc, bool active) const {
    dc.SelectPen({active ? Palette::kHover : Palette::kSliderGrooveEdge, kPenWidth});
    dc.SelectBrush(Palette::kSliderGroove);
    dc.Rectangle(Groove());
}

void VolumeSlider::DrawFill(DeviceContext& dc, bool active) const {
    Rect fill = Groove();
    fill.right = fill.left + FillWidth();
    dc.SelectPen({active ? Palette::kHover : Palette::kSliderLevelEdge, kPenWidth});
    dc.SelectBrush(active ? Palette::kSliderLevelActive : Palette::kSliderLevel);
    dc.Rectangle(fill);
}

void VolumeSlider::DrawLabel(DeviceContext& dc) const {
    const std::string label = std::to_string(m_value) + "%";
    const int fillEnd = Groove().left + FillWidth();
    const int left = m_value < 50 ? fillEnd + kLabelRightOfFill : fillEnd - kLabelLeftOfFill;
    const int top = m_rect.top - kLabelRaise;
    dc.SelectFont(DrawResources::Instance().textFont);
    dc.SetTextColor(Palette::kPaper);
    for (int dy = -kLabelHaloReach; dy <= kLabelHaloReach; ++dy) {
        for (int dx = -kLabelHaloReach; dx <= kLabelHaloReach; ++dx) {
            dc.Text(left + dx, top + dy, label);
        }
    }
    dc.SetTextColor(Palette::kSliderLabel);
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
        SoundSettings::Instance().SetTrackVolume(m_channel, m_value);
    }
}

void VolumeSlider::SetChannel(int channel) {
    m_channel = channel;
    SoundSettings::Instance().SetTrackVolume(m_channel, m_value);
}

void VolumeSlider::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.WriteInt(Archive::TrackElement, "vol", m_value);
    } else if (archive.IsReading()) {
        SetValue(archive.ReadIntOr(Archive::TrackElement, "vol", kDefaultValue),
                 archive.IsLoading());
    }
}
