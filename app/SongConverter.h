#pragma once

#include <iosfwd>

#include "app/CommandLine.h"

// Converts a song file to another file without a window; the output's
// extension picks the format. Also draws the thumbnails file managers ask for. Answers the process
// exit code: 0 done, 1 the conversion failed (the program's own message goes to errors), 2 the
// request cannot be served.
class SongConverter {
public:
    static int Run(const CommandLine& line, std::ostream& errors);
    // Draws the first page of line.input into the PNG line.output, its longer
    // side line.thumbnailSize pixels; the same exit codes.
    static int Thumbnail(const CommandLine& line, std::ostream& errors);
};
