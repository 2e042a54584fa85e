#pragma once

#include "model/Archive.h"
#include "model/DeviceContext.h"
#include "model/SelObject.h"

// A track's volume, 0 to 100 percent, drawn as a slider on the score. The
// channel is the track number it speaks for.
class VolumeSlider : public SelObject {
public:
    static constexpr int kDefaultValue = 100;

    VolumeSlider(SelObject* track, int trackNum);
    VolumeSlider(const VolumeSlider&) = default;

    const char* GetClassName() const override { return "VolumeSlider"; }
    std::unique_ptr<SelObject> Clone() const override;
    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override { return m_rect; }
    // The groove, the filled part up to the value and the speaker icon; the
    // percentage shows while hovered or selected. The first drawing after a
    // drag ended (neither hovered nor selected, changed set) clears the flag
    // and notifies content changed (10), so the whole drag is one undo entry.
    void Draw(DeviceContext& dc) override;

    int GetValue() const { return m_value; }
    // Clamps to 0-100; with notify, tells the sound engine the track's volume.
    void SetValue(int value, bool notify);
    int GetChannel() const { return m_channel; }
    // Stores the channel and sends the current volume for it.
    void SetChannel(int channel);
    // "vol" on the track: absent reads as 100, anything above 100 as 100.
    // Reading a song (not a pattern) tells the sound engine.
    void Serialize(Archive& archive);

    // The select tool drags over the slider: the value follows x along the
    // groove (clamped to 0-100) and goes to the sound engine; the slider
    // marks itself changed, hands its area to the editing state and
    // notifies repaint (8). The undo entry waits for the drawing after the
    // drag.
    void OnPointerDrag(DeviceContext* dc, int x, int y, unsigned flags) override;

    // Set by the select tool while it drags the slider.
    bool IsChanged() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }

    const Rect& GetRect() const { return m_rect; }
    void SetRect(const Rect& rect) { m_rect = rect; }

private:
    // The groove's inner rectangle, which the value fills from the left.
    Rect Groove() const;
    int FillWidth() const;
    void DrawGroove(DeviceContext& dc, bool active) const;
    void DrawFill(DeviceContext& dc, bool active) const;
    void DrawLabel(DeviceContext& dc) const;
    void DrawIcon(DeviceContext& dc) const;

    int m_channel;
    int m_value = kDefaultValue;
    bool m_changed = false;
    Rect m_rect;
};
