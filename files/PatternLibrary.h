#pragma once

#include <memory>
#include <string>

class Song;

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
    // cannot be read, otherwise the number of generated tracks, which the song
    // keeps until FreeAccompaniment.
    static int ApplyStyle(Song& song, const std::string& fileName);
};
