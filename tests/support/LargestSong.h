#pragma once

#include <memory>

#include "model/Song.h"

// The largest song a user can make: an accompaniment track, 9 treble and 7
// percussion tracks (16 non-accompaniment tracks), 64 bars in 4/4.
inline std::unique_ptr<Song> BuildLargestSong(int numBars = 64) {
    auto song =
        std::make_unique<Song>("Largest", "Bench", numBars, 120, Song::TimeSignature{4, 4}, 0);
    song->AddAccompanimentTrack();
    for (int i = 0; i < Song::kMaxPitchedTracks; ++i) {
        song->AddTrebleTrack();
    }
    while (song->CountNonAccompanimentTracks() < Song::kMaxNonAccompanimentTracks) {
        song->AddPercussionTrack();
    }
    return song;
}
