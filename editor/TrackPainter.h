#pragma once

#include "model/Geometry.h"

class Bar;
class DeviceContext;
class NoteBar;
class Song;
class Track;

// Draws one track: its staves with bar lines, line heads and the lines that
// join the staves of a system, the bar numbers, the content of every bar,
// the track's controls and its ties. Bars outside the device context's clip
// box (or outside the printed page) are skipped.
class TrackPainter {
public:
    // page is 0 for every page, or the 1-based page being printed.
    static void Draw(DeviceContext& dc, const Song& song, const Track& track, int page);

private:
    enum JoinPiece { NoJoin, TopPiece, MiddlePiece, BottomPiece };

    static void DrawBar(DeviceContext& dc, const Track& track, Bar& bar, JoinPiece join,
                        bool numbered);
    static void DrawBarLine(DeviceContext& dc, const NoteBar& bar, bool last);
    static void DrawLineHead(DeviceContext& dc, NoteBar& bar, JoinPiece join);
    static void DrawBarNumber(DeviceContext& dc, const Bar& bar);
    static JoinPiece JoinFor(const Song& song, const Track& track);
    static bool IsFirstStaff(const Song& song, const Track& track);
};
