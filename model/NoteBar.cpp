#include "model/NoteBar.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "model/DynamicMark.h"
#include "model/EditingState.h"
#include "model/NoteBarArchive.h"
#include "model/NoteBarPainter.h"
#include "model/TieChain.h"
#include "model/Track.h"

namespace {
RestPlan PlanFor(const Bar& bar) {
    const int* signature = bar.GetProperty("TimeSignature");
    const bool sixEight = signature != nullptr && signature[0] == 6 && signature[1] == 8;
    return RestPlan(bar.GetSteps(), bar.PropertyOr("NumOfBeats", 4),
                    bar.PropertyOr("NumOfStepsPerBeat", bar.GetSteps() / 4), sixEight);
}
}  // namespace

NoteBar::NoteBar(Track* track, int index, const Box& box)
    : Bar(track, index, box), m_grid(GetSteps(), PlanFor(*this)) {}

NoteBar::NoteBar(const NoteBar& other)
    : Bar(other),
      m_grid(other.m_grid, this),
      m_lyrics(other.m_lyrics, this),
      m_marks(other.m_marks) {}

SelObject* NoteBar::HitTest(int x, int y) {
    if (!GetBox().Contains(x, y)) {
        return nullptr;
    }
    const StepGrid::Chords& chords = m_grid.GetChords();
    for (size_t step = 0; step < chords.size(); ++step) {
        if (LyricText* lyric = m_lyrics.At(static_cast<int>(step))) {
            if (SelObject* hit = lyric->HitTest(x, y)) {
                return hit;
            }
        }
        if (chords[step]) {
            if (SelObject* hit = chords[step]->HitTest(x, y)) {
                return hit;
            }
        }
    }
    return this;
}

Rect NoteBar::GetBoundingRect() const {
    const Box& b = GetBox();
    const bool beginsLine = GetIndex() % Track::GetBarsPerLine() == 0;
    return {beginsLine ? b.x - 235 : b.x - 35, b.y - 85, b.x + b.width + 35, b.y + b.height + 85};
}

void NoteBar::Attach(Observer* observer, int aspect) {
    Bar::Attach(observer, aspect);
    const StepGrid::Chords& chords = m_grid.GetChords();
    for (size_t step = 0; step < chords.size(); ++step) {
        if (chords[step]) {
            chords[step]->Attach(observer, aspect);
        }
        if (LyricText* lyric = m_lyrics.At(static_cast<int>(step))) {
            lyric->Attach(observer, aspect);
        }
    }
}

std::unique_ptr<SelObject> NoteBar::CloneUntied(int edges) const {
    std::unique_ptr<SelObject> copy = Clone();
    auto& bar = static_cast<NoteBar&>(*copy);
    if (edges == 1 || edges == 3) {
        bar.CutTiesAtStart();
    }
    if (edges == 2 || edges == 3) {
        bar.CutTiesAtEnd();
    }
    return copy;
}

void NoteBar::CutEdgeTies() {
    // A tie across a bar line has an end on each side; cutting one side only
    // would leave the other pointing at nothing.
    if (NoteBar* previous = NeighbourBar(-1)) {
        previous->CutTiesAtEnd();
    }
    if (NoteBar* next = NeighbourBar(1)) {
        next->CutTiesAtStart();
    }
    CutTiesAtStart();
    CutTiesAtEnd();
}

bool NoteBar::SameKindAs(const SelObject& source) const {
    if (!source.IsA("MelodicBar") && !source.IsA("PercussionBar")) {
        return false;
    }
    return static_cast<const NoteBar&>(source).GetSteps() == GetSteps();
}

void NoteBar::PasteIfSameKind(const SelObject& source, int edges) {
    if (!SameKindAs(source)) {
        return;
    }
    // The cuts go to a copy so that the caller's source stays as it was.
    std::unique_ptr<SelObject> copy = static_cast<const NoteBar&>(source).Clone();
    auto& untied = static_cast<NoteBar&>(*copy);
    if (edges == 1 || edges == 3) {
        if (NoteBar* previous = NeighbourBar(-1)) {
            previous->CutTiesAtEnd();
        }
        untied.CutTiesAtStart();
    }
    if (edges == 2 || edges == 3) {
        if (NoteBar* next = NeighbourBar(1)) {
            next->CutTiesAtStart();
        }
        untied.CutTiesAtEnd();
    }
    PasteFrom(untied, 0);
}

