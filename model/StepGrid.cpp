#include "model/StepGrid.h"

#include <algorithm>
#include <array>
#include <utility>

#include "model/SelObject.h"

namespace {
constexpr int kStepsPerWhole = 96;
constexpr int kTripletStepsPerWhole = 64;
constexpr std::array<int, 6> kWrittenValues = {1, 2, 4, 8, 16, 32};

bool IsWrittenValue(int value) {
    return std::find(kWrittenValues.begin(), kWrittenValues.end(), value) != kWrittenValues.end();
}

StepGrid::Entry RestEntry(int step, int value, bool triplet) {
    return {step,   Note::kRestLetter, StepGrid::kRestOctave, Note::NoAccidental, value, false,
            triplet};
}
}  // namespace

StepGrid::StepGrid(int steps, const RestPlan& plan)
    : m_chords(static_cast<size_t>(std::max(steps, 0))), m_plan(plan) {}

StepGrid::StepGrid(const StepGrid& other, SelObject* bar)
    : m_chords(other.m_chords.size()), m_plan(other.m_plan) {
    for (size_t step = 0; step < other.m_chords.size(); ++step) {
        if (const auto& chord = other.m_chords[step]) {
            m_chords[step] = std::make_unique<NoteChord>(*chord);
            m_chords[step]->SetParent(bar);
        }
    }
}

NoteChord* StepGrid::At(int step) const {
    if (step < 0 || step >= Steps()) {
        return nullptr;
    }
    return m_chords[static_cast<size_t>(step)].get();
}

NoteChord* StepGrid::First() const {
    for (const auto& chord : m_chords) {
        if (chord) {
            return chord.get();
        }
    }
    return nullptr;
}

NoteChord* StepGrid::Last() const {
    for (auto it = m_chords.rbegin(); it != m_chords.rend(); ++it) {
        if (*it) {
            return it->get();
        }
    }
    return nullptr;
}

NoteChord* StepGrid::After(const NoteChord& chord) const {
    for (int s = chord.GetStep() + 1; s < Steps(); ++s) {
        if (m_chords[static_cast<size_t>(s)]) {
            return m_chords[static_cast<size_t>(s)].get();
        }
    }
    return nullptr;
}

NoteChord* StepGrid::Before(const NoteChord& chord) const {
    for (int s = std::min(chord.GetStep(), Steps()) - 1; s >= 0; --s) {
        if (m_chords[static_cast<size_t>(s)]) {
            return m_chords[static_cast<size_t>(s)].get();
        }
    }
    return nullptr;
}

int StepGrid::FreeLength(int step, bool inTriplet) const {
    const NoteChord* at = At(step);
    if (at == nullptr || !at->IsRest()) {
        return 0;
    }
    int limit = Steps() - 1;
    const TripletGroup group = inTriplet ? GroupAt(step) : TripletGroup{};
    if (group.start >= 0) {
        limit = group.start + group.length - 1;
    } else {
        for (int s = step; s < Steps(); ++s) {
            if (m_chords[static_cast<size_t>(s)] && m_chords[static_cast<size_t>(s)]->IsTriplet()) {
                limit = s - 1;
                break;
            }
        }
    }
    int free = 0;
    for (int s = step; s <= limit;) {
        const NoteChord* chord = At(s);
        if (chord == nullptr || !chord->IsRest() || chord->GetLength() <= 0) {
            break;
        }
        free += chord->GetLength();
        s += chord->GetLength();
    }
    return free;
}

StepGrid::TripletGroup StepGrid::GroupAt(int step) const {
    for (int s = std::min(step, Steps() - 1); s >= 0; --s) {
        const NoteChord* chord = m_chords[static_cast<size_t>(s)].get();
        if (chord == nullptr) {
            continue;
        }
        if (!chord->IsTriplet()) {
            return {};
        }
        if (chord->GetTripletLength() > 0) {
            if (s + chord->GetTripletLength() > step) {
                return {s, chord->GetTripletLength()};
            }
            return {};
        }
    }
    return {};
}

bool StepGrid::IsConsistent() const {
    int groupEnd = 0;
    int step = 0;
    while (step < Steps()) {
        const NoteChord* chord = At(step);
        if (chord == nullptr || chord->GetNoteCount() == 0) {
            return false;
        }
        const Note& first = *chord->First();
        for (int n = 1; n < chord->GetNoteCount(); ++n) {
            const Note& other = *chord->GetNote(n);
            if (other.GetLength() != first.GetLength() || other.IsTriplet() != first.IsTriplet() ||
                other.IsRest() || first.IsRest()) {
                return false;
            }
        }
        if (first.IsTriplet() && first.GetTripletLength() > 0) {
            if (step < groupEnd || first.GetTripletLength() > Steps() - step) {
                return false;
            }
            groupEnd = step + first.GetTripletLength();
        }
        if (first.IsTriplet() != (step < groupEnd) ||
            (first.IsTriplet() && step + first.GetLength() > groupEnd)) {
            return false;
        }
        for (int covered = step + 1; covered < step + first.GetLength(); ++covered) {
            if (At(covered) != nullptr) {
                return false;
            }
        }
        step += first.GetLength();
    }
    return step == Steps();
}

