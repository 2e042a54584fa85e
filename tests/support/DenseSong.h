#pragma once

#include <memory>

#include "model/NoteBar.h"
#include "model/Track.h"
#include "support/LargestSong.h"

// The densest song a user can make: the largest song with every bar of every
// note track filled with sixteenths walking up the scale (every fourth one
// written sharp). With lyrics, every note track shows its lyric line and
// every note has a syllable; with ties, each pair of equal notes is tied.
inline std::unique_ptr<Song> BuildDenseSong(bool lyrics, bool tied = false) {
    constexpr int kSixteenth = 6;
    auto song = BuildLargestSong();
    for (int slot = 0; slot < song->GetNumTracks(); ++slot) {
        Track& track = *song->GetTrack(slot);
        if (lyrics) {
            track.ShowLyrics();
        }
        for (int b = 0; b < track.GetNumBars(); ++b) {
            auto* bar = dynamic_cast<NoteBar*>(track.GetBar(b));
            if (bar == nullptr) {
                continue;
            }
            for (int step = 0; step < bar->GetSteps(); step += kSixteenth) {
                const int i = step / kSixteenth;
                const char letter = "CDEFGAB"[((tied ? i / 2 : i) + b) % 7];
                const int accidental = i % 4 == 0 ? Note::Sharp : Note::NoAccidental;
                bar->InsertNote(step, letter, 5, accidental, 16, false, false);
            }
            if (tied) {
                for (int step = 0; step < bar->GetSteps(); step += 2 * kSixteenth) {
                    track.AddTie(bar->GetChordAt(step)->First());
                }
            }
            for (const auto& [step, lyric] : bar->GetLyrics()) {
                lyric->SetText("la" + std::to_string(step));
            }
        }
    }
    return song;
}
