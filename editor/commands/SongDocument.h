#pragma once

class Song;

// The document as the editor's commands see it: the song it holds, and the
// way back to the last recorded state when a command fails half-way.
class SongDocument {
public:
    virtual ~SongDocument() = default;

    // The song shown, or null before there is one.
    virtual Song* GetSong() const = 0;
    // Replaces the song by a fresh copy of the history's current entry and
    // tells the document's observers; false when there is no entry.
    virtual bool RevertToRecorded() = 0;
};
