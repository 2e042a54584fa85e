#pragma once

// Tells the two uses of the space bar on the score apart: held while the
// mouse drags, it moves the page by hand; tapped on its own, it plays or
// pauses. A tap is a press and release with no mouse button pressed between
// them and no longer than kTapMs, so a hand held ready for dragging and let go
// does not start the music. Times are milliseconds on any steady clock.
class SpaceKeyGesture {
public:
    static constexpr long long kTapMs = 500;

    void Press(long long nowMs);
    void MouseDown() { m_dragged = true; }
    // True when the press and this release make a tap.
    bool Release(long long nowMs);
    bool IsHeld() const { return m_held; }

private:
    bool m_held = false;
    bool m_dragged = false;
    long long m_pressedAt = 0;
};
