#pragma once

#include <string>

class Song;
class Track;
class XmlOutput;

// Writes a song as a MusicXML 4.0 score-partwise document: the title and
// author as work title and composer, one part per note track in slot order
// (named after the track's title, with its General MIDI program, channel and
// volume; a drum track's notes unpitched on its General MIDI drum), and the
// chord track's chords as harmonies above the first treble or bass part (the
// first part when there is none; a song of chords alone gets one part of
// measure rests to carry them). Reads the song, never changes it.
class MusicXmlWriter {
public:
    // The whole document, in UTF-8.
    static std::string ToText(const Song& song);
    // Writes the document to the path: compressed in a MusicXML container
    // when the path ends in ".mxl" (any case), as plain text otherwise.
    // Throws IOException ("Write file error") when the file cannot be
    // written completely; an existing file is then untouched.
    static void WriteFile(const Song& song, const std::string& path);
    // Whether the path names a file this writer makes: ".musicxml", ".xml"
    // or ".mxl", in any case.
    static bool IsMusicXmlPath(const std::string& path);
    static bool IsCompressedPath(const std::string& path);

private:
    static void WriteIdentification(XmlOutput& out, const Song& song);
    static void WritePartList(XmlOutput& out, const Song& song);
    static void WriteScorePart(XmlOutput& out, const Track& track, int part, int channel);
    static void WriteParts(XmlOutput& out, const Song& song);
};
