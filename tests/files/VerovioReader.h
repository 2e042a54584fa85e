#pragma once

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "files/MidiExportReader.h"

// Reads MusicXML files with verovio, an engraving library from the npm
// registry run under Node, through verovio_reader.mjs beside this header, so
// the export is judged by a reader that shares no code with the writer.
// scripts/setup_verovio.sh installs it into Folder(); QUILLSONG_VEROVIO_DIR
// names another folder.
class VerovioReader {
public:
    static std::filesystem::path Folder() {
        if (const char* dir = std::getenv("QUILLSONG_VEROVIO_DIR"); dir != nullptr && *dir) {
            return dir;
        }
        const char* cache = std::getenv("XDG_CACHE_HOME");
        const char* home = std::getenv("HOME");
        const std::filesystem::path base = cache != nullptr && *cache ? std::filesystem::path(cache)
                                           : home != nullptr
                                               ? std::filesystem::path(home) / ".cache"
                                               : std::filesystem::path("/tmp");
        return base / "quillsong" / "verovio";
    }

    // Empty when the reader can run; otherwise why not.
    static std::string Missing() {
        int status = 0;
        MidiExportReader::Shell("node --version", status);
        if (status != 0) {
            return "node is not installed";
        }
        if (!std::filesystem::exists(Folder() / "node_modules" / "verovio" / "package.json")) {
            return "verovio is not installed in " + Folder().string() +
                   " (run scripts/setup_verovio.sh)";
        }
        return {};
    }

    // What verovio read from each file, its lines as verovio_reader.mjs
    // prints them, keyed by the file's path; the reader's complaints under "".
    static std::map<std::string, std::vector<std::string>> Read(
        const std::vector<std::filesystem::path>& files) {
        const auto script = std::filesystem::path(QUILLSONG_TEST_DATA).parent_path() / "files" /
                            "verovio_reader.mjs";
        std::string command = "node '" + script.string() + "' '" + Folder().string() + "'";
        for (const auto& file : files) {
            command += " '" + file.string() + "'";
        }
        int status = 0;
        const std::string output = MidiExportReader::Shell(command, status);
        std::map<std::string, std::vector<std::string>> read;
        std::string current;
        std::istringstream lines(output);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("file ", 0) == 0) {
                current = line.substr(5);
                read[current];
            } else if (line.rfind("note ", 0) == 0 || line.rfind("rest ", 0) == 0 ||
                       line.rfind("tie ", 0) == 0 || line.rfind("syl ", 0) == 0 ||
                       line.rfind("harm ", 0) == 0 || line.rfind("error ", 0) == 0) {
                read[current].push_back(line);
            } else if (status != 0 || !line.empty()) {
                read[""].push_back(line);
            }
        }
        if (status != 0) {
            read[""].push_back("node exited with status " + std::to_string(status));
        }
        return read;
    }
};
