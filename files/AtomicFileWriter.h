#pragma once

#include <string>

// Puts a file in place whole or not at all: the bytes go to a temporary
// file beside the target, are flushed to the disk, and only then take the
// target's name, with the permissions a new file would get.
class AtomicFileWriter {
public:
    // False, with any existing file untouched, when the bytes cannot be written.
    static bool Write(const std::string& path, const std::string& bytes);
};