std::optional<StepGrid::Insertion> StepGrid::PlanInsert(const Entry& entry) const {
    const NoteChord* at = At(entry.step);
    if (at == nullptr || !IsWrittenValue(entry.value) || (entry.dotted && entry.triplet)) {
        return std::nullopt;
    }
    if (!entry.triplet && at->IsTriplet()) {
        return std::nullopt;
    }
    const bool rest = entry.letter == Note::kRestLetter;
    Insertion plan;
    plan.entry = entry;
    if (!entry.triplet) {
        plan.length = rest && entry.value == 1 ? Steps() : kStepsPerWhole / entry.value;
        if (entry.dotted) {
            plan.length += plan.length / 2;
        }
    } else if (!at->IsTriplet()) {
        if (entry.value == 1) {
            return std::nullopt;
        }
        plan.newGroup = true;
        plan.length = 3 * kTripletStepsPerWhole / entry.value;
    } else {
        // Members of a group are equal; a group of other members would no
        // longer hold three.
        plan.length = kTripletStepsPerWhole / entry.value;
        plan.joined = GroupAt(entry.step);
        if (plan.joined.start < 0 || 3 * plan.length != plan.joined.length) {
            return std::nullopt;
        }
    }
    if (!at->IsRest()) {
        if (at->GetLength() != plan.length || rest || plan.newGroup ||
            at->HasPitch(entry.octave, entry.letter)) {
            return std::nullopt;
        }
        return plan;
    }
    const bool joining = plan.joined.start >= 0;
    plan.free = FreeLength(entry.step, joining);
    const int memberLength = joining ? plan.length : 0;
    if (plan.free < plan.length ||
        !m_plan.Covers(entry.step + plan.length, plan.free - plan.length, memberLength)) {
        return std::nullopt;
    }
    return plan;
}

Note* StepGrid::Insert(const Insertion& plan, const EditContext& context) {
    const Entry& entry = plan.entry;
    const int step = entry.step;
    NoteChord& at = *At(step);
    if (!at.IsRest()) {
        return AddNewNote(at, entry, at.GetTripletLength(), plan.length, context);
    }
    const bool joining = plan.joined.start >= 0;
    DeleteChords(step, plan.free, context.marks);
    Note* result = nullptr;
    if (plan.newGroup) {
        const int member = kTripletStepsPerWhole / entry.value;
        Entry first = entry;
        first.dotted = false;
        first.triplet = true;
        result = AddNewNote(NewChord(step, context), first, plan.length, member, context);
        for (int k = 1; k < 3; ++k) {
            const int memberStep = step + k * member;
            AddNewNote(NewChord(memberStep, context), RestEntry(memberStep, entry.value, true), 0,
                       member, context);
        }
    } else {
        const int groupLength = joining && plan.joined.start == step ? plan.joined.length : 0;
        result = AddNewNote(NewChord(step, context), entry, groupLength, plan.length, context);
    }
    FillRange(step + plan.length, plan.free - plan.length, joining ? plan.length : 0, context);
    return result;
}

void StepGrid::PutWholeBarRest(const EditContext& context) {
    // A fresh bar's rest carries octave 1, unlike the rests edits write;
    // song files store it.
    const Entry whole{0, Note::kRestLetter, 1, Note::NoAccidental, 1, false, false};
    AddNewNote(NewChord(0, context), whole, 0, Steps(), context);
}

void StepGrid::Remove(Note& note, const EditContext& context) {
    const int step = note.GetStep();
    NoteChord* chord = note.GetChord();
    if (chord->GetNoteCount() == 1) {
        if (note.IsRest()) {
            MergeRests(step, context);
        } else {
            chord->MakeRest();
            context.placeHead(*chord->First());
        }
    } else {
        chord->RemoveNote(&note);
    }
    const NoteChord* now = At(step);
    if (now == nullptr || now->IsRest()) {
        context.marks.erase(step);
    }
}

void StepGrid::ToRest(int step, const EditContext& context) {
    NoteChord& chord = *At(step);
    if (chord.IsRest()) {
        MergeRests(step, context);
        return;
    }
    chord.MakeRest();
    chord.First()->SetTieMode(Note::NotTied);
    context.placeHead(*chord.First());
    context.marks.erase(step);
}

void StepGrid::MergeRests(int step, const EditContext& context) {
    const NoteChord* rest = At(step);
    TripletGroup group = rest->IsTriplet() ? GroupAt(step) : TripletGroup{};
    int start = step;
    int length = FreeLength(step, group.start >= 0);
    int memberLength = 0;
    if (rest->IsTriplet() && group.start < 0) {
        // A triplet rest outside any group goes back to plain rests.
        length = rest->GetLength();
    } else if (group.start >= 0 && FreeLength(group.start, true) == group.length) {
        // A group whose members are all rests dissolves into plain rests,
        // whichever of its members is erased.
        start = group.start;
        length = group.length;
        group = {};
    } else if (group.start >= 0) {
        memberLength = group.length / 3;
    }
    // Rests that cannot be written again exactly stay as they are.
    if (!m_plan.Covers(start, length, memberLength)) {
        return;
    }
    FillRange(start, length, memberLength, context);
    if (group.start == step) {
        At(step)->SetTripletLength(group.length);
    }
}

