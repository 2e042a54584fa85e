#pragma once

#include <optional>
#include <string>
#include <vector>

// What the program was asked to do on its command line.
struct CommandLine {
    enum class Action { OpenEditor, Convert, Play, Help, Version, UsageError };

    Action action = Action::OpenEditor;
    std::string input;       // the song to open, convert or play
    std::string output;      // with Convert: the file to write; its extension picks the format
    bool force = false;      // answer Yes to the question about files of a newer layout
    bool metronome = false;  // with Play and a .wav Convert: the metronome clicks along
    int zoom = 100;          // percent, for images
    std::string error;       // with UsageError: what was wrong

    static CommandLine Parse(const std::vector<std::string>& arguments);
    static std::string Usage();
};
