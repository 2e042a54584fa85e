#pragma once

#include <memory>
#include <string>

class Prompt;
class Song;

// Opening and saving whole songs through the song file format.
class SongFiles {
public:
    // Reads a song. The prompt answers the question about files of a newer
    // layout (null answers No). Throws IOException with the message to show;
    // nothing the caller holds is touched then.
    static std::unique_ptr<Song> Load(const std::string& path, Prompt* prompt);
    // Writes the song; a song without tracks is refused. Throws IOException;
    // a failed write leaves any existing file as it was.
    static void Save(Song& song, const std::string& path);
};
