#pragma once

#include <iosfwd>

#include "app/CommandLine.h"

// Converts a song file to another file without a window; the output's
// extension picks the format. Answers the process exit code: 0 done, 1 the
// conversion failed (the program's own message goes to errors), 2 the
// request cannot be served.
class SongConverter {
public:
    static int Run(const CommandLine& line, std::ostream& errors);
};
