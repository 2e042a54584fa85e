#include "model/NoteChord.h"

#include <algorithm>

#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/NoteBar.h"
#include "model/StemVote.h"

namespace {
constexpr int kStemLength = 60;
// Stems start a little inside the head: above its middle going up, below
// going down.
constexpr int kUpStemDy = 3;
constexpr int kDownStemDy = 6;
}  // namespace

NoteChord::NoteChord(SelObject* bar) : SelObject(bar, false) {}

NoteChord::NoteChord(SelObject* bar, std::unique_ptr<Note> first) : SelObject(bar, false) {
    AddNote(std::move(first));
}

NoteChord::NoteChord(const NoteChord& other) : SelObject(other) {
    m_notes.reserve(other.m_notes.size());
    for (const auto& note : other.m_notes) {
        auto copy = std::make_unique<Note>(*note);
        copy->SetParent(this);
        m_notes.push_back(std::move(copy));
    }
}

std::unique_ptr<SelObject> NoteChord::Clone() const {
    return std::make_unique<NoteChord>(*this);
}

SelObject* NoteChord::HitTest(int x, int y) {
    for (const auto& note : m_notes) {
        if (SelObject* hit = note->HitTest(x, y)) {
            return hit;
        }
    }
    return nullptr;
}

Note* NoteChord::AddNote(std::unique_ptr<Note> note) {
    if (!note) {
        return nullptr;
    }
    note->SetParent(this);
    m_notes.push_back(std::move(note));
    return m_notes.back().get();
}

bool NoteChord::RemoveNote(const Note* note) {
    const auto found = std::find_if(m_notes.begin(), m_notes.end(),
                                    [note](const auto& owned) { return owned.get() == note; });
    if (found == m_notes.end()) {
        return false;
    }
    m_notes.erase(found);
    return true;
}

void NoteChord::MakeRest() {
    if (m_notes.empty()) {
        return;
    }
    m_notes.resize(1);
    m_notes.front()->MakeRest();
}

Note* NoteChord::GetNote(int i) const {
    return i >= 0 && i < GetNoteCount() ? m_notes[static_cast<size_t>(i)].get() : nullptr;
}

int NoteChord::GetStep() const {
    return m_notes.empty() ? -1 : First()->GetStep();
}

bool NoteChord::IsTriplet() const {
    return !m_notes.empty() && First()->IsTriplet();
}

int NoteChord::GetTripletLength() const {
    return m_notes.empty() ? 0 : First()->GetTripletLength();
}

bool NoteChord::IsDotted() const {
    return !m_notes.empty() && First()->IsDotted();
}

bool NoteChord::HasTie() const {
    return std::any_of(m_notes.begin(), m_notes.end(),
                       [](const auto& note) { return note->IsTied(); });
}

bool NoteChord::HasPitch(int octave, char letter) const {
    return FindPitch(octave, letter) != nullptr;
}

Note* NoteChord::FindPitch(int octave, char letter) const {
    for (const auto& note : m_notes) {
        if (note->GetOctave() == octave && note->GetLetter() == letter) {
            return note.get();
        }
    }
    return nullptr;
}

void NoteChord::SetStep(int step) {
    for (auto& note : m_notes) {
        note->SetStep(step);
    }
}

void NoteChord::SetTripletLength(int length) {
    for (auto& note : m_notes) {
        note->SetTripletLength(length);
    }
}

void NoteChord::SetClef(int clef) {
    for (auto& note : m_notes) {
        note->SetClef(clef);
    }
}

void NoteChord::SetLengthRaw(int length) {
    for (auto& note : m_notes) {
        note->SetLengthRaw(length);
    }
}

Note* NoteChord::GetHighestNote() const {
    const auto found = std::min_element(
        m_notes.begin(), m_notes.end(),
        [](const auto& a, const auto& b) { return a->GetBox().y < b->GetBox().y; });
    return found != m_notes.end() ? found->get() : nullptr;
}

Note* NoteChord::GetLowestNote() const {
    const auto found = std::max_element(
        m_notes.begin(), m_notes.end(),
        [](const auto& a, const auto& b) { return a->GetBox().y < b->GetBox().y; });
    return found != m_notes.end() ? found->get() : nullptr;
}

NoteChord::StemPlan NoteChord::PlanStem() const {
    StemPlan plan;
    if (m_notes.empty() || IsRest()) {
        return plan;
    }
    StemVote vote;
    for (const auto& note : m_notes) {
        vote.Add(*note);
    }
    plan.down = vote.StemsDown();
    Note* highest = GetHighestNote();
    Note* lowest = GetLowestNote();
    plan.note = plan.down ? highest : lowest;
    plan.length = lowest->GetBox().y - highest->GetBox().y + kStemLength;
    if (const auto* bar = dynamic_cast<const NoteBar*>(GetParent())) {
        const Box& box = bar->GetBox();
        const int middle = box.y + box.height / 2 - 20;
        const int start = PlacedAt(*plan.note).y + (plan.down ? kDownStemDy : kUpStemDy);
        plan.length = std::max(plan.length, plan.down ? middle - start : start - middle);
    }
    return plan;
}

void NoteChord::DrawChord(DeviceContext& dc, bool withStems, bool noAccent) {
    const DrawResources& resources = DrawResources::Instance();
    dc.SelectFont(resources.scoreFont);
    dc.SelectPen(resources.blackPen);
    DrawPlanned(dc, withStems ? PlanStem() : StemPlan{}, noAccent);
}

void NoteChord::DrawPlanned(DeviceContext& dc, const StemPlan& stem, bool noAccent) {
    for (const auto& note : m_notes) {
        if (note.get() == stem.note) {
            note->Draw(dc, true, stem.length, stem.down, true, noAccent);
        } else {
            note->Draw(dc, false, 0, false, false, noAccent);
        }
    }
}

Point NoteChord::PlacedAt(const Note& note) {
    // The inverse of NoteBar::HeadBox.
    const Box& box = note.GetBox();
    return {box.x + 10, box.y + (note.IsRest() ? 25 : 5)};
}

void NoteChord::Serialize(Archive& archive) {
    for (auto& note : m_notes) {
        note->Serialize(archive);
    }
}
