#pragma once

#include "model/SelObject.h"

class Track;

// One measure of one track. Its parent is the track; its length in steps is
// the song's NumOfStepsPerBar, read once when the bar is made.
class Bar : public SelObject {
public:
    Bar(Track* track, int index, const Box& box);
    Bar(const Bar&) = default;

    // Moves the bar and everything in it to a new box.
    virtual void PlaceNotes(const Box& box) = 0;
    // Makes the bar empty: one whole-bar rest, or no chords.
    virtual void ClearContent() = 0;

    int GetIndex() const { return m_index; }
    void SetIndex(int index) { m_index = index; }
    int GetSteps() const { return m_steps; }
    const Box& GetBox() const { return m_box; }
    void SetBox(const Box& box) { m_box = box; }
    Track* GetTrack() const;

    // Hands the bar's area to the tool manager, then notifies repaint (8) and
    // content changed (10).
    void NotifyChanged();
    // Hands the bar's area to the tool manager for repainting.
    void Repaint() const;

private:
    int m_index;
    int m_steps;
    Box m_box;
};
