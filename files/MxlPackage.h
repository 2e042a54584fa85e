#pragma once

#include <string>

// A compressed MusicXML file (.mxl): a zip container, made with libzip,
// holding the "mimetype" entry first and uncompressed, META-INF/container.xml
// naming the score as its root file, and the score itself deflated.
class MxlPackage {
public:
    // The name of the score inside the container.
    static constexpr const char* kScoreName = "score.musicxml";

    // The container's bytes for the score's text.
    static std::string Pack(const std::string& score);
    // Packs and writes the file whole or not at all; false when it cannot be written.
    static bool Write(const std::string& path, const std::string& score);
};
