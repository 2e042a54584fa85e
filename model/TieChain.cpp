#include "model/TieChain.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/Bar.h"
#include "model/NoteBar.h"

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
