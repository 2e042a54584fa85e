#pragma once

#include "model/Geometry.h"

class Track;

// The grid every track is laid out on: each system stacks one staff of every
// track, in track order, and systems fill the pages from the top. Bar i of
// every track lands in the same column and system.
class TrackLayout {
public:
    // The heights of all tracks (their staff heights, in track order).
    TrackLayout(const Track* const* tracks, int count, int barsPerLine, int barWidth);

    // One system: every staff plus the gap below it.
    int SystemHeight() const { return m_systemHeight; }
    // At least one, even when the tracks are taller than a page.
    int SystemsPerPage() const { return m_systemsPerPage; }
    int BarsPerPage() const { return m_systemsPerPage * m_barsPerLine; }
    // The top of the track's staff in the first system: the staves above it.
    int StaffOffset(int trackIndex) const;
    // The box of bar i of the track with the given index.
    Box BarBox(int trackIndex, int barIndex) const;
    // The box the track reports as its own area.
    Box TrackBox(int trackIndex) const;

private:
    const Track* const* m_tracks;
    int m_count;
    int m_barsPerLine;
    int m_barWidth;
    int m_systemHeight = 0;
    int m_systemsPerPage = 1;
};
