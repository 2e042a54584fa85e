#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "model/SongRecord.h"
#include "model/Subject.h"

class Bar;
class ChordBar;
class NoteBar;
class Song;
class Track;

// Writes a song into a record's data: the layouts SongRecord declares, in its
// order, the one-of-a-kind controls as copies, and every object's observer
// list as an index into the record's table. Reads the song only through its
// public interface and changes nothing in it. Lives for one record.
class SongRecordWriter {
public:
    explicit SongRecordWriter(SongRecord::Data& data) : m_data(data) {}

    void Write(const Song& song);

private:
    void WriteTrack(const Track& track);
    void WriteBar(const Bar& bar);
    void WriteNoteBar(const NoteBar& bar, SongRecord::BarFields fields);
    void WriteChordBar(const ChordBar& bar, SongRecord::BarFields fields);
    void KeepCopy(const SelObject& control);
    // The index of the subject's registrations in the table, adding them when
    // they are new. Subjects observed alike mostly share one list, so lists
    // are told apart by address first, the one met last tried first; only a
    // list not met before is compared with the table's.
    std::uint32_t ObserverList(const Subject& subject) {
        const Subject::Registrations* list = subject.GetRegistrations().get();
        if (list == nullptr) {
            return 0;
        }
        return list == m_lastList.first ? m_lastList.second : OtherObserverList(subject);
    }
    std::uint32_t OtherObserverList(const Subject& subject);

    using KnownList = std::pair<const Subject::Registrations*, std::uint32_t>;

    SongRecord::Data& m_data;
    KnownList m_lastList{nullptr, 0};
    std::vector<KnownList> m_knownLists;
};
