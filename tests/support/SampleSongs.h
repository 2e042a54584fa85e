#pragma once

#include <memory>

#include "model/ChordBar.h"
#include "model/InstrumentCombo.h"
#include "model/MelodicBar.h"
#include "model/PercussionBar.h"
#include "model/Song.h"
#include "model/StyleCombo.h"

// Songs that use every field the song file stores: texts (with non-ASCII
// characters), key and time signature, tempo, each kind of track with
// instruments, volumes, mute and titles, notes with accidentals, dots,
// triplets, chords and ties across a bar line, lyrics, dynamic marks, chord
// boxes with sub-styles and free texts.
inline std::unique_ptr<Song> BuildEveryFieldSong() {
    auto song = std::make_unique<Song>("Fr\xC3\xA8re Jacques \xE2\x99\xAA", "Anon & <co>", 4, 132,
                                       Song::TimeSignature{3, 4}, -3);
    song->AddAccompanimentTrack();
    song->AddTrebleTrack();
    song->AddBassTrack();
    song->AddPercussionTrack();

    auto* chords = static_cast<ChordBar*>(song->GetBar(0, 0));
    chords->GetBeatBox(0)->SelectText("Eb", false);
    chords->GetBeatBox(0)->SetSubStyle(ChordCombo::Intro);
    chords->GetBeatBox(2)->SelectText("Bb7", false);
    auto* chords2 = static_cast<ChordBar*>(song->GetBar(0, 2));
    chords2->GetBeatBox(0)->SelectText("Cm", false);
    chords2->GetBeatBox(0)->SetSubStyle(ChordCombo::StyleB);

    Track* treble = song->GetTrack(1);
    treble->ShowLyrics();
    treble->SetTitle("Melody");
    static_cast<InstrumentCombo*>(treble->GetSelector())->SetProgram(73, false);
    auto* bar0 = static_cast<MelodicBar*>(treble->GetBar(0));
    bar0->InsertNote(0, 'E', 5, Note::Natural, 4, true, false);  // dotted quarter
    bar0->InsertNote(0, 'G', 5, Note::NoAccidental, 4, true, false);
    bar0->InsertNote(36, 'F', 5, Note::Sharp, 8, false, false);
    Note* tieStart = bar0->InsertNote(48, 'A', 5, Note::NoAccidental, 4, false, false);
    bar0->AddMark(0, 7);
    bar0->AddMark(48, 9);
    auto* bar1 = static_cast<MelodicBar*>(treble->GetBar(1));
    bar1->InsertNote(0, 'A', 5, Note::NoAccidental, 4, false, false);
    treble->AddTie(tieStart);
    bar1->InsertNote(24, 'C', 6, Note::DoubleFlat, 8, false, true);  // a triplet of eighths
    bar1->InsertNote(32, 'D', 6, Note::NoAccidental, 8, false, true);
    const auto& lyrics = bar0->GetLyrics();
    int syllable = 0;
    for (const auto& [step, lyric] : lyrics) {
        lyric->SetText(syllable++ == 0 ? "Dor-" : "mez");
    }

    Track* bass = song->GetTrack(2);
    bass->SetMuted(true);
    bass->GetVolumeSlider()->SetValue(55, false);
    static_cast<InstrumentCombo*>(bass->GetSelector())->SetProgram(33, false);
    auto* bassBar = static_cast<MelodicBar*>(bass->GetBar(3));
    bassBar->InsertNote(0, 'B', 3, Note::DoubleSharp, 2, false, false);

    Track* drums = song->GetTrack(3);
    static_cast<InstrumentCombo*>(drums->GetSelector())->SetProgram(42, false);
    auto* drumBar = static_cast<PercussionBar*>(drums->GetBar(1));
    drumBar->InsertNote(24, 'C', 5, Note::NoAccidental, 16, false, false);
    drumBar->AddMark(24, 8);

    song->AddUserText(250, 700)->SetText("verse 1");
    song->AddUserText(1200, 90)->SetText("\xE4\xB8\xAD\xE6\x96\x87");
    return song;
}
