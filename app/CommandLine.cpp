#include "app/CommandLine.h"

#include <charconv>

namespace {

bool ParseZoom(const std::string& text, int& zoom) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value < 10 ||
        value > 400) {
        return false;
    }
    zoom = value;
    return true;
}

CommandLine UsageError(std::string what) {
    CommandLine line;
    line.action = CommandLine::Action::UsageError;
    line.error = std::move(what);
    return line;
}

}  // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::vector<std::string> files;
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
        } else if (argument == "--play") {
            line.action = Action::Play;
        } else if (argument == "--force") {
            line.force = true;
        } else if (argument == "--metronome") {
            line.metronome = true;
        } else if (argument == "--zoom") {
            if (!hasValue || !ParseZoom(arguments[++i], line.zoom)) {
                return UsageError("--zoom needs a percentage from 10 to 400");
            }
        } else if (argument.size() > 1 && argument[0] == '-') {
            return UsageError("unknown option " + argument);
        } else {
            files.push_back(argument);
        }
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

std::string CommandLine::Usage() {
    return "Usage: quillsong [FILE.qs]\n"
           "       quillsong -o OUT IN.qs [--force] [--zoom N]\n"
           "       quillsong --play IN.qs [--metronome]\n"
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
           "  -h, --help           show this help and exit\n"
           "  -v, --version        show the version and exit\n";
}
