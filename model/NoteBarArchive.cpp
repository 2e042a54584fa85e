#include "model/NoteBarArchive.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "model/Archive.h"
#include "model/DynamicMark.h"
#include "model/NoteBar.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

void NoteBarArchive::Serialize(Archive& archive) {
    if (archive.IsStoring()) {
        Store(archive);
    } else if (archive.IsReading()) {
        Load(archive);
    }
}

void NoteBarArchive::Store(Archive& archive) const {
    archive.NewBar();
    const StepGrid::Chords& chords = m_bar.m_grid.GetChords();
    for (size_t step = 0; step < chords.size(); ++step) {
        if (!chords[step]) {
            continue;
        }
        chords[step]->Serialize(archive);
        if (LyricText* lyric = m_bar.m_lyrics.At(static_cast<int>(step))) {
            lyric->Serialize(archive);
        }
        const auto mark = m_bar.m_marks.find(static_cast<int>(step));
        if (mark != m_bar.m_marks.end()) {
            if (const char* name = DynamicMark::NameOf(mark->second)) {
                archive.WriteText(Archive::BarElemElement, "dyn", name);
            }
        }
    }
}

void NoteBarArchive::Load(Archive& archive) {
    if (!archive.Has(Archive::BarElement)) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    const bool lyricsShown = m_bar.IsLyricShown();
    m_bar.ReleaseToolReferences();
    m_bar.m_grid.Clear();
    m_bar.m_lyrics.Clear();
    m_bar.m_marks.clear();
    for (bool more = archive.Has(Archive::BarElemElement); more; more = archive.NextBarElem()) {
        LoadElement(archive, lyricsShown);
    }
    if (!m_bar.m_grid.IsConsistent()) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    // A mark read before its chord was known to be a rest does not stay.
    std::erase_if(m_bar.m_marks,
                  [this](const auto& mark) { return m_bar.GetChordAt(mark.first)->IsRest(); });
    if (lyricsShown) {
        m_bar.m_lyrics.Sync(m_bar);
    }
    m_bar.PlaceNotes(m_bar.GetBox());
}

void NoteBarArchive::LoadElement(Archive& archive, bool lyricsShown) {
    auto note = std::make_unique<Note>(nullptr, 0, 'C', 5, 4, Note::NoAccidental, false,
                                       m_bar.NoteClefCode(), false, 0);
    note->Serialize(archive);
    const int step = note->GetStep();
    const bool fits = step >= 0 && step < m_bar.GetSteps() && note->GetLength() >= 1 &&
                      note->GetLength() <= m_bar.GetSteps() - step &&
                      (Note::SemitoneOf(note->GetLetter()) >= 0 || note->IsRest()) &&
                      note->GetAccidental() >= Note::Sharp &&
                      note->GetAccidental() <= Note::DoubleFlat && note->GetTieMode() >= 0 &&
                      note->GetTieMode() <= Note::TieEnd &&
                      note->GetOctave() >= NoteBar::kLowestOctave &&
                      note->GetOctave() <= NoteBar::kHighestOctave && note->GetTripletLength() >= 0;
    if (!fits) {
        throw IOException(StringTable::Get(ids::kReadFileError));
    }
    note->SetClef(m_bar.NoteClefCode());
    m_bar.NormalizeLoadedNote(*note);
    m_bar.m_grid.AddRead(std::move(note), m_bar);
    if (lyricsShown) {
        m_bar.m_lyrics.Add(m_bar, step)
            .SetText(archive.ReadText(Archive::BarElemElement, "lyric").value_or(std::string()));
    }
    if (const auto name = archive.ReadText(Archive::BarElemElement, "dyn")) {
        const int code = DynamicMark::CodeOf(*name);
        if (code >= 0) {
            m_bar.m_marks.erase(step);
            m_bar.m_marks.emplace(step, code);
        }
    }
}
