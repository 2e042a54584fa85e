#pragma once

#include <string>
#include <vector>

#include "editor/BarRange.h"

class Prompt;
class Song;
class UndoManager;

// What the "Shift Notes" dialog holds and does on OK: the notes of one treble
// or bass track, over a range of bars, move up or down by up to 8 diatonic
// steps. The Qt dialog shows these fields.
class ShiftNotesForm {
public:
    static constexpr int kMaxSteps = 8;

    explicit ShiftNotesForm(const Song& song);

    // "name - instrument" of every treble and bass track, in track order.
    const std::vector<std::string>& TrackItems() const { return m_trackItems; }
    bool OkEnabled() const { return !m_trackSlots.empty(); }
    // "1" ... the number of bars.
    std::vector<std::string> BarItems() const;

    void SetTrackIndex(int index) { m_trackIndex = index; }
    // Choosing a first bar after the last moves the last to it, and the reverse.
    void SetFirstBar(int index) { m_bars.SetFirst(index); }
    void SetLastBar(int index) { m_bars.SetLast(index); }
    int FirstBar() const { return m_bars.First(); }
    int LastBar() const { return m_bars.Last(); }
    void SetStepsText(const std::string& text) { m_stepsText = text; }
    void SetUpward(bool upward) { m_upward = upward; }

    // Shifts and records "Shift Notes"; false (dialog stays open) after a
    // message about the fields.
    bool Ok(Song& song, Prompt& prompt, UndoManager& history) const;

private:
    std::vector<std::string> m_trackItems;
    std::vector<int> m_trackSlots;
    int m_numBars;
    int m_trackIndex = 0;
    BarRange m_bars;
    std::string m_stepsText = "0";
    bool m_upward = true;
};
