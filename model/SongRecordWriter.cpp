#include "model/SongRecordWriter.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "model/ChordBar.h"
#include "model/MelodicBar.h"
#include "model/NoteBar.h"
#include "model/Song.h"

void SongRecordWriter::Write(const Song& song) {
    const Song::TimeSignature time = song.GetTimeSignature();
    m_data.bytes.Append(SongRecord::SongFields{
        song.GetNumBars(), time.numerator, time.denominator, song.GetKeySignature(),
        song.GetTempo(), song.GetBox(), static_cast<std::int32_t>(song.GetUserTexts().size()),
        song.GetNumTracks()});
    KeepCopy(*song.GetTitleText());
    KeepCopy(*song.GetAuthorText());
    for (const auto& text : song.GetUserTexts()) {
        KeepCopy(*text);
    }
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        WriteTrack(*song.GetTrack(slot));
    }
}

void SongRecordWriter::WriteTrack(const Track& track) {
    const auto has = [](const void* control) -> std::uint8_t { return control != nullptr ? 1 : 0; };
    m_data.bytes.Append(SongRecord::TrackFields{
        track.GetTrackNum(), track.GetNumBars(), track.GetTrackType(), track.GetStaffHeight(),
        track.GetBox(), ObserverList(track), static_cast<std::int32_t>(track.Bars().size()),
        static_cast<std::uint8_t>(track.IsMuted() ? 1 : 0), has(track.GetTitleText()),
        has(track.GetSelector()), has(track.GetVolumeSlider())});
    for (const SelObject* control : {static_cast<const SelObject*>(track.GetTitleText()),
                                     static_cast<const SelObject*>(track.GetSelector()),
                                     static_cast<const SelObject*>(track.GetVolumeSlider())}) {
        if (control != nullptr) {
            KeepCopy(*control);
        }
    }
    for (const auto& bar : track.Bars()) {
        WriteBar(*bar);
    }
}

void SongRecordWriter::WriteBar(const Bar& bar) {
    SongRecord::BarFields fields{0, bar.GetIndex(), bar.GetBox(), ObserverList(bar), 0, 0, 0};
    if (const auto* melodic = dynamic_cast<const MelodicBar*>(&bar)) {
        fields.kind = melodic->IsBass() ? SongRecord::BassBar : SongRecord::TrebleBar;
        WriteNoteBar(*melodic, fields);
    } else if (const auto* notes = dynamic_cast<const NoteBar*>(&bar)) {
        fields.kind = SongRecord::DrumBar;
        WriteNoteBar(*notes, fields);
    } else if (const auto* chords = dynamic_cast<const ChordBar*>(&bar)) {
        fields.kind = SongRecord::ChordsBar;
        WriteChordBar(*chords, fields);
    } else {
        throw std::logic_error(std::string("no undo record layout for ") + bar.GetClassName());
    }
}

void SongRecordWriter::WriteNoteBar(const NoteBar& bar, SongRecord::BarFields fields) {
    // Most of a bar's slots are empty: they are walked through plain
    // pointers, as the appends in between would make the compiler read the
    // grid's size again at every slot.
    const StepGrid::Chords& grid = bar.GetGrid();
    const std::unique_ptr<NoteChord>* const first = grid.data();
    const std::unique_ptr<NoteChord>* const end = first + grid.size();
    for (const auto* slot = first; slot != end; ++slot) {
        fields.items += *slot != nullptr ? 1 : 0;
    }
    fields.lyrics = static_cast<std::int32_t>(bar.GetLyrics().size());
    fields.marks = static_cast<std::int32_t>(bar.GetMarks().size());
    m_data.bytes.Append(fields);
    for (const auto* slot = first; slot != end; ++slot) {
        const NoteChord* chord = slot->get();
        if (chord == nullptr) {
            continue;
        }
        const int notes = chord->GetNoteCount();
        m_data.bytes.Append(SongRecord::ChordFields{static_cast<std::int32_t>(slot - first), notes,
                                                    ObserverList(*chord)});
        for (int i = 0; i < notes; ++i) {
            const Note& note = *chord->GetNote(i);
            m_data.bytes.Append(SongRecord::NoteFields{
                note.GetStep(), note.GetOctave(), note.GetLength(), note.GetAccidental(),
                note.GetTieMode(), note.GetTripletLength(), note.NoteClefCode(), note.GetBox(),
                ObserverList(note), note.GetLetter(),
                static_cast<std::uint8_t>(note.IsDotted() ? 1 : 0),
                static_cast<std::uint8_t>(note.IsTriplet() ? 1 : 0), 0});
        }
    }
    for (const auto& [step, lyric] : bar.GetLyrics()) {
        const std::string& text = lyric->GetText();
        m_data.bytes.Append(SongRecord::LyricFields{step, lyric->GetRect(), lyric->GetLayoutSize(),
                                                    ObserverList(*lyric),
                                                    static_cast<std::int32_t>(text.size())});
        m_data.bytes.Append(text.data(), text.size());
    }
    for (const auto& [step, code] : bar.GetMarks()) {
        m_data.bytes.Append(SongRecord::MarkFields{step, code});
    }
}

void SongRecordWriter::WriteChordBar(const ChordBar& bar, SongRecord::BarFields fields) {
    for (int step = 0; step < bar.GetSteps(); ++step) {
        fields.items += bar.GetBoxAt(step) != nullptr ? 1 : 0;
    }
    m_data.bytes.Append(fields);
    for (int step = 0; step < bar.GetSteps(); ++step) {
        if (const ChordCombo* box = bar.GetBoxAt(step)) {
            m_data.bytes.Append(
                SongRecord::ChordBoxFields{step,
                                           box->GetIndex(),
                                           box->GetSubStyle(),
                                           box->GetChannel(),
                                           box->GetRect(),
                                           static_cast<std::uint8_t>(box->UsesSharps() ? 1 : 0),
                                           {0, 0, 0}});
        }
    }
}

void SongRecordWriter::KeepCopy(const SelObject& control) {
    m_data.controls.push_back(control.Clone());
}

std::uint32_t SongRecordWriter::OtherObserverList(const Subject& subject) {
    const Subject::Registrations* list = subject.GetRegistrations().get();
    const auto known = std::find_if(m_knownLists.begin(), m_knownLists.end(),
                                    [list](const auto& entry) { return entry.first == list; });
    if (known != m_knownLists.end()) {
        m_lastList = *known;
        return known->second;
    }
    // A list not met yet in this song, though another subject may have an
    // equal one of its own.
    auto& lists = m_data.observerLists;
    std::uint32_t index = 1;
    while (index < lists.size() && *lists[index] != *list) {
        ++index;
    }
    if (index == lists.size()) {
        lists.push_back(subject.GetRegistrations());
    }
    m_lastList = {list, index};
    m_knownLists.push_back(m_lastList);
    return index;
}
