#include "editor/SongMembers.h"

#include "model/ChordBar.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/Track.h"

bool SongMembers::Holds(const Song& song, const SelObject* control) {
    if (control == nullptr) {
        return false;
    }
    if (control == song.GetTitleText() || control == song.GetAuthorText()) {
        return true;
    }
    for (const auto& text : song.GetUserTexts()) {
        if (text.get() == control) {
            return true;
        }
    }
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        if (TrackHolds(song, slot, control)) {
            return true;
        }
    }
    return false;
}

bool SongMembers::TrackHolds(const Song& song, int slot, const SelObject* control) {
    const Track* track = song.GetTrack(slot);
    if (control == track->GetTitleText() || control == track->GetSelector() ||
        control == track->GetVolumeSlider()) {
        return true;
    }
    for (int i = 0; i < track->GetNumBars(); ++i) {
        const Bar* bar = track->GetBar(i);
        if (const auto* notes = dynamic_cast<const NoteBar*>(bar)) {
            for (const auto& [step, lyric] : notes->GetLyrics()) {
                if (lyric.get() == control) {
                    return true;
                }
            }
        } else if (const auto* chords = dynamic_cast<const ChordBar*>(bar)) {
            for (int beat = 0; beat < chords->GetNumBeats(); ++beat) {
                if (chords->GetBeatBox(beat) == control) {
                    return true;
                }
            }
        }
    }
    return false;
}