void StepGrid::FillRests(int start, int length, bool inTriplet, const EditContext& context) {
    length = std::min(length, Steps() - start);
    int memberLength = 0;
    if (inTriplet) {
        const TripletGroup group = GroupAt(start);
        memberLength = group.start >= 0 ? group.length / 3 : 0;
    }
    FillRange(start, length, memberLength, context);
}

void StepGrid::FillRange(int start, int length, int memberLength, const EditContext& context) {
    const bool inGroup = memberLength > 0;
    DeleteChords(start, length, context.marks);
    for (const RestPlan::Rest& rest : m_plan.Plan(start, length, memberLength)) {
        AddNewNote(NewChord(rest.step, context), RestEntry(rest.step, rest.value, inGroup), 0,
                   rest.length, context);
    }
}

void StepGrid::ClearFrom(int step, const EditContext& context) {
    for (int s = step; s < Steps(); ++s) {
        m_chords[static_cast<size_t>(s)].reset();
    }
    context.marks.erase(context.marks.lower_bound(step), context.marks.end());
    if (step <= 0) {
        return;
    }
    for (int s = step - 1; s >= 0; --s) {
        if (NoteChord* chord = m_chords[static_cast<size_t>(s)].get()) {
            if (chord->GetEndStep() >= step) {
                chord->SetLengthRaw(step - s);
                for (int i = 0; i < chord->GetNoteCount(); ++i) {
                    context.placeHead(*chord->GetNote(i));
                }
            }
            break;
        }
    }
}

void StepGrid::Paste(const StepGrid& source, int offset, int count, bool oneDrumNote,
                     const EditContext& context) {
    for (int s = 0; s < count; ++s) {
        const NoteChord* original = source.At(s);
        if (original == nullptr || original->GetNoteCount() == 0) {
            continue;
        }
        auto chord = std::make_unique<NoteChord>(*original);
        chord->SetParent(&context.bar);
        chord->SetStep(s + offset);
        chord->SetClef(context.clef);
        if (oneDrumNote) {
            // A drum track plays one sound: the chord keeps one note on the line.
            while (chord->GetNoteCount() > 1) {
                chord->RemoveNote(chord->GetNote(chord->GetNoteCount() - 1));
            }
            if (!chord->IsRest()) {
                chord->First()->SetPitch(5, 'C');
                chord->First()->SetAccidentalRaw(Note::NoAccidental);
            }
        }
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            context.placeHead(*chord->GetNote(i));
        }
        m_chords[static_cast<size_t>(s + offset)] = std::move(chord);
    }
    if (NoteChord* last = Last()) {
        if (last->GetEndStep() >= Steps()) {
            last->SetLengthRaw(Steps() - last->GetStep());
        } else if (last->GetEndStep() < Steps() - 1) {
            // A shorter source leaves the end of the bar to rests.
            FillRange(last->GetEndStep() + 1, Steps() - 1 - last->GetEndStep(), 0, context);
        }
    }
}

void StepGrid::Clear() {
    for (auto& chord : m_chords) {
        chord.reset();
    }
}

void StepGrid::AddRead(std::unique_ptr<Note> note, SelObject& bar) {
    auto& slot = m_chords[static_cast<size_t>(note->GetStep())];
    if (!slot) {
        slot = std::make_unique<NoteChord>(&bar);
    }
    slot->AddNote(std::move(note));
}

void StepGrid::Put(int step, std::unique_ptr<NoteChord> chord) {
    m_chords.at(static_cast<size_t>(step)) = std::move(chord);
}

NoteChord& StepGrid::NewChord(int step, const EditContext& context) {
    auto chord = std::make_unique<NoteChord>(&context.bar);
    chord->CopyObservers(context.bar);
    m_chords[static_cast<size_t>(step)] = std::move(chord);
    return *m_chords[static_cast<size_t>(step)];
}

Note* StepGrid::AddNewNote(NoteChord& chord, const Entry& note, int groupLength, int length,
                           const EditContext& context) {
    auto made = std::make_unique<Note>(&chord, note.step, note.letter, note.octave, note.value,
                                       note.accidental, note.dotted, context.clef, note.triplet,
                                       groupLength);
    made->SetLengthRaw(length);
    Note* added = chord.AddNote(std::move(made));
    context.placeHead(*added);
    return added;
}

void StepGrid::DeleteChords(int first, int count, Marks& marks) {
    const int last = std::min(first + count, Steps());
    for (int s = std::max(first, 0); s < last; ++s) {
        m_chords[static_cast<size_t>(s)].reset();
        marks.erase(s);
    }
}
