#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/DynamicMark.h"
#include "model/SoundSettings.h"

class LarkArchive;
class NoteBar;
class Note;
class Song;
class Track;

// Writes a song as a Standard MIDI File of format 1 with one tick per step
// (24 to a quarter note): a conductor track with the time and key signatures
// and the tempo, then the tracks the accompaniment style expands to (none
// when its pattern file cannot be read), then every other track in slot
// order. Reads the model through its public interface only and fills the
// MIDI file of an archive opened in ExportMidi mode; the sound settings
// supply the tempo, the style and the tracks' channels, and are only read. Notes sound their
// full written length; tied notes sound as one note; a note whose key falls
// outside 0-127 is left out. User-interface thread only.
class MidiExporter {
public:
    // The archive must be open in ExportMidi mode; the exporter fills its file.
    explicit MidiExporter(LarkArchive& archive);

    // Copies the playback tempo into the song, expands the accompaniment for
    // the length of the export (freeing it again, whatever happens) and adds
    // every track to the archive's file. A track playback has no channel for
    // is given one in the file, so no event is written without a valid
    // channel. Nothing is sent to any MIDI device.
    void Export(Song& song);

    // Open, Export, Close. Throws IOException ("Write file error") when the
    // file cannot be written completely; an existing file is then untouched.
    static void WriteFile(Song& song, const std::string& path);

private:
    // A track to write, whether the accompaniment expanded to it, and its channel.
    struct PlannedTrack {
        const Track* track;
        bool expansion;
        int channel;
    };
    // How loud the notes of the track being written are: a dynamic level
    // (PPP to FFF) and an accent (SF, ACCENT or none), carried from bar to bar.
    struct Dynamics {
        int level;
        int accent;
    };

    static void ExpandAccompaniment(Song& song);
    static std::vector<PlannedTrack> PlanTracks(const Song& song);
    static void AssignChannels(std::vector<PlannedTrack>& plan);
    static constexpr int kChannelCount = SoundSettings::kNumChannels;
    // Which channels playback has given to tracks.
    static std::array<bool, kChannelCount> ChannelsHeldForPlayback();
    // The channel playback gave the track, when it suits the track.
    static int PlaybackChannel(const Track& track);
    // The lowest channel playback would give the track next (marking it
    // held), or -1 when none is left.
    static int NextPlaybackChannel(const Track& track, std::array<bool, kChannelCount>& held);
    static int SpareChannel(const std::vector<PlannedTrack>& plan, const Track& track);
    void AddConductorTrack(const Song& song);
    void ExportTrack(const PlannedTrack& planned);
    int VolumeControllerValue(const PlannedTrack& planned) const;
    void ExportBar(const NoteBar& bar, int barIndex, const PlannedTrack& planned);
    void ApplyMarks(const NoteBar& bar, int step);
    void ExportNote(const NoteBar& bar, const Note& note, std::uint32_t time,
                    const PlannedTrack& planned);
    int Velocity(const PlannedTrack& planned) const;

    LarkArchive& m_archive;
    Dynamics m_dynamics{DynamicMark::MF, DynamicMark::None};
};
