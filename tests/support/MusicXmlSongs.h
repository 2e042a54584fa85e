#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/Track.h"

// Songs made to exercise a MusicXML export: every key, every accidental and
// their carrying through a bar, triplets of every size, ties across bar
// lines (one carrying a sharp), chords, dotted notes, rests, lyrics and a
// drum track. Built through the model's own editing operations.
namespace musicxml_songs {

inline Note* Put(Song& song, int slot, int bar, int step, char letter, int octave, int accidental,
                 int value, bool dotted = false, bool triplet = false) {
    auto* noteBar = static_cast<NoteBar*>(song.GetBar(slot, bar));
    return noteBar->InsertNote(step, letter, octave, accidental, value, dotted, triplet);
}

inline void SetLyrics(Song& song, int slot, const std::vector<std::string>& syllables) {
    Track& track = *song.GetTrack(slot);
    track.ShowLyrics();
    size_t next = 0;
    for (int b = 0; b < track.GetNumBars() && next < syllables.size(); ++b) {
        auto* bar = static_cast<NoteBar*>(track.GetBar(b));
        for (const auto& [step, lyric] : bar->GetLyrics()) {
            if (next < syllables.size() && !bar->GetChordAt(step)->IsRest()) {
                lyric->SetText(syllables[next++]);
            }
        }
    }
}

// Scale and carried accidentals in one key: a treble and a bass track,
// two bars; 2/2 for odd keys, 4/4 for even ones.
inline std::unique_ptr<Song> KeySong(int key) {
    const bool cut = key % 2 != 0;
    auto song = std::make_unique<Song>("Key " + std::to_string(key), "Generated", 2, 90,
                                       Song::TimeSignature{cut ? 2 : 4, cut ? 2 : 4}, key);
    song->AddTrebleTrack();
    song->AddBassTrack();
    constexpr const char* kLetters = "CDEFGABC";
    for (int i = 0; i < 8; ++i) {
        Put(*song, 0, 0, i * 12, kLetters[i], i == 7 ? 6 : 5, Note::NoAccidental, 8);
    }
    Put(*song, 0, 1, 0, 'F', 5, Note::Sharp, 4);
    Put(*song, 0, 1, 24, 'F', 5, Note::NoAccidental, 4);
    Put(*song, 0, 1, 48, 'F', 4, Note::NoAccidental, 4);
    Put(*song, 0, 1, 72, 'F', 5, Note::Natural, 4);
    Put(*song, 1, 0, 0, 'C', 4, Note::Flat, 2);
    Put(*song, 1, 0, 48, 'G', 3, Note::NoAccidental, 2);
    Put(*song, 1, 1, 0, 'C', 3, Note::NoAccidental, 1);
    Put(*song, 1, 1, 0, 'G', 3, Note::NoAccidental, 1);
    return song;
}

// Every accidental code in a flat key in 3/4, carried through its bar in
// its own octave only, a chord with two accidentals, and the next bar
// starting again from the key signature.
inline std::unique_ptr<Song> AccidentalSong() {
    auto song =
        std::make_unique<Song>("Accidentals", "Generated", 2, 100, Song::TimeSignature{3, 4}, -3);
    song->AddTrebleTrack();
    Put(*song, 0, 0, 0, 'C', 5, Note::DoubleSharp, 8);
    Put(*song, 0, 0, 12, 'D', 5, Note::DoubleFlat, 8);
    Put(*song, 0, 0, 24, 'E', 5, Note::Natural, 8);
    Put(*song, 0, 0, 36, 'F', 5, Note::Sharp, 8);
    Put(*song, 0, 0, 48, 'C', 5, Note::NoAccidental, 8);
    Put(*song, 0, 0, 60, 'E', 4, Note::NoAccidental, 8);
    Put(*song, 0, 1, 0, 'C', 5, Note::NoAccidental, 4);
    Put(*song, 0, 1, 24, 'A', 4, Note::Flat, 4);
    Put(*song, 0, 1, 24, 'E', 5, Note::Natural, 4);
    Put(*song, 0, 1, 48, 'A', 4, Note::NoAccidental, 4);
    Put(*song, 0, 1, 48, 'B', 5, Note::DoubleFlat, 4);
    return song;
}

// Triplets of eighths, quarters and halves, ties inside a bar and across
// bar lines (a sharp carried over), a tied chord, dotted notes, a lyric
// line with words over several notes, and a drum track with triplets.
inline std::unique_ptr<Song> TripletTieSong() {
    constexpr int kBars = 4;
    auto song = std::make_unique<Song>("Triplets and ties", "Generated", kBars, 120,
                                       Song::TimeSignature{4, 4}, 0);
    song->AddTrebleTrack();
    song->AddPercussionTrack();
    // Bar 1: an eighth triplet (with a sharp), a quarter triplet ending in a
    // rest, and an F that sounds sharp, tied over the bar line.
    Put(*song, 0, 0, 0, 'E', 5, Note::NoAccidental, 8, false, true);
    Put(*song, 0, 0, 8, 'F', 5, Note::Sharp, 8, false, true);
    Put(*song, 0, 0, 16, 'G', 5, Note::NoAccidental, 8, false, true);
    Put(*song, 0, 0, 24, 'A', 5, Note::NoAccidental, 4, false, true);
    Put(*song, 0, 0, 40, 'B', 5, Note::Flat, 4, false, true);
    Put(*song, 0, 0, 72, 'F', 5, Note::NoAccidental, 4);
    // Bar 2: the tie goes on (the sharp written here is taken over by the
    // tie); a dotted quarter; a two-note chord tied on over the next bar line.
    Put(*song, 0, 1, 0, 'F', 5, Note::Sharp, 4);
    Put(*song, 0, 1, 24, 'F', 5, Note::NoAccidental, 8);
    Put(*song, 0, 1, 36, 'D', 5, Note::NoAccidental, 4, true);
    Put(*song, 0, 1, 72, 'C', 5, Note::NoAccidental, 8);
    for (const int step : {84, 90}) {
        Put(*song, 0, 1, step, 'C', 5, Note::NoAccidental, 16);
        Put(*song, 0, 1, step, 'E', 5, Note::NoAccidental, 16);
    }
    // Bar 3: the tied chord's end and a sixteenth run; bar 4: a half-note triplet.
    Put(*song, 0, 2, 0, 'C', 5, Note::NoAccidental, 8);
    Put(*song, 0, 2, 0, 'E', 5, Note::NoAccidental, 8);
    Put(*song, 0, 2, 12, 'G', 5, Note::NoAccidental, 16);
    Put(*song, 0, 2, 18, 'A', 5, Note::NoAccidental, 16);
    Put(*song, 0, 3, 0, 'G', 4, Note::NoAccidental, 2, false, true);
    Put(*song, 0, 3, 32, 'C', 6, Note::NoAccidental, 2, false, true);
    Track& melody = *song->GetTrack(0);
    auto chordAt = [&](int bar, int step) {
        return static_cast<NoteBar*>(song->GetBar(0, bar))->GetChordAt(step);
    };
    melody.AddTie(chordAt(0, 72)->First());
    melody.AddTie(chordAt(1, 0)->First());
    melody.AddTie(chordAt(1, 84)->GetNote(1));
    melody.AddTie(chordAt(1, 90)->GetNote(0));
    melody.AddTie(chordAt(1, 90)->GetNote(1));
    SetLyrics(*song, 0,
              {"Three", "lit-", "tle", "notes", "and", "a", "long", "one", "sing-", "ing", "a-",
               "long", "to-", "geth-", "er", "now", "at"});
    for (int b = 0; b < kBars; ++b) {
        Put(*song, 1, b, 0, 'C', 5, Note::NoAccidental, 4);
        Put(*song, 1, b, 24, 'C', 5, Note::NoAccidental, 8, false, true);
        Put(*song, 1, b, 32, 'C', 5, Note::NoAccidental, 8, false, true);
        Put(*song, 1, b, 72, 'C', 5, Note::NoAccidental, 16);
    }
    return song;
}

}  // namespace musicxml_songs
