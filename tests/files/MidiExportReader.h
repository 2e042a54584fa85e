#pragma once

#include <sys/wait.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

// Reads exported MIDI files with mido (Debian's python3-mido, under the
// system's own interpreter) through midi_export_reader.py beside this header,
// so the tests never judge the writer's bytes with the writer's own code.
class MidiExportReader {
public:
    struct Event {
        std::uint32_t tick = 0;
        std::uint32_t delta = 0;
        std::string type;
        std::string fields;  // "name=value ..." as mido reports them
        std::map<std::string, std::string> values;

        // "TICK TYPE name=value ...", for comparing whole tracks.
        std::string Line() const {
            return std::to_string(tick) + " " + type + (fields.empty() ? "" : " " + fields);
        }
        int Int(const std::string& name) const {
            const auto found = values.find(name);
            return found == values.end() ? -1 : std::atoi(found->second.c_str());
        }
    };
    using Track = std::vector<Event>;

    struct File {
        std::string error;  // what the reader said when it refused the file
        int type = -1;
        int declaredTracks = -1;
        int division = -1;
        int headerChunks = -1;
        int trackChunks = -1;
        int trailingBytes = -1;
        std::vector<Track> tracks;

        std::vector<std::string> Lines(size_t track) const {
            std::vector<std::string> lines;
            for (const Event& event : tracks.at(track)) {
                lines.push_back(event.Line());
            }
            return lines;
        }
        // The events of a type in a track.
        std::vector<Event> Only(size_t track, const std::string& type) const {
            std::vector<Event> found;
            for (const Event& event : tracks.at(track)) {
                if (event.type == type) {
                    found.push_back(event);
                }
            }
            return found;
        }
        // The channel of a track's first channel event; -1 when it has none.
        int Channel(size_t track) const {
            for (const Event& event : tracks.at(track)) {
                if (event.values.count("channel") != 0) {
                    return event.Int("channel");
                }
            }
            return -1;
        }
    };

    static constexpr const char* kPython = "/usr/bin/python3";

    static File Read(const std::filesystem::path& midiFile) {
        File file;
        int status = 0;
        const std::string out = Run("dump", midiFile, status);
        if (status != 0) {
            file.error = out.empty() ? "reader failed" : out;
            return file;
        }
        std::istringstream lines(out);
        std::string line;
        while (std::getline(lines, line)) {
            ParseLine(line, file);
        }
        return file;
    }

    // The root mean square of the samples of a 16-bit recording; -1 when it
    // cannot be read.
    static double Rms(const std::filesystem::path& wavFile, long* samples = nullptr) {
        int status = 0;
        std::istringstream out(Run("rms", wavFile, status));
        long count = 0;
        double rms = -1;
        if (status != 0 || !(out >> count >> rms)) {
            return -1;
        }
        if (samples != nullptr) {
            *samples = count;
        }
        return rms;
    }

    // Runs a shell command; answers what it printed (stdout and stderr) and
    // its exit status.
    static std::string Shell(const std::string& command, int& status) {
        std::string output;
        FILE* pipe = popen((command + " 2>&1").c_str(), "r");
        if (pipe == nullptr) {
            status = -1;
            return output;
        }
        char buffer[4096];
        size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            output.append(buffer, n);
        }
        const int raw = pclose(pipe);
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return output;
    }

private:
    static std::string Run(const char* mode, const std::filesystem::path& path, int& status) {
        // Not beside __FILE__: ccache's base_dir makes that path relative to
        // the build folder, and the tests run elsewhere.
        const auto script =
            std::filesystem::path(QUILLSONG_TEST_DATA) / ".." / "files" / "midi_export_reader.py";
        return Shell(std::string(kPython) + " '" + script.string() + "' " + mode + " '" +
                         path.string() + "'",
                     status);
    }

    static void ParseLine(const std::string& line, File& file) {
        std::istringstream in(line);
        std::string first;
        in >> first;
        if (first == "file") {
            in >> file.type >> file.declaredTracks >> file.division;
        } else if (first == "chunks") {
            in >> file.headerChunks >> file.trackChunks >> file.trailingBytes;
        } else {
            const size_t track = std::stoul(first);
            Event event;
            in >> event.tick >> event.delta >> event.type;
            std::getline(in >> std::ws, event.fields);
            ParseFields(event);
            if (file.tracks.size() <= track) {
                file.tracks.resize(track + 1);
            }
            file.tracks[track].push_back(event);
        }
    }

    // Texts come last and may hold spaces.
    static void ParseFields(Event& event) {
        std::string rest = event.fields;
        while (!rest.empty()) {
            const size_t equals = rest.find('=');
            if (equals == std::string::npos) {
                return;
            }
            const std::string name = rest.substr(0, equals);
            if (name == "text" || name == "name") {
                event.values[name] = rest.substr(equals + 1);
                return;
            }
            const size_t space = rest.find(' ', equals);
            event.values[name] = rest.substr(equals + 1, space - equals - 1);
            rest = space == std::string::npos ? "" : rest.substr(space + 1);
        }
    }
};
