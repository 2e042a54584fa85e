#pragma once

#include "model/Geometry.h"

class DeviceContext;
class Note;
class Track;

// The curved ties of a track, drawn after its bars because a tie may run
// across a bar line or from the end of one line of the score to the start of
// the next. Partners are found the way TieChain links them.
class TieArcs {
public:
    // Every tie of the track's note bars; the accompaniment has none.
    static void Draw(DeviceContext& dc, const Track& track);

private:
    // The arcs from a tie's first note along its chain to its last.
    static void DrawChain(DeviceContext& dc, const Note& start);
    static void DrawTie(DeviceContext& dc, const Note& from, const Note& to);
    // A crescent between two points at one height, bulging down or up.
    static void DrawArc(DeviceContext& dc, int left, int right, int y, bool above);
};
