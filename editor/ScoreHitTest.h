#pragma once

#include "model/Geometry.h"

class SelObject;
class Song;

// What the score shows under a point: the song's own text boxes first (title,
// author, free texts), then each track in slot order with its controls, bars
// and notes. The first answer wins; null on empty paper.
class ScoreHitTest {
public:
    static SelObject* Find(Song& song, Point at);
};
