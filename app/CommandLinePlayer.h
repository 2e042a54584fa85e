#pragma once

#include <iosfwd>

#include "app/CommandLine.h"

// Plays a song file from the terminal through the MIDI output device the
// settings name (silently when there is none), printing the bar and beat as
// it goes. Ctrl+C (or a termination request) stops it; however it ends,
// nothing is left sounding when it returns.
class CommandLinePlayer {
public:
    static constexpr int kInterruptedExit = 130;

    // Answers the exit code: 0 played to the end, 1 the song could not be
    // read or played (the program's own message goes to errors), 130
    // stopped by Ctrl+C.
    static int Run(const CommandLine& line, std::ostream& out, std::ostream& errors);
};
