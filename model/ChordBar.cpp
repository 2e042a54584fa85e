#include "model/ChordBar.h"

#include <algorithm>

#include "model/DeviceContext.h"
#include "model/MelodicBar.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

ChordBar::ChordBar(Track* track, int index, const Box& box)
    : Bar(track, index, box),
      m_beats(std::max(1, PropertyOr("NumOfBeats", 4))),
      m_boxes(static_cast<size_t>(GetSteps())) {
    const int stepsPerBeat = std::max(1, PropertyOr("NumOfStepsPerBeat", 24));
    const bool sharps = PropertyOr("KeySignature", 0) >= 0;
    for (int beat = 0; beat < m_beats; ++beat) {
        const int step = beat * stepsPerBeat;
        if (step >= GetSteps()) {
            break;
        }
        AdoptBox(std::make_unique<ChordCombo>(this, step, Rect{}, sharps), step);
    }
    if (index == 0 && m_boxes[0]) {
        m_boxes[0]->SetSubStyle(ChordCombo::StyleA);
    }
    PlaceNotes(box);
}

ChordBar::ChordBar(const ChordBar& other)
    : Bar(other), Observer(), m_beats(other.m_beats), m_boxes(other.m_boxes.size()) {
    for (size_t step = 0; step < other.m_boxes.size(); ++step) {
        if (other.m_boxes[step]) {
            auto copy = std::make_unique<ChordCombo>(*other.m_boxes[step]);
            copy->DetachAll();
            AdoptBox(std::move(copy), static_cast<int>(step));
        }
    }
}

std::unique_ptr<SelObject> ChordBar::Clone() const {
    return std::make_unique<ChordBar>(*this);
}

SelObject* ChordBar::HitTest(int x, int y) {
    if (!GetBox().Contains(x, y)) {
        return nullptr;
    }
    for (const auto& box : m_boxes) {
        if (box) {
            if (SelObject* hit = box->HitTest(x, y)) {
                return hit;
            }
        }
    }
    return nullptr;
}

Rect ChordBar::GetBoundingRect() const {
    return GetBox().ToRect();
}

void ChordBar::Draw(DeviceContext& dc) {
    if (!dc.RectVisible(GetBoundingRect())) {
        return;
    }
    for (const auto& box : m_boxes) {
        if (box) {
            box->Draw(dc);
        }
    }
}

bool ChordBar::SameKindAs(const SelObject& source) const {
    return source.IsA("ChordBar");
}

void ChordBar::PlaceNotes(const Box& box) {
    SetBox(box);
    const int beatWidth = (box.width - 40) / m_beats;
    for (int beat = 0; beat < m_beats; ++beat) {
        if (ChordCombo* combo = GetBeatBox(beat)) {
            const int left = box.x + 20 + beat * beatWidth;
            combo->SetRect({left, box.y, left + beatWidth - 5, box.y + box.height});
        }
    }
}

void ChordBar::ClearContent() {
    for (auto& box : m_boxes) {
        if (box) {
            box->SetIndex(0, false);
            box->SetSubStyle(ChordCombo::NoSubStyle);
        }
    }
    Repaint();
}

void ChordBar::Update(Subject*, int aspect) {
    Notify(aspect);
}

ChordCombo* ChordBar::GetBoxAt(int step) const {
    if (step < 0 || step >= static_cast<int>(m_boxes.size())) {
        return nullptr;
    }
    return m_boxes[static_cast<size_t>(step)].get();
}

ChordCombo* ChordBar::GetBeatBox(int beat) const {
    const int stepsPerBeat = GetSteps() / m_beats;
    return beat >= 0 && beat < m_beats ? GetBoxAt(beat * stepsPerBeat) : nullptr;
}

void ChordBar::AdoptBox(std::unique_ptr<ChordCombo> box, int step) {
    box->SetParent(this);
    box->SetStep(step);
    box->Attach(this, 10);
    box->Attach(this, 8);
    m_boxes[static_cast<size_t>(step)] = std::move(box);
}

void ChordBar::PasteIfSameKind(const SelObject& source, int) {
    if (SameKindAs(source)) {
        PasteFrom(static_cast<const Bar&>(source), 0);
    }
}

void ChordBar::PasteFrom(const Bar& source, int beatOffset) {
    const auto* chords = dynamic_cast<const ChordBar*>(&source);
    if (chords == nullptr) {
        return;
    }
    const int offset = beatOffset * (GetSteps() / m_beats);
    if (offset < 0 || offset >= GetSteps()) {
        return;
    }
    for (size_t step = static_cast<size_t>(offset); step < m_boxes.size(); ++step) {
        m_boxes[step].reset();
    }
    for (int step = 0; step + offset < GetSteps() && step < chords->GetSteps(); ++step) {
        if (const ChordCombo* box = chords->GetBoxAt(step)) {
            auto copy = std::make_unique<ChordCombo>(*box);
            copy->DetachAll();
            AdoptBox(std::move(copy), step + offset);
        }
    }
    PlaceNotes(GetBox());
}

