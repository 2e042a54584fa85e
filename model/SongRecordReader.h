#pragma once

#include <memory>

#include "model/LyricText.h"
#include "model/SongRecord.h"

class Bar;
class ChordBar;
class NoteBar;
class Song;
class Track;

// Rebuilds a song from a record's data, reading the layouts in the order the
// writer put them: every object is made new, set to its recorded fields and
// observers, and given its new owner as parent. A friend of the song, its
// tracks and its bars, whose members it sets directly so that nothing is
// built only to be thrown away and nothing is told to the sound engine. Lives
// for one rebuild.
class SongRecordReader {
public:
    explicit SongRecordReader(const SongRecord::Data& data) : m_data(data), m_bytes(data.bytes) {}

    std::unique_ptr<Song> Read();

private:
    std::unique_ptr<Track> ReadTrack(Song& song);
    std::unique_ptr<Bar> ReadBar(Track& track);
    void ReadNoteBar(NoteBar& bar, const SongRecord::BarFields& fields);
    void ReadChordBar(ChordBar& bar, const SongRecord::BarFields& fields);
    // A copy of the next kept control, of the class it was recorded as.
    template <typename T>
    std::unique_ptr<T> NextControl(SelObject& owner);
    void SetObservers(Subject& subject, std::uint32_t list) const;

    const SongRecord::Data& m_data;
    RecordBytes::Cursor m_bytes;
    size_t m_nextControl = 0;
    // Every lyric starts as a copy of this one: a copy costs less than
    // making a text's fonts and style again.
    const LyricText m_lyricPrototype{nullptr, Box{}};
};
