#include "model/NoteBar.h"

#include "model/Track.h"

NoteBar::NoteBar(Track* track, int index, const Box& box)
    : Bar(track, index, box), m_grid(static_cast<size_t>(GetSteps())) {}

NoteBar::NoteBar(const NoteBar& other)
    : Bar(other), m_grid(other.m_grid.size()), m_marks(other.m_marks) {
    for (size_t step = 0; step < other.m_grid.size(); ++step) {
        if (const auto& chord = other.m_grid[step]) {
            m_grid[step] = std::make_unique<NoteChord>(*chord);
            m_grid[step]->SetParent(this);
        }
    }
    for (const auto& [step, lyric] : other.m_lyrics) {
        auto copy = std::make_unique<LyricText>(*lyric);
        copy->SetParent(this);
        m_lyrics.emplace(step, std::move(copy));
    }
}

SelObject* NoteBar::HitTest(int x, int y) {
    if (!GetBox().Contains(x, y)) {
        return nullptr;
    }
    for (size_t step = 0; step < m_grid.size(); ++step) {
        const auto lyric = m_lyrics.find(static_cast<int>(step));
        if (lyric != m_lyrics.end()) {
            if (SelObject* hit = lyric->second->HitTest(x, y)) {
                return hit;
            }
        }
        if (m_grid[step]) {
            if (SelObject* hit = m_grid[step]->HitTest(x, y)) {
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
    for (size_t step = 0; step < m_grid.size(); ++step) {
        if (m_grid[step]) {
            m_grid[step]->Attach(observer, aspect);
        }
        const auto lyric = m_lyrics.find(static_cast<int>(step));
        if (lyric != m_lyrics.end()) {
            lyric->second->Attach(observer, aspect);
        }
    }
}

void NoteBar::PlaceNotes(const Box& box) {
    SetBox(box);
}

void NoteBar::ClearContent() {
    const bool lyricsShown = IsLyricShown();
    for (auto& chord : m_grid) {
        chord.reset();
    }
    m_lyrics.clear();
    m_marks.clear();
    PutWholeBarRest();
    if (lyricsShown) {
        m_lyrics.emplace(0, MakeLyric(0));
    }
    Repaint();
}

NoteChord* NoteBar::GetChordAt(int step) const {
    if (step < 0 || step >= static_cast<int>(m_grid.size())) {
        return nullptr;
    }
    return m_grid[static_cast<size_t>(step)].get();
}

void NoteBar::PutWholeBarRest() {
    auto chord = std::make_unique<NoteChord>(this);
    chord->AddNote(std::make_unique<Note>(chord.get(), 0, Note::kRestLetter, 1, 1,
                                          Note::NoAccidental, false, NoteClefCode(), false, 0));
    m_grid[0] = std::move(chord);
}

std::unique_ptr<LyricText> NoteBar::MakeLyric(int step) {
    const Track* track = GetTrack();
    const int offset = track != nullptr && track->IsPercussion() ? 110 : 190;
    Box box{GetBox().x, GetBox().y + offset, 20, LyricText::kHeight};
    if (const NoteChord* chord = GetChordAt(step); chord != nullptr && chord->First() != nullptr) {
        const Box& head = chord->First()->GetBox();
        box.x = head.x - 10;
        box.width = head.width + 20;
    }
    auto lyric = std::make_unique<LyricText>(this, box);
    lyric->CopyObservers(*this);
    return lyric;
}
