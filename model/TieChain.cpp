#include "model/TieChain.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/Bar.h"
#include "model/NoteBar.h"
#include "model/Track.h"

namespace {
bool TiesForward(const Note& note) {
    return note.IsTieStart() || note.IsTieMiddle();
}
bool TiesBack(const Note& note) {
    return note.IsTieMiddle() || note.IsTieEnd();
}

Note* SamePitchIn(const NoteChord* chord, const Note& note) {
    return chord != nullptr ? chord->FindPitch(note.GetOctave(), note.GetLetter()) : nullptr;
}

// Applies the change to the first tied note of each pitch met in the order
// the walk gives.
template <typename Walk, typename Change>
void ForFirstTiedOfEachPitch(Walk&& walk, Change&& change) {
    std::vector<std::pair<char, int>> seen;
    walk([&](Note& note) {
        const std::pair<char, int> pitch{note.GetLetter(), note.GetOctave()};
        if (!note.IsTied() || std::find(seen.begin(), seen.end(), pitch) != seen.end()) {
            return;
        }
        seen.push_back(pitch);
        change(note);
    });
}
}  // namespace

NoteBar* TieChain::BarOf(const Note& note) {
    const NoteChord* chord = note.GetChord();
    return chord != nullptr ? dynamic_cast<NoteBar*>(chord->GetParent()) : nullptr;
}

Note* TieChain::Next(const Note& note) {
    const NoteBar* bar = BarOf(note);
    if (bar == nullptr) {
        return nullptr;
    }
    const NoteChord* next = bar->ChordAfter(*note.GetChord());
    if (next == nullptr) {
        const NoteBar* following = bar->NeighbourBar(1);
        next = following != nullptr ? following->FirstChord() : nullptr;
    }
    return SamePitchIn(next, note);
}

Note* TieChain::Previous(const Note& note) {
    const NoteBar* bar = BarOf(note);
    if (bar == nullptr) {
        return nullptr;
    }
    const NoteChord* previous = bar->ChordBefore(*note.GetChord());
    if (previous == nullptr) {
        const NoteBar* preceding = bar->NeighbourBar(-1);
        previous = preceding != nullptr ? preceding->LastChord() : nullptr;
    }
    return SamePitchIn(previous, note);
}

Note* TieChain::First(Note& note) {
    Note* current = &note;
    while (TiesBack(*current)) {
        Note* previous = Previous(*current);
        if (previous == nullptr || !TiesForward(*previous)) {
            break;
        }
        current = previous;
    }
    return current;
}

Note* TieChain::Last(Note& note) {
    Note* current = &note;
    while (TiesForward(*current)) {
        Note* next = Next(*current);
        if (next == nullptr || !TiesBack(*next)) {
            break;
        }
        current = next;
    }
    return current;
}

void TieChain::Cut(Note& note, bool before, bool after) {
    if (after) {
        if (Note* next = Next(note)) {
            if (next->IsTieMiddle()) {
                next->SetTieMode(Note::TieStart);
            } else if (next->IsTieEnd()) {
                next->SetTieMode(Note::NotTied);
            }
        }
    }
    if (before) {
        if (Note* previous = Previous(note)) {
            if (previous->IsTieStart()) {
                previous->SetTieMode(Note::NotTied);
            } else if (previous->IsTieMiddle()) {
                previous->SetTieMode(Note::TieEnd);
            }
        }
    }
}

int TieChain::TieAccidental(const Note& note) {
    const Note* first = &note;
    while (TiesBack(*first)) {
        const Note* previous = Previous(*first);
        if (previous == nullptr || !TiesForward(*previous)) {
            break;
        }
        first = previous;
    }
    const NoteBar* bar = BarOf(*first);
    if (bar == nullptr) {
        return first->GetAccidental();
    }
    for (int step = first->GetStep(); step >= 0; --step) {
        const Note* written = SamePitchIn(bar->GetChordAt(step), *first);
        if (written != nullptr && written->GetAccidental() != Note::NoAccidental) {
            return written->GetAccidental();
        }
    }
    return Bar::KeyAccidentalFor(bar->PropertyOr("KeySignature", 0), first->GetLetter());
}

