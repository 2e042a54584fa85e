#pragma once

#include "model/Geometry.h"

class Song;

// Keeps the playing bar in sight: where the bar playing now lies on the
// score, and how far to scroll so that it is inside the visible area.
class PlaybackFollow {
public:
    // The union of the bar's rectangles in every track, in score units; an
    // empty rectangle when the song has no such bar.
    static Rect PlayingArea(const Song& song, int barIndex);
    // The scroll position that brings the target (device pixels, relative to
    // the visible area's top-left) into a visible area of the given size
    // with the least movement from scroll; a target larger than the area
    // shows its top-left.
    static Point ScrollToShow(const Rect& target, Size visible, Point scroll);
};
