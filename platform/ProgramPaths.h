#pragma once

#include <string>

// Where the program's own files are: the folder of the running executable
// (never the working directory), the folder its data (styles, fonts, help,
// translations) is read from, and the user's temporary folder.
class ProgramPaths {
public:
    // The executable's folder, ending in '/'; "./" when it cannot be found.
    static std::string ExecutableDir();
    // The program's data folder, ending in '/': DataDirFor(ExecutableDir()),
    // or the overriding folder itself when one is set.
    static std::string DataDir();
    // The data folder of a program installed in executableDir: that folder
    // itself when it holds the styles (the build tree, a program unpacked in
    // one folder), else ../share/quillsong/ beside it when that exists (an
    // installed program, bin/ beside share/), else executableDir. Ends in '/'.
    static std::string DataDirFor(const std::string& executableDir);
    // $TMPDIR, else /tmp, ending in '/'.
    static std::string TempDir();
    // Tests and tools that run from elsewhere may point the program at
    // another folder, which then serves as both the executable's and the
    // data folder; an empty string goes back to the executable's.
    static void OverrideExecutableDir(const std::string& dir);
};