void NoteBar::PlaceNotes(const Box& box) {
    SetBox(box);
    for (const auto& chord : m_grid.GetChords()) {
        if (chord) {
            for (int i = 0; i < chord->GetNoteCount(); ++i) {
                PlaceHead(*chord->GetNote(i));
            }
        }
    }
    m_lyrics.Place(*this);
}

void NoteBar::PasteFrom(const Bar& source, int beatOffset) {
    const auto* from = dynamic_cast<const NoteBar*>(&source);
    const int offset = beatOffset * GetStepsPerBeat();
    if (from == nullptr || beatOffset < 0 || offset >= GetSteps()) {
        return;
    }
    if (from == this) {
        const std::unique_ptr<SelObject> copy = Clone();
        PasteFrom(static_cast<const NoteBar&>(*copy), beatOffset);
        return;
    }
    ReleaseToolReferences();
    const bool lyricsShown = IsLyricShown();
    ClearFromStep(offset);
    const int count = std::min(GetSteps() - offset, from->GetSteps());
    m_grid.Paste(from->m_grid, offset, count, NoteClefCode() == PercussionClef, GridEdit());
    for (int s = 0; lyricsShown && s < count; ++s) {
        const NoteChord* original = from->GetChordAt(s);
        if (original == nullptr || original->GetNoteCount() == 0) {
            continue;
        }
        LyricText& lyric = m_lyrics.Add(*this, s + offset);
        if (const LyricText* sourceLyric = from->m_lyrics.At(s)) {
            lyric.SetText(sourceLyric->GetText());
        }
    }
    // Marks travel with the chords they belong to.
    for (const auto& [step, code] : from->m_marks) {
        const NoteChord* chord = GetChordAt(step + offset);
        if (step >= 0 && chord != nullptr && !chord->IsRest() && step + offset < GetSteps()) {
            m_marks.emplace(step + offset, code);
        }
    }
    TieChain::MendWithin(*this);
    SyncLyrics(lyricsShown);
    Repaint();
}

void NoteBar::ClearContent() {
    ReleaseToolReferences();
    if (NoteBar* previous = NeighbourBar(-1)) {
        previous->CutTiesAtEnd();
    }
    if (NoteBar* next = NeighbourBar(1)) {
        next->CutTiesAtStart();
    }
    const bool lyricsShown = IsLyricShown();
    m_grid.Clear();
    m_lyrics.Clear();
    m_marks.clear();
    PutWholeBarRest();
    if (lyricsShown) {
        m_lyrics.Add(*this, 0);
    }
    Repaint();
}

void NoteBar::Draw(DeviceContext& dc) {
    NoteBarPainter(*this).Draw(dc);
}

bool NoteBar::StemsDownAt(const NoteChord& chord) const {
    return NoteBarPainter(*this).StemsDownAt(chord);
}

NoteChord* NoteBar::GetChordAt(int step) const {
    return m_grid.At(step);
}

Note* NoteBar::InsertNoteAt(int x, int y, const PencilSettings& pencil) {
    Note* written = WriteNoteAt(x, y, pencil);
    if (written != nullptr) {
        NotifyChanged();
    }
    return written;
}

Note* NoteBar::WriteNoteAt(int x, int y, const PencilSettings& pencil) {
    if (!GetBox().Contains(x, y)) {
        return nullptr;
    }
    int step = -1;
    const NoteChord* first = FirstChord();
    if (first != nullptr && first->GetStep() == 0 && first->IsRest() &&
        first->GetLength() == GetSteps()) {
        step = 0;
    } else {
        for (const NoteChord* chord = first; chord != nullptr; chord = ChordAfter(*chord)) {
            const Box& head = chord->First()->GetBox();
            if (head.x <= x && x <= head.x + head.width) {
                step = chord->GetStep();
                break;
            }
        }
    }
    if (step < 0) {
        return nullptr;
    }
    Pitch pitch{Note::kRestLetter, StepGrid::kRestOctave, Note::NoAccidental, false};
    if (!pencil.rest) {
        pitch = PitchAt(x, y, pencil);
        if (pitch.outside) {
            return nullptr;
        }
    }
    const NoteChord* chord = GetChordAt(step);
    if (!chord->IsRest()) {
        return InsertNote(step, pitch.letter, pitch.octave, pitch.accidental,
                          static_cast<int>(chord->GetTimeValue(true)), chord->IsDotted(),
                          chord->IsTriplet());
    }
    return InsertNote(step, pitch.letter, pitch.octave, pitch.accidental, pencil.noteValue,
                      pencil.dotted, pencil.triplet);
}

