#pragma once

#include <memory>
#include <string>
#include <vector>

class Song;
class Track;

// The accompaniment styles: pattern files "<n><d>_<style>.qsx" in the Pattern
// folder beside the program, read afresh for every play and export.
class PatternLibrary {
public:
    static constexpr const char* kNoStyle = "[N/A]";

    // The pattern file of a style for a time signature, e.g. "34_Waltz.qsx".
    static std::string PatternFileName(int numerator, int denominator, const std::string& style);
    // The pattern song, or null for "[N/A]" and for a file that cannot be read.
    static std::unique_ptr<Song> LoadStylePattern(const std::string& fileName);
    // Expands the song's accompaniment track with the pattern file: 0 when the
    // song has no accompaniment track, -2 for "[N/A]", -1 when the pattern
    // cannot be read, otherwise the number of generated tracks, which then
    // replace those in tracks. The song is not changed.
    static int ExpandStyle(const Song& song, const std::string& fileName,
                           std::vector<std::unique_ptr<Track>>& tracks);
    // ExpandStyle into the song, which keeps the generated tracks until
    // FreeAccompaniment.
    static int ApplyStyle(Song& song, const std::string& fileName);
};
