#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include "model/MelodicBar.h"
#include "model/PercussionBar.h"
#include "model/Song.h"
#include "support/EngineReset.h"

// Songs, grid descriptions and invariant checks shared by the note-bar tests.
namespace notebar_test {

// What a pencil click writes with the tool manager's settings as they stand.
inline PencilSettings Pencil() {
    return ToolsManager::Instance().GetPencilSettings();
}

// A song of the time signature and key with one treble, one bass and one
// percussion track (slots 0, 1, 2).
inline std::unique_ptr<Song> MakeSong(int numerator, int denominator, int numBars = 4,
                                      int key = 0) {
    auto song = std::make_unique<Song>("t", "a", numBars, 100,
                                       Song::TimeSignature{numerator, denominator}, key);
    song->AddTrebleTrack();
    song->AddBassTrack();
    song->AddPercussionTrack();
    return song;
}

inline MelodicBar& Treble(Song& song, int bar = 0) {
    return static_cast<MelodicBar&>(*song.GetBar(0, bar));
}
inline MelodicBar& BassBar(Song& song, int bar = 0) {
    return static_cast<MelodicBar&>(*song.GetBar(1, bar));
}
inline PercussionBar& Drums(Song& song, int bar = 0) {
    return static_cast<PercussionBar&>(*song.GetBar(2, bar));
}

// Writes a note given as "C5", "F#5", "Bb4", "En5" (natural) or "S" (a rest).
inline Note* Put(NoteBar& bar, int step, const std::string& pitch, int value, bool dotted = false,
                 bool triplet = false) {
    const char letter = pitch.at(0);
    size_t at = 1;
    int accidental = Note::NoAccidental;
    if (at < pitch.size() && (pitch[at] == '#' || pitch[at] == 'b' || pitch[at] == 'n')) {
        accidental = pitch[at] == '#' ? Note::Sharp : pitch[at] == 'b' ? Note::Flat : Note::Natural;
        ++at;
    }
    const int octave = at < pitch.size() ? std::stoi(pitch.substr(at)) : 5;
    return bar.InsertNote(step, letter, octave, accidental, value, dotted, triplet);
}

// The first note of the chord at the step.
inline Note* At(const NoteBar& bar, int step, int index = 0) {
    const NoteChord* chord = bar.GetChordAt(step);
    return chord != nullptr ? chord->GetNote(index) : nullptr;
}

// One chord as "step:notes/length", a note as its letter and octave (a rest
// as "S"), then "#", "b", "n", "x", "d" for a written sharp, flat, natural,
// double sharp or double flat, "." when dotted, "t" for a triplet member,
// "g<length>" on a group's first member and "~<mode>" when tied.
inline std::string NoteText(const Note& note) {
    std::ostringstream out;
    out << note.GetLetter();
    if (!note.IsRest()) {
        out << note.GetOctave();
    }
    static constexpr const char* kAccidentals[] = {"#", "b", "n", "", "x", "d"};
    if (note.GetAccidental() >= 0 && note.GetAccidental() <= 5) {
        out << kAccidentals[note.GetAccidental()];
    }
    if (note.IsDotted()) {
        out << ".";
    }
    if (note.IsTriplet()) {
        out << "t";
    }
    if (note.GetTripletLength() > 0) {
        out << "g" << note.GetTripletLength();
    }
    if (note.IsTied()) {
        out << "~" << note.GetTieMode();
    }
    return out.str();
}

// The chords of the bar in step order, e.g. "0:C5/24 24:S/24 48:S/48".
inline std::string GridText(const NoteBar& bar) {
    std::ostringstream out;
    for (int step = 0; step < bar.GetSteps(); ++step) {
        const NoteChord* chord = bar.GetChordAt(step);
        if (chord == nullptr) {
            continue;
        }
        out << (out.tellp() > 0 ? " " : "") << step << ":";
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            out << (i > 0 ? "+" : "") << NoteText(*chord->GetNote(i));
        }
        out << "/" << chord->GetLength();
    }
    return out.str();
}

inline std::string MarksText(const NoteBar& bar) {
    std::ostringstream out;
    for (const auto& [step, code] : bar.GetMarks()) {
        out << (out.tellp() > 0 ? " " : "") << step << ":" << code;
    }
    return out.str();
}

inline std::string LyricsText(const NoteBar& bar) {
    std::ostringstream out;
    for (const auto& [step, lyric] : bar.GetLyrics()) {
        out << (out.tellp() > 0 ? " " : "") << step << ":" << lyric->GetText();
    }
    return out.str();
}

