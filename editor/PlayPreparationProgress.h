#pragma once

// The progress the "Preparing to play music ..." window shows while the
// sound engine prepares: it cannot know how far the preparation is, so the
// bar moves on every tick and starts over, to show the program is alive.
class PlayPreparationProgress {
public:
    static constexpr int kTickMs = 150;
    static constexpr int kStep = 20;
    static constexpr int kMaximum = 100;

    int Position() const { return m_position; }
    // One tick of the window's timer: while the engine still prepares the bar
    // advances (after the full bar it starts at 0 again) and true comes back;
    // false once the engine has started or given up, when the window closes.
    bool Tick(bool preparing);

private:
    int m_position = 0;
};
