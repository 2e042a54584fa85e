#include "editor/ScoreHitTest.h"

#include "model/Song.h"
#include "model/Track.h"

SelObject* ScoreHitTest::Find(Song& song, Point at) {
    if (SelObject* hit = song.HitTest(at.x, at.y)) {
        return hit;
    }
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        if (SelObject* hit = song.GetTrack(slot)->HitTest(at.x, at.y)) {
            return hit;
        }
    }
    return nullptr;
}