// The first difference between two notes, "" when they are alike.
inline std::string NoteDifference(const Note& a, const Note& b) {
    if (a.GetStep() == b.GetStep() && a.GetLetter() == b.GetLetter() &&
        a.GetOctave() == b.GetOctave() && a.GetLength() == b.GetLength() &&
        a.GetAccidental() == b.GetAccidental() && a.IsDotted() == b.IsDotted() &&
        a.GetTieMode() == b.GetTieMode() && a.IsTriplet() == b.IsTriplet() &&
        a.GetTripletLength() == b.GetTripletLength() && a.NoteClefCode() == b.NoteClefCode() &&
        a.GetBox() == b.GetBox()) {
        return "";
    }
    return NoteText(a) + " became " + NoteText(b);
}

// The first difference between two note bars (chords, notes with their boxes,
// marks, lyrics with their boxes), "" when they are alike. Compared field by
// field, so it is cheap enough to run after every edit.
inline std::string BarContentDifference(const NoteBar& a, const NoteBar& b) {
    const std::string at = "bar " + std::to_string(a.GetIndex()) + " ";
    if (a.GetSteps() != b.GetSteps() || !(a.GetBox() == b.GetBox())) {
        return at + "steps or box";
    }
    for (int s = 0; s < a.GetSteps(); ++s) {
        const NoteChord* x = a.GetChordAt(s);
        const NoteChord* y = b.GetChordAt(s);
        if ((x == nullptr) != (y == nullptr) ||
            (x != nullptr && x->GetNoteCount() != y->GetNoteCount())) {
            return at + "chord at step " + std::to_string(s);
        }
        for (int i = 0; x != nullptr && i < x->GetNoteCount(); ++i) {
            if (std::string diff = NoteDifference(*x->GetNote(i), *y->GetNote(i)); !diff.empty()) {
                return at + "step " + std::to_string(s) + ": " + diff;
            }
        }
    }
    if (a.GetMarks() != b.GetMarks()) {
        return at + "marks " + MarksText(a) + " became " + MarksText(b);
    }
    if (a.GetLyrics().size() != b.GetLyrics().size()) {
        return at + "lyrics " + LyricsText(a) + " became " + LyricsText(b);
    }
    for (auto x = a.GetLyrics().begin(), y = b.GetLyrics().begin(); x != a.GetLyrics().end();
         ++x, ++y) {
        if (x->first != y->first || x->second->GetText() != y->second->GetText() ||
            !(x->second->GetBox() == y->second->GetBox())) {
            return at + "lyric at step " + std::to_string(x->first);
        }
    }
    return "";
}

// Everything about a track's note bars, boxes included, and its staff height,
// for "nothing changed" checks.
inline std::string TrackDifference(const Track& a, const Track& b) {
    if (a.GetNumBars() != b.GetNumBars() || a.GetStaffHeight() != b.GetStaffHeight()) {
        return "bar count or staff height";
    }
    for (int i = 0; i < a.GetNumBars(); ++i) {
        const std::string diff = BarContentDifference(static_cast<const NoteBar&>(*a.GetBar(i)),
                                                      static_cast<const NoteBar&>(*b.GetBar(i)));
        if (!diff.empty()) {
            return diff;
        }
    }
    return "";
}

// Runs the edit; success when it refused (answered false, null or -1) and
// left the track exactly as it was.
template <typename Edit>
::testing::AssertionResult Refused(Song& song, int trackSlot, Edit&& edit) {
    const auto before = song.GetTrack(trackSlot)->Clone();
    const auto answer = edit();
    bool accepted = false;
    if constexpr (std::is_same_v<std::decay_t<decltype(answer)>, int>) {
        accepted = answer != -1;
    } else {
        accepted = static_cast<bool>(answer);
    }
    if (accepted) {
        return ::testing::AssertionFailure() << "the edit was accepted";
    }
    const std::string diff =
        TrackDifference(static_cast<const Track&>(*before), *song.GetTrack(trackSlot));
    if (!diff.empty()) {
        return ::testing::AssertionFailure() << "refused, yet changed " << diff;
    }
    return ::testing::AssertionSuccess();
}

