#pragma once

#include <string>

// Where the program's own files are: the folder of the running executable
// (never the working directory) and the user's temporary folder.
class ProgramPaths {
public:
    // The executable's folder, ending in '/'; "./" when it cannot be found.
    static std::string ExecutableDir();
    // $TMPDIR, else /tmp, ending in '/'.
    static std::string TempDir();
    // Tests and tools that run from elsewhere may point the program at
    // another folder; an empty string goes back to the executable's.
    static void OverrideExecutableDir(const std::string& dir);
};
