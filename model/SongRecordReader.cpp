#include "model/SongRecordReader.h"

#include <stdexcept>
#include <string>

#include "model/ChordBar.h"
#include "model/MelodicBar.h"
#include "model/PercussionBar.h"
#include "model/Song.h"

std::unique_ptr<Song> SongRecordReader::Read() {
    const auto fields = m_bytes.Read<SongRecord::SongFields>();
    auto song = std::make_unique<Song>();
    song->SetNumBars(fields.numBars);
    song->SetTimeSignature({fields.numerator, fields.denominator});
    song->SetKeySignature(fields.keySignature);
    song->SetTempo(fields.tempo);
    song->m_box = fields.box;
    song->m_title = NextControl<SongText>(*song);
    song->m_author = NextControl<SongText>(*song);
    for (int i = 0; i < fields.userTexts; ++i) {
        song->m_userTexts.push_back(NextControl<UserText>(*song));
    }
    for (int slot = 0; slot < fields.tracks; ++slot) {
        if (!song->AppendTrack(ReadTrack(*song))) {
            throw std::logic_error("an undo record holds more tracks than a song can");
        }
    }
    if (!m_bytes.AtEnd() || m_nextControl != m_data.controls.size()) {
        throw std::logic_error("an undo record was not read to its end");
    }
    return song;
}

std::unique_ptr<Track> SongRecordReader::ReadTrack(Song& song) {
    const auto fields = m_bytes.Read<SongRecord::TrackFields>();
    // An untyped track builds no children; the record has them all.
    auto track =
        std::make_unique<Track>(TrackInfo{fields.trackNum, fields.numBars, UntypedTrack, &song});
    track->m_trackType = fields.trackType;
    track->SetMuted(fields.muted != 0);
    track->SetStaffHeight(fields.staffHeight);
    track->SetBox(fields.box);
    SetObservers(*track, fields.observers);
    if (fields.hasTitle != 0) {
        track->m_title = NextControl<TrackTitle>(*track);
    }
    if (fields.hasSelector != 0) {
        track->m_selector = NextControl<FloatingCombo>(*track);
    }
    if (fields.hasSlider != 0) {
        track->m_slider = NextControl<VolumeSlider>(*track);
    }
    track->m_bars.reserve(static_cast<size_t>(fields.bars));
    for (int i = 0; i < fields.bars; ++i) {
        track->m_bars.push_back(ReadBar(*track));
    }
    return track;
}

std::unique_ptr<Bar> SongRecordReader::ReadBar(Track& track) {
    const auto fields = m_bytes.Read<SongRecord::BarFields>();
    std::unique_ptr<Bar> bar;
    switch (fields.kind) {
        case SongRecord::TrebleBar:
        case SongRecord::BassBar: {
            auto melodic = std::make_unique<MelodicBar>(&track, fields.index, fields.box,
                                                        fields.kind == SongRecord::BassBar);
            ReadNoteBar(*melodic, fields);
            bar = std::move(melodic);
            break;
        }
        case SongRecord::DrumBar: {
            auto drums = std::make_unique<PercussionBar>(&track, fields.index, fields.box);
            ReadNoteBar(*drums, fields);
            bar = std::move(drums);
            break;
        }
        case SongRecord::ChordsBar: {
            auto chords = std::make_unique<ChordBar>(&track, fields.index, fields.box);
            ReadChordBar(*chords, fields);
            bar = std::move(chords);
            break;
        }
        default:
            throw std::logic_error("an undo record names an unknown kind of bar");
    }
    SetObservers(*bar, fields.observers);
    return bar;
}

void SongRecordReader::ReadNoteBar(NoteBar& bar, const SongRecord::BarFields& fields) {
    // The bar was made with its first whole-bar rest; the record says what it holds.
    bar.m_grid.Clear();
    for (int c = 0; c < fields.items; ++c) {
        const auto chordFields = m_bytes.Read<SongRecord::ChordFields>();
        auto chord = std::make_unique<NoteChord>(&bar);
        SetObservers(*chord, chordFields.observers);
        for (int n = 0; n < chordFields.notes; ++n) {
            const auto f = m_bytes.Read<SongRecord::NoteFields>();
            auto note =
                std::make_unique<Note>(chord.get(), f.step, f.letter, f.octave, 4, f.accidental,
                                       f.dotted != 0, f.clef, f.triplet != 0, f.tripletLength);
            note->SetLengthRaw(f.length);
            note->SetTieMode(f.tieMode);
            note->SetBox(f.box);
            SetObservers(*note, f.observers);
            chord->AddNote(std::move(note));
        }
        bar.m_grid.Put(chordFields.step, std::move(chord));
    }
    std::string text;
    for (int i = 0; i < fields.lyrics; ++i) {
        const auto f = m_bytes.Read<SongRecord::LyricFields>();
        text.resize(static_cast<size_t>(f.textLength));
        m_bytes.Take(text.data(), text.size());
        auto lyric = std::make_unique<LyricText>(m_lyricPrototype);
        lyric->SetParent(&bar);
        lyric->SetText(text);
        lyric->SetRect(f.rect, f.layoutSize);
        SetObservers(*lyric, f.observers);
        bar.m_lyrics.Put(f.step, std::move(lyric));
    }
    for (int i = 0; i < fields.marks; ++i) {
        const auto mark = m_bytes.Read<SongRecord::MarkFields>();
        bar.m_marks.emplace(mark.step, mark.code);
    }
}

void SongRecordReader::ReadChordBar(ChordBar& bar, const SongRecord::BarFields& fields) {
    for (auto& box : bar.m_boxes) {
        box.reset();
    }
    for (int i = 0; i < fields.items; ++i) {
        const auto f = m_bytes.Read<SongRecord::ChordBoxFields>();
        auto box = std::make_unique<ChordCombo>(&bar, f.step, f.rect, f.sharps != 0);
        box->SetIndex(f.index, false);
        box->SetSubStyle(f.subStyle);
        box->SetChannel(f.channel);
        bar.AdoptBox(std::move(box), f.step);
    }
}

template <typename T>
std::unique_ptr<T> SongRecordReader::NextControl(SelObject& owner) {
    if (m_nextControl >= m_data.controls.size()) {
        throw std::logic_error("an undo record has fewer controls than it names");
    }
    std::unique_ptr<SelObject> copy = m_data.controls[m_nextControl++]->Clone();
    auto* typed = dynamic_cast<T*>(copy.get());
    if (typed == nullptr) {
        throw std::logic_error(std::string("an undo record holds a ") + copy->GetClassName() +
                               " where another control belongs");
    }
    static_cast<void>(copy.release());
    typed->SetParent(&owner);
    return std::unique_ptr<T>(typed);
}

void SongRecordReader::SetObservers(Subject& subject, std::uint32_t list) const {
    if (list != 0) {
        subject.SetRegistrations(m_data.observerLists.at(list));
    }
}
