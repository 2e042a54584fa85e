#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "files/MidiTrack.h"

// A Standard MIDI File of format 1 with 24 ticks per quarter note (one tick
// per step of the song's grid): a header and its tracks, written in the order
// they were added.
class MidiFile {
public:
    static constexpr int kFormat = 1;
    static constexpr int kDivision = 24;

    void SetTrackCount(int count) { m_trackCount = count; }
    int TrackCount() const { return m_trackCount; }
    MidiTrack* AddTrack(std::unique_ptr<MidiTrack> track);
    const std::vector<std::unique_ptr<MidiTrack>>& Tracks() const { return m_tracks; }

    // The whole file as bytes.
    std::vector<std::uint8_t> Encode();
    // Writes the file; 0 on success, -1 when it cannot be created or written
    // completely. The file appears only when it was written whole: a failure
    // leaves an existing file as it was.
    int Write(const std::string& path);

private:
    int m_trackCount = 0;
    std::vector<std::unique_ptr<MidiTrack>> m_tracks;
};
