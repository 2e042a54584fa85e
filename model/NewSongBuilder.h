#pragma once

#include <memory>

#include "model/NewSongSettings.h"
#include "model/Song.h"

// Turns the New Music settings into a song, or into the warning the wizard
// shows while it stays open.
class NewSongBuilder {
public:
    struct Outcome {
        std::unique_ptr<Song> song;  // null when refused
        int messageId = 0;           // string-table number of the warning
        bool focusTempo = false;     // the wizard puts the focus on the tempo field
    };

    static constexpr int kMinTempo = 20;
    static constexpr int kMaxTempo = 208;
    static constexpr int kNewSongBars = 16;

    static Outcome Build(const NewSongSettings& settings);
    // The song the program opens with at its first start.
    static std::unique_ptr<Song> FirstStartSong();

    static Song::TimeSignature TimeSignatureAt(int index);
    static int KeySignatureAt(int index);
    // Reads a leading decimal integer as the wizard's fields do; 0 when there is none.
    static int ParseCount(const std::string& text);
};