bool ChordBar::ChangeKey(int newKey, bool) {
    const int diff = TonicOfKey(newKey) - TonicOfKey(PropertyOr("KeySignature", 0));
    for (auto& box : m_boxes) {
        if (!box) {
            continue;
        }
        box->SetSharps(newKey >= 0);
        const int number = box->GetChordNumber();
        if (number == 0) {
            continue;
        }
        int moved = diff * 3 + number - 1;
        if (moved < 0) {
            moved += 36;
        } else if (moved >= 36) {
            moved -= 36;
        }
        box->SetChordNumber(moved + 1, true);
    }
    return true;
}

void ChordBar::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        archive.NewBar();
        for (auto& box : m_boxes) {
            if (box) {
                box->Serialize(archive);
            }
        }
        return;
    }
    if (!archive.IsReading()) {
        return;
    }
    if (!archive.Has(Archive::BarElement)) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    const bool sharps = PropertyOr("KeySignature", 0) >= 0;
    for (bool more = archive.Has(Archive::BarElemElement); more; more = archive.NextBarElem()) {
        auto box = std::make_unique<ChordCombo>(this, 0, Rect{}, sharps);
        box->Serialize(archive);
        const int step = box->GetStep();
        if (step < 0 || step >= GetSteps()) {
            throw IOException(StringTable::Get(ids::kReadFileError));
        }
        if (GetIndex() == 0 && step == 0 && box->GetSubStyle() == ChordCombo::NoSubStyle) {
            box->SetSubStyle(ChordCombo::StyleA);
        }
        AdoptBox(std::move(box), step);
    }
    PlaceNotes(GetBox());
}

int ChordBar::PatternIndex(int quality, int subStyle) {
    static constexpr int kTable[3][6] = {
        {0, 2, 4, 6, 8, 0}, {1, 3, 5, 7, 9, 0}, {10, 11, 12, 13, 14, 0}};
    if (quality < 0 || quality > 2 || subStyle < 0 || subStyle > ChordCombo::NoSubStyle) {
        return 0;
    }
    return kTable[quality][subStyle];
}

void ChordBar::FillAccompaniment(const PatternRows& rows, const std::vector<Bar*>& outputBars,
                                 const ChordCombo*& lastStyled) const {
    if (rows.empty()) {
        return;
    }
    const int stepsPerBeat = GetSteps() / m_beats;
    for (size_t t = 0; t < outputBars.size(); ++t) {
        for (int beat = 0; beat < m_beats; ++beat) {
            const ChordCombo* box = GetBoxAt(beat * stepsPerBeat);
            if (GetIndex() == 0 && beat == 0) {
                lastStyled = box;
            }
            if (box == nullptr || ChordCombo::IsNoChordIndex(box->GetIndex())) {
                continue;
            }
            const std::string name = box->CurrentText();
            int subStyle = box->GetSubStyle();
            if (subStyle == ChordCombo::NoSubStyle) {
                subStyle =
                    lastStyled != nullptr ? lastStyled->GetSubStyle() : ChordCombo::NoSubStyle;
            } else {
                lastStyled = box;
            }
            size_t row = static_cast<size_t>(PatternIndex(ChordCombo::QualityOf(name), subStyle));
            if (row >= rows.size()) {
                row = 0;
            }
            if (t >= rows[row].size() || rows[row][t] == nullptr || outputBars[t] == nullptr) {
                continue;
            }
            PlayPattern(*rows[row][t], ChordCombo::RootOffsetOf(name), beat, *outputBars[t]);
        }
    }
}

void ChordBar::PlayPattern(const Bar& pattern, int rootOffset, int beat, Bar& output) {
    const auto* melodic = dynamic_cast<const MelodicBar*>(&pattern);
    if (melodic == nullptr) {
        // Drum patterns are copied whole from the bar's start at every chord.
        output.PasteFrom(pattern, 0);
        return;
    }
    // A bar of the pattern's own track, so the pattern file's key signature
    // spells the transposed notes.
    MelodicBar moved(melodic->GetTrack(), 0, Box{}, melodic->IsBass());
    moved.PasteFrom(pattern, 0);
    moved.TransposeSemitones(rootOffset, 0, moved.GetSteps() - 1);
    output.PasteFrom(moved, beat);
}
