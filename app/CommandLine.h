#pragma once

#include <optional>
#include <string>
#include <vector>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { OpenEditor, Convert, Play, Thumbnail, Help, Version, UsageError };

    Action action = Action::OpenEditor;
    std::string input;       // the song to open, convert or play
    std::string output;      // with Convert: the file to write; its extension picks the format;
                             // with Thumbnail: the PNG to write
    bool force = false;      // answer Yes to the question about files of a newer layout
    bool metronome = false;  // with Play and a .wav Convert: the metronome clicks along
    int zoom = 100;          // percent, for images
    int thumbnailSize = 0;   // with Thumbnail: the picture's longer side, in pixels
    std::string error;       // with UsageError: what was wrong

    // The sizes a thumbnail may be asked for, in pixels.
    static constexpr int kMinThumbnailSize = 8;
    static constexpr int kMaxThumbnailSize = 4096;

    static CommandLine Parse(const std::vector<std::string>& arguments);
    static std::string Usage();
};
