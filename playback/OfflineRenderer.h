#pragma once

#include <string>

class Song;

// Plays a song into a WAV file through the built-in synthesizer, as fast as
// the processor computes rather than in real time: the sound engine builds
// the same step events it plays (the accompaniment expanded from its style,
// the metronome as switched), and they are fired and released on a clock of
// rendered samples. Renders bar 0 to the end of the last bar, then a second
// for the last notes to fade. The whole render is scaled so its loudest
// sample lies at kPeakDb dBFS, as audio export in music programs does;
// silence stays silent. The render waits in a scratch file beside the WAV
// file until it is complete. Runs on the caller's thread; the engine must
// not be playing meanwhile, and its output is the synthesizer's until the
// render returns.
class OfflineRenderer {
public:
    static constexpr int kTailMs = 1000;
    static constexpr double kPeakDb = -1.0;

    struct Outcome {
        // SoundEngine::PlayError: why the song could not be played, and then
        // no file is written.
        int error = 0;
        double seconds = 0.0;
    };

    // Throws IOException when the file cannot be written, and
    // midi::CMIDIOutException when the synthesizer cannot start with the
    // SoundFont (an empty path: the best one installed).
    static Outcome RenderToWav(Song& song, const std::string& wavPath,
                               const std::string& soundFontPath = {});
};