// The first broken rule of the step grid, or an empty string: chords cover
// the bar without gap or overlap and agree on their notes; triplet groups
// hold three equal members and their length on the first; marks sit on
// notes; lyrics stand exactly on chord steps while shown.
inline std::string GridViolation(const NoteBar& bar) {
    std::ostringstream out;
    int step = 0;
    while (step < bar.GetSteps()) {
        const NoteChord* chord = bar.GetChordAt(step);
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            out << "gap at step " << step;
            return out.str();
        }
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            const Note& note = *chord->GetNote(i);
            if (note.GetStep() != step || note.GetLength() != chord->GetLength() ||
                note.IsTriplet() != chord->IsTriplet() || note.GetChord() != chord) {
                out << "note " << i << " of step " << step << " disagrees with its chord";
                return out.str();
            }
        }
        if (chord->IsRest() && chord->GetNoteCount() != 1) {
            out << "rest with several notes at step " << step;
            return out.str();
        }
        if (chord->GetLength() <= 0 || step + chord->GetLength() > bar.GetSteps()) {
            out << "chord at " << step << " runs past the bar";
            return out.str();
        }
        for (int s = step + 1; s < step + chord->GetLength(); ++s) {
            if (bar.GetChordAt(s) != nullptr) {
                out << "chord at " << s << " overlaps the one at " << step;
                return out.str();
            }
        }
        if (chord->IsTriplet()) {
            const int group = chord->GetTripletLength();
            if (group <= 0 || group % 3 != 0) {
                out << "triplet at " << step << " without its group's length";
                return out.str();
            }
            const int member = group / 3;
            for (int k = 0; k < 3; ++k) {
                const NoteChord* m = bar.GetChordAt(step + k * member);
                if (m == nullptr || !m->IsTriplet() || m->GetLength() != member ||
                    (k > 0 && m->GetTripletLength() != 0)) {
                    out << "triplet group at " << step << " lacks member " << k;
                    return out.str();
                }
            }
            step += group;
            continue;
        }
        step += chord->GetLength();
    }
    if (step != bar.GetSteps()) {
        out << "chords end at " << step;
        return out.str();
    }
    for (const auto& [at, code] : bar.GetMarks()) {
        const NoteChord* chord = bar.GetChordAt(at);
        if (chord == nullptr || chord->IsRest()) {
            out << "mark " << code << " at " << at << " not on a note";
            return out.str();
        }
    }
    if (bar.IsLyricShown()) {
        for (int s = 0; s < bar.GetSteps(); ++s) {
            const bool lyric = bar.GetLyrics().count(s) > 0;
            if (lyric != (bar.GetChordAt(s) != nullptr)) {
                out << "lyric and chord disagree at step " << s;
                return out.str();
            }
        }
    }
    return "";
}

// The chord after (or before) the one at the step, crossing into the next
// (or previous) bar of the track; found by walking the grids directly.
inline const NoteChord* ChordBeside(const Track& track, int barIndex, int step, int direction) {
    const auto* bar = dynamic_cast<const NoteBar*>(track.GetBar(barIndex));
    for (int s = step + direction; s >= 0 && s < bar->GetSteps(); s += direction) {
        if (const NoteChord* chord = bar->GetChordAt(s)) {
            return chord;
        }
    }
    const auto* other = dynamic_cast<const NoteBar*>(track.GetBar(barIndex + direction));
    if (other == nullptr) {
        return nullptr;
    }
    for (int s = direction > 0 ? 0 : other->GetSteps() - 1; s >= 0 && s < other->GetSteps();
         s += direction) {
        if (const NoteChord* chord = other->GetChordAt(s)) {
            return chord;
        }
    }
    return nullptr;
}

// The first tie without its partner of the same letter and octave, or "".
inline std::string TieViolation(const Track& track) {
    std::ostringstream out;
    for (int b = 0; b < track.GetNumBars(); ++b) {
        const auto* bar = dynamic_cast<const NoteBar*>(track.GetBar(b));
        for (int s = 0; bar != nullptr && s < bar->GetSteps(); ++s) {
            const NoteChord* chord = bar->GetChordAt(s);
            for (int i = 0; chord != nullptr && i < chord->GetNoteCount(); ++i) {
                const Note& note = *chord->GetNote(i);
                if (note.IsTieStart() || note.IsTieMiddle()) {
                    const NoteChord* after = ChordBeside(track, b, s, 1);
                    const Note* next = after != nullptr
                                           ? after->FindPitch(note.GetOctave(), note.GetLetter())
                                           : nullptr;
                    if (next == nullptr || !(next->IsTieMiddle() || next->IsTieEnd())) {
                        out << "tie from bar " << b << " step " << s << " has no end";
                        return out.str();
                    }
                }
                if (note.IsTieMiddle() || note.IsTieEnd()) {
                    const NoteChord* before = ChordBeside(track, b, s, -1);
                    const Note* previous =
                        before != nullptr ? before->FindPitch(note.GetOctave(), note.GetLetter())
                                          : nullptr;
                    if (previous == nullptr ||
                        !(previous->IsTieStart() || previous->IsTieMiddle())) {
                        out << "tie into bar " << b << " step " << s << " has no start";
                        return out.str();
                    }
                }
            }
        }
    }
    return "";
}

}  // namespace notebar_test