void TieChain::CutAtStart(NoteBar& bar) {
    ForFirstTiedOfEachPitch(
        [&bar](auto&& visit) {
            for (NoteChord* chord = bar.FirstChord(); chord != nullptr;
                 chord = bar.ChordAfter(*chord)) {
                for (int i = 0; i < chord->GetNoteCount(); ++i) {
                    visit(*chord->GetNote(i));
                }
            }
        },
        [](Note& note) {
            if (note.IsTieMiddle()) {
                note.SetTieMode(Note::TieStart);
            } else if (note.IsTieEnd()) {
                note.SetTieMode(Note::NotTied);
            }
        });
}

void TieChain::CutAtEnd(NoteBar& bar) {
    ForFirstTiedOfEachPitch(
        [&bar](auto&& visit) {
            for (NoteChord* chord = bar.LastChord(); chord != nullptr;
                 chord = bar.ChordBefore(*chord)) {
                for (int i = 0; i < chord->GetNoteCount(); ++i) {
                    visit(*chord->GetNote(i));
                }
            }
        },
        [](Note& note) {
            if (note.IsTieStart()) {
                note.SetTieMode(Note::NotTied);
            } else if (note.IsTieMiddle()) {
                note.SetTieMode(Note::TieEnd);
            }
        });
}

void TieChain::MendWithin(NoteBar& bar) {
    for (NoteChord* chord = bar.FirstChord(); chord != nullptr; chord = bar.ChordAfter(*chord)) {
        const NoteChord* next = bar.ChordAfter(*chord);
        const NoteChord* previous = bar.ChordBefore(*chord);
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            Note& note = *chord->GetNote(i);
            if (next != nullptr && TiesForward(note)) {
                const Note* partner = SamePitchIn(next, note);
                if (partner == nullptr || !TiesBack(*partner)) {
                    note.SetTieMode(note.IsTieStart() ? Note::NotTied : Note::TieEnd);
                }
            }
            if (previous != nullptr && TiesBack(note)) {
                const Note* partner = SamePitchIn(previous, note);
                if (partner == nullptr || !TiesForward(*partner)) {
                    note.SetTieMode(note.IsTieEnd() ? Note::NotTied : Note::TieStart);
                }
            }
        }
    }
}

bool TieChain::Add(Track& track, Note* note) {
    NoteBar* bar = note != nullptr ? HoldingBar(track, *note) : nullptr;
    if (bar == nullptr || note->IsRest() || note->IsTieStart() || note->IsTieMiddle()) {
        return false;
    }
    Note* next = Next(*note);
    // The letter must match as well as the key: a tie carries its first
    // note's accidental, which would respell an enharmonic partner.
    if (next == nullptr || next->IsTieMiddle() || next->IsTieEnd() ||
        bar->MidiKeyOf(*note) != BarOf(*next)->MidiKeyOf(*next)) {
        return false;
    }
    NoteBar* nextBar = BarOf(*next);
    note->SetTieMode(note->IsTieEnd() ? Note::TieMiddle : Note::TieStart);
    next->SetTieMode(next->IsTieStart() ? Note::TieMiddle : Note::TieEnd);
    next->SetAccidental(Note::NoAccidental);
    RefreshAccidentals(track, nextBar->GetIndex(), next->GetLetter(), next->GetOctave());
    bar->Repaint();
    nextBar->Repaint();
    return true;
}

void TieChain::CutInTrack(Track& track, Note* note, bool before, bool after) {
    if (note != nullptr && HoldingBar(track, *note) != nullptr) {
        Cut(*note, before, after);
    }
}

bool TieChain::Erase(Track& track, Note* note, bool completedEdit) {
    NoteBar* bar = note != nullptr ? HoldingBar(track, *note) : nullptr;
    if (bar == nullptr || !(note->IsTieStart() || note->IsTieMiddle())) {
        return false;
    }
    Note* next = Next(*note);
    Cut(*note, false, true);
    note->SetTieMode(note->IsTieStart() ? Note::NotTied : Note::TieEnd);
    RefreshAccidentals(track, bar->GetIndex(), note->GetLetter(), note->GetOctave());
    if (next != nullptr) {
        BarOf(*next)->Repaint();
    }
    if (completedEdit) {
        bar->NotifyChanged();
    } else {
        bar->Repaint();
    }
    return true;
}

