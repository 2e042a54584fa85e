#include "model/LyricLine.h"

#include <iterator>

#include "model/NoteBar.h"

namespace {
constexpr int kOffset = 190;
constexpr int kDrumOffset = 110;
}  // namespace

LyricLine::LyricLine(const LyricLine& other, SelObject* bar) {
    for (const auto& [step, lyric] : other.m_entries) {
        auto copy = std::make_unique<LyricText>(*lyric);
        copy->SetParent(bar);
        m_entries.emplace(step, std::move(copy));
    }
}

LyricText* LyricLine::At(int step) const {
    const auto found = m_entries.find(step);
    return found != m_entries.end() ? found->second.get() : nullptr;
}

void LyricLine::EraseFrom(int step) {
    m_entries.erase(m_entries.lower_bound(step), m_entries.end());
}

LyricText& LyricLine::Add(NoteBar& bar, int step) {
    auto lyric = std::make_unique<LyricText>(&bar, BoxUnder(bar, step));
    lyric->CopyObservers(bar);
    auto& slot = m_entries[step];
    slot = std::move(lyric);
    return *slot;
}

void LyricLine::Sync(NoteBar& bar) {
    // From the last step to the first, so that a run of swallowed syllables
    // ends up, in order, on the syllable before them.
    for (auto it = m_entries.end(); it != m_entries.begin();) {
        --it;
        if (bar.GetChordAt(it->first) != nullptr) {
            continue;
        }
        if (it != m_entries.begin()) {
            LyricText& earlier = *std::prev(it)->second;
            earlier.SetText(earlier.GetText() + it->second->GetText());
        }
        it = m_entries.erase(it);
    }
    for (int step = 0; step < bar.GetSteps(); ++step) {
        if (bar.GetChordAt(step) != nullptr && m_entries.find(step) == m_entries.end()) {
            Add(bar, step);
        }
    }
    Place(bar);
}

void LyricLine::Place(const NoteBar& bar) {
    for (auto& [step, lyric] : m_entries) {
        lyric->SetBox(BoxUnder(bar, step));
    }
}

Box LyricLine::BoxUnder(const NoteBar& bar, int step) {
    const int offset = bar.NoteClefCode() == NoteBar::PercussionClef ? kDrumOffset : kOffset;
    Box box{bar.GetBox().x, bar.GetBox().y + offset, 20, LyricText::kHeight};
    if (const NoteChord* chord = bar.GetChordAt(step); chord != nullptr && chord->First()) {
        const Box& head = chord->First()->GetBox();
        box.x = head.x - 10;
        box.width = head.width + 20;
    }
    return box;
}
