#include "files/SongFiles.h"

#include "files/LarkArchive.h"
#include "model/Song.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

std::unique_ptr<Song> SongFiles::Load(const std::string& path, Prompt* prompt) {
    LarkArchive archive(prompt);
    archive.Open(path, Archive::Load);
    auto song = std::make_unique<Song>();
    song->Serialize(archive);
    archive.Close();
    return song;
}

void SongFiles::Save(Song& song, const std::string& path) {
    if (song.GetNumTracks() == 0) {
        throw IOException(StringTable::Get(ids::kCannotSaveWithoutTracks));
    }
    LarkArchive archive;
    archive.Open(path, Archive::Store);
    song.Serialize(archive);
    archive.Close();
}
