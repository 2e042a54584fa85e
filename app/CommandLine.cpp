#include "app/CommandLine.h"

#include <charconv>
#include <string>
#include <vector>

namespace {

// A whole number from low to high, nothing else.
bool ParseNumber(const std::string& text, int low, int high, int& number) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < low ||
        value > high) {
        return false;
    }
    number = value;
    return true;
}

CommandLine UsageError(std::string what) {
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = std::move(what);
    return line;
}

// Picks the action from what the options and file names asked for.
CommandLine Settle(CommandLine line, const std::vector<std::string>& files,
                   const std::vector<std::string>& thumbnail) {
    using Action = CommandLine::Action;
    if (!thumbnail.empty()) {
        if (!files.empty() || !line.output.empty() || line.action == Action::Play) {
            return UsageError("--thumbnail takes no other song, -o or --play");
        }
        line.action = Action::Thumbnail;
        line.input = thumbnail[0];
        line.output = thumbnail[1];
        return line;
    }
    if (files.size() > 1) {
        return UsageError("only one song can be given");
    }
    if (!files.empty()) {
        line.input = files.front();
    }
    if (!line.output.empty()) {
        if (line.action == Action::Play) {
            return UsageError("--play and -o cannot be combined");
        }
        line.action = Action::Convert;
    }
    if ((line.action == Action::Convert || line.action == Action::Play) && line.input.empty()) {
        return UsageError("a song file is needed");
    }
    return line;
}

}  // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> files;
    std::vector<std::string> thumbnail;  // the song and the picture
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "-h" || argument == "--help") {
            line.action = Action::Help;
            return line;
        }
        if (argument == "-v" || argument == "--version") {
            line.action = Action::Version;
            return line;
        }
        if (argument == "-o" || argument == "--export-to") {
            if (!hasValue) {
                return UsageError(argument + " needs the file to write");
            }
            line.output = arguments[++i];
        } else if (argument == "--thumbnail") {
            // File managers call it with the song, the picture and the size.
            if (i + 3 >= arguments.size() || !ParseNumber(arguments[i + 3], kMinThumbnailSize,
                                                          kMaxThumbnailSize, line.thumbnailSize)) {
                return UsageError("--thumbnail needs IN.qs, OUT.png and a size from " +
                                  std::to_string(kMinThumbnailSize) + " to " +
                                  std::to_string(kMaxThumbnailSize) + " pixels");
            }
            thumbnail = {arguments[i + 1], arguments[i + 2]};
            i += 3;
        } else if (argument == "--play") {
            line.action = Action::Play;
        } else if (argument == "--force") {
            line.force = true;
        } else if (argument == "--metronome") {
            line.metronome = true;
        } else if (argument == "--zoom") {
            if (!hasValue || !ParseNumber(arguments[++i], 10, 400, line.zoom)) {
                return UsageError("--zoom needs a percentage from 10 to 400");
            }
        } else if (argument.size() > 1 && argument[0] == '-') {
            return UsageError("unknown option " + argument);
        } else {
            files.push_back(argument);
        }
    }
    return Settle(line, files, thumbnail);
}

std::string CommandLine::Usage() {
    return "Usage: quillsong [FILE.qs]\n"
           "       quillsong -o OUT IN.qs [--force] [--zoom N]\n"
           "       quillsong --play IN.qs [--metronome]\n"
           "       quillsong --thumbnail IN.qs OUT.png SIZE\n"
           "\n"
           "Quillsong, a music-notation composer for beginners.\n"
           "\n"
           "  -o, --export-to OUT  convert IN.qs without a window; OUT's extension picks the\n"
           "                       format (.qs, .mid or .midi, .wav, .pdf, .png, .musicxml\n"
           "                       or .xml, .mxl)\n"
           "      --force          open songs written by a newer Quillsong without asking\n"
           "      --zoom N         zoom for images, in percent (default 100)\n"
           "      --play           play IN.qs through the MIDI output; Ctrl+C stops\n"
           "      --metronome      with --play or a .wav file: the metronome clicks along\n"
           "      --thumbnail IN.qs OUT.png SIZE\n"
           "                       draw the first page of IN.qs into OUT.png, SIZE pixels\n"
           "                       on its longer side (for file managers' thumbnails)\n"
           "  -h, --help           show this help and exit\n"
           "  -v, --version        show the version and exit\n";
}