bool TieChain::ApplyAccidental(Track& track, Note* note, int accidental) {
    NoteBar* bar = note != nullptr ? HoldingBar(track, *note) : nullptr;
    if (bar == nullptr || track.IsPercussion() || note->IsRest() ||
        !Note::IsValidAccidental(accidental)) {
        return false;
    }
    if (!note->IsTied()) {
        note->SetAccidental(accidental);
    } else {
        Note* current = First(*note);
        current->SetAccidental(accidental);
        const Note* last = Last(*current);
        while (current != last) {
            current = Next(*current);
            current->SetAccidental(Note::NoAccidental);
        }
    }
    RefreshAccidentals(track, bar->GetIndex(), note->GetLetter(), note->GetOctave());
    return true;
}

void TieChain::RefreshAccidentals(Track& track, int barIndex, char letter, int octave) {
    if (!track.IsPitched()) {
        return;
    }
    // The last bar is looked at too: a later note there sounds the tie's
    // accidental just like anywhere else.
    for (int first : {barIndex, barIndex + 1}) {
        for (int index = first; index < track.GetNumBars(); ++index) {
            if (!RespellAfterTie(track, index, letter, octave)) {
                break;
            }
        }
    }
}

bool TieChain::RespellAfterTie(Track& track, int barIndex, char letter, int octave) {
    NoteBar* bar = NoteBarOf(track, barIndex);
    NoteBar* previousBar = NoteBarOf(track, barIndex - 1);
    if (bar == nullptr || previousBar == nullptr) {
        return false;
    }
    const NoteChord* first = bar->GetChordAt(0);
    Note* continuation = first != nullptr ? first->FindPitch(octave, letter) : nullptr;
    if (continuation == nullptr || !(continuation->IsTieMiddle() || continuation->IsTieEnd())) {
        return false;
    }
    const NoteChord* lastBefore = previousBar->LastChord();
    const Note* tiedOver = lastBefore != nullptr ? lastBefore->FindPitch(octave, letter) : nullptr;
    if (tiedOver == nullptr) {
        return true;
    }
    Note* end = Last(*continuation);
    NoteBar* endBar = BarOf(*end);
    Note* later = nullptr;
    for (const NoteChord* chord = endBar->ChordAfter(*end->GetChord()); chord != nullptr;
         chord = endBar->ChordAfter(*chord)) {
        if ((later = chord->FindPitch(octave, letter)) != nullptr) {
            break;
        }
    }
    if (later == nullptr || later->GetAccidental() != Note::NoAccidental) {
        return true;
    }
    const int natural = 12 * octave + Note::SemitoneOf(letter);
    const int inForce = previousBar->MidiKeyOf(*tiedOver) - natural;
    const int keyAlteration =
        Note::AlterationOf(Bar::KeyAccidentalFor(bar->PropertyOr("KeySignature", 0), letter));
    if (inForce != keyAlteration) {
        later->SetAccidental(Note::AccidentalFor(inForce));
    }
    return true;
}

NoteBar* TieChain::HoldingBar(const Track& track, const Note& note) {
    NoteBar* bar = BarOf(note);
    return bar != nullptr && NoteBarOf(track, bar->GetIndex()) == bar &&
                   bar->GetChordAt(note.GetStep()) == note.GetChord()
               ? bar
               : nullptr;
}

void TieChain::CutAtEndOf(Track& track, int index) {
    if (NoteBar* bar = NoteBarOf(track, index)) {
        bar->CutTiesAtEnd();
    }
}

void TieChain::CutAtStartOf(Track& track, int index) {
    if (NoteBar* bar = NoteBarOf(track, index)) {
        bar->CutTiesAtStart();
    }
}

NoteBar* TieChain::NoteBarOf(const Track& track, int index) {
    return dynamic_cast<NoteBar*>(track.GetBar(index));
}
