#include "editor/PlaybackFollow.h"

#include <algorithm>

#include "model/Bar.h"
#include "model/Song.h"

namespace {

// The movement along one axis that brings [low, high) inside [0, length).
int Shift(int low, int high, int length) {
    if (low < 0 || high - low > length) {
        return low;
    }
    return high > length ? high - length : 0;
}

}  // namespace

Rect PlaybackFollow::PlayingArea(const Song& song, int barIndex) {
    Rect area;
    bool any = false;
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        const Bar* bar = song.GetBar(slot, barIndex);
        if (bar == nullptr) {
            continue;
        }
        const Rect r = bar->GetBox().ToRect();
        area = any ? area.United(r) : r;
        any = true;
    }
    return area;
}

Point PlaybackFollow::ScrollToShow(const Rect& target, Size visible, Point scroll) {
    return {scroll.x + Shift(target.left, target.right, visible.width),
            scroll.y + Shift(target.top, target.bottom, visible.height)};
}