Note* NoteBar::InsertNote(int step, char letter, int octave, int accidental, int value, bool dotted,
                          bool triplet) {
    const bool rest = letter == Note::kRestLetter;
    if (rest) {
        accidental = Note::NoAccidental;
    } else {
        if (Note::SemitoneOf(letter) < 0 || octave < kLowestOctave || octave > kHighestOctave ||
            !Note::IsValidAccidental(accidental)) {
            return nullptr;
        }
        NormalizeEnteredPitch(letter, octave, accidental);
    }
    const std::optional<StepGrid::Insertion> plan =
        m_grid.PlanInsert({step, letter, octave, accidental, value, dotted, triplet});
    if (!plan) {
        return nullptr;
    }
    EditingState::Instance().ClearSelection(true);
    Note* result = m_grid.Insert(*plan, GridEdit());
    if (!rest) {
        RefreshAccidentals(letter, octave);
    }
    SyncLyrics();
    Repaint();
    return result;
}

bool NoteBar::EraseNoteAt(int x, int y) {
    for (NoteChord* chord = FirstChord(); chord != nullptr; chord = ChordAfter(*chord)) {
        SelObject* hit = chord->HitTest(x, y);
        if (hit != nullptr && hit->IsA("Note")) {
            if (!EraseNote(static_cast<Note*>(hit))) {
                return false;
            }
            NotifyChanged();
            return true;
        }
    }
    return false;
}

bool NoteBar::EraseNote(Note* note) {
    if (!Holds(note)) {
        return false;
    }
    const char letter = note->GetLetter();
    const int octave = note->GetOctave();
    const bool wasRest = note->IsRest();
    EditingState::Instance().ClearSelection(true);
    TieChain::Cut(*note, true, true);
    note->SetTieMode(Note::NotTied);
    m_grid.Remove(*note, GridEdit());
    if (!wasRest) {
        RefreshAccidentals(letter, octave);
    }
    SyncLyrics();
    Repaint();
    return true;
}

bool NoteBar::ReplaceWithRest(int step) {
    NoteChord* chord = GetChordAt(step);
    if (chord == nullptr) {
        return false;
    }
    ReleaseToolReferences();
    if (!chord->IsRest()) {
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            TieChain::Cut(*chord->GetNote(i), true, true);
        }
    }
    m_grid.ToRest(step, GridEdit());
    SyncLyrics();
    Repaint();
    return true;
}

void NoteBar::FillRests(int start, int length, bool inTriplet) {
    if (start < 0 || start >= GetSteps() || length <= 0) {
        return;
    }
    ReleaseToolReferences();
    m_grid.FillRests(start, length, inTriplet, GridEdit());
    SyncLyrics();
    Repaint();
}

int NoteBar::FreeLength(int step, bool inTriplet) const {
    return m_grid.FreeLength(step, inTriplet);
}

NoteBar::TripletGroup NoteBar::GroupAt(int step) const {
    return m_grid.GroupAt(step);
}

bool NoteBar::AddMark(int step, int code) {
    const NoteChord* chord = GetChordAt(step);
    if (chord == nullptr || DynamicMark::NameOf(code) == nullptr) {
        return false;
    }
    m_marks.erase(step);
    if (chord->IsRest()) {
        return false;
    }
    m_marks.emplace(step, code);
    Repaint();
    return true;
}

bool NoteBar::AddMarkByName(int step, std::string_view name) {
    const int code = DynamicMark::CodeOf(name);
    return code >= 0 && AddMark(step, code);
}

