#pragma once

#include <string>
#include <vector>

#include "editor/BarRange.h"

class Prompt;
class Song;
class UndoManager;

// The "Clear Bars" dialog: a range of bars of one track emptied.
class ClearBarsForm {
public:
    explicit ClearBarsForm(const Song& song);

    // "name - instrument" of every track.
    const std::vector<std::string>& TrackItems() const { return m_trackItems; }
    void SetTrack(int index) { m_track = index; }
    // Choosing a first bar after the last moves the last to it, and the reverse.
    void SetFirstBar(int index) { m_bars.SetFirst(index); }
    void SetLastBar(int index) { m_bars.SetLast(index); }
    int FirstBar() const { return m_bars.First(); }
    int LastBar() const { return m_bars.Last(); }

    // Clears and records "Clear Bar"; false (the dialog stays open) after a message.
    bool Ok(Song& song, Prompt& prompt, UndoManager& history) const;

private:
    std::vector<std::string> m_trackItems;
    int m_track = 0;
    BarRange m_bars;
};
