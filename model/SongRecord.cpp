#include "model/SongRecord.h"

#include "model/Song.h"
#include "model/SongRecordReader.h"
#include "model/SongRecordWriter.h"

std::unique_ptr<SongRecord> SongRecord::Of(const Song& song) {
    auto data = std::make_shared<Data>();
    SongRecordWriter(*data).Write(song);
    return std::make_unique<SongRecord>(std::move(data));
}

std::unique_ptr<Undoable> SongRecord::Snapshot() const {
    return std::make_unique<SongRecord>(m_data);
}

std::unique_ptr<Song> SongRecord::Rebuild() const {
    return SongRecordReader(*m_data).Read();
}