void NoteBar::RemoveMarks(int step) {
    m_marks.erase(step);
}

bool NoteBar::HasMark(int step, int code) const {
    const auto [first, last] = m_marks.equal_range(step);
    return std::any_of(first, last, [code](const auto& mark) { return mark.second == code; });
}

void NoteBar::ShowLyrics() {
    if (IsLyricShown()) {
        return;
    }
    SyncLyrics(true);
}

void NoteBar::HideLyrics() {
    ReleaseToolReferences();
    m_lyrics.Clear();
}

void NoteBar::SyncLyrics() {
    SyncLyrics(IsLyricShown());
}

void NoteBar::SyncLyrics(bool shown) {
    if (shown) {
        ReleaseToolReferences();
        m_lyrics.Sync(*this);
    }
}

void NoteBar::CutTiesAtStart() {
    TieChain::CutAtStart(*this);
}

void NoteBar::CutTiesAtEnd() {
    TieChain::CutAtEnd(*this);
}

void NoteBar::ClearFrom(int beat) {
    const int step = beat * GetStepsPerBeat();
    if (beat < 0 || step >= GetSteps()) {
        return;
    }
    ReleaseToolReferences();
    const bool lyricsShown = IsLyricShown();
    ClearFromStep(step);
    // Left alone the cleared steps would be a hole in the grid.
    m_grid.FillRange(step, GetSteps() - step, 0, GridEdit());
    SyncLyrics(lyricsShown);
    Repaint();
}

NoteChord* NoteBar::FirstChord() const {
    return m_grid.First();
}

NoteChord* NoteBar::LastChord() const {
    return m_grid.Last();
}

NoteChord* NoteBar::ChordAfter(const NoteChord& chord) const {
    return m_grid.After(chord);
}

NoteChord* NoteBar::ChordBefore(const NoteChord& chord) const {
    return m_grid.Before(chord);
}

NoteBar* NoteBar::NeighbourBar(int delta) const {
    const Track* track = GetTrack();
    if (track == nullptr || track->GetBar(GetIndex()) != this) {
        return nullptr;
    }
    return dynamic_cast<NoteBar*>(track->GetBar(GetIndex() + delta));
}

int NoteBar::StepX(const Note& note) const {
    const Box& box = GetBox();
    if (note.IsRest() && note.GetLength() == GetSteps()) {
        return box.x + box.width / 2;
    }
    const double offset =
        static_cast<double>(note.GetStep()) * (box.width - 40) / static_cast<double>(GetSteps());
    return box.x + 40 + static_cast<int>(offset);
}

Box NoteBar::HeadBox(const Placement& placement, bool rest) {
    // A head is one staff space high, centred on its line or space (y + 5);
    // a rest stands over three spaces around the middle line.
    if (rest) {
        return {placement.x - 10, placement.y - 25, 20, 60};
    }
    return {placement.x - 10, placement.y - 5, 20, 20};
}

void NoteBar::PutWholeBarRest() {
    m_grid.PutWholeBarRest(GridEdit());
}

void NoteBar::PlaceHead(Note& note) const {
    note.SetBox(HeadBox(PlaceNote(note), note.IsRest()));
}

void NoteBar::ReleaseToolReferences() const {
    EditingState::Instance().ForgetOwnedBy(this);
}

StepGrid::EditContext NoteBar::GridEdit() {
    return {*this, NoteClefCode(), [this](Note& note) { PlaceHead(note); }, m_marks};
}

void NoteBar::ClearFromStep(int step) {
    m_lyrics.EraseFrom(step);
    m_grid.ClearFrom(step, GridEdit());
}

void NoteBar::RefreshAccidentals(char letter, int octave) {
    Track* track = GetTrack();
    if (track != nullptr && track->GetBar(GetIndex()) == this) {
        track->RefreshTieAccidentals(GetIndex(), letter, octave);
    }
}

bool NoteBar::Holds(const Note* note) const {
    const NoteChord* chord = note != nullptr ? note->GetChord() : nullptr;
    return chord != nullptr && chord->GetParent() == this && GetChordAt(chord->GetStep()) == chord;
}

void NoteBar::Serialize(Archive& archive) {
    NoteBarArchive(*this).Serialize(archive);
}
