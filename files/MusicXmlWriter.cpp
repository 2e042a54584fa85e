#include "files/MusicXmlWriter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

#include "files/AtomicFileWriter.h"
#include "files/MusicXmlPartWriter.h"
#include "files/MxlPackage.h"
#include "files/XmlOutput.h"
#include "model/FloatingCombo.h"
#include "model/Song.h"
#include "model/SongText.h"
#include "model/Track.h"
#include "platform/Exception.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"

namespace {

constexpr const char* kPublicId = "-//Recordare//DTD MusicXML 4.0 Partwise//EN";
constexpr const char* kSystemId = "http://www.musicxml.org/dtds/partwise.dtd";
// MusicXML counts channels, programs and drum keys from 1.
constexpr int kFirstChannel = 1;
constexpr int kDrumChannel = 10;
constexpr int kChannels = 16;

std::string LowerExtension(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

// The tracks that become parts: every note track; the chord track only when
// the song has nothing else to carry its chords.
std::vector<const Track*> PartTracks(const Song& song) {
    std::vector<const Track*> tracks;
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        if (!song.GetTrack(slot)->IsAccompaniment()) {
            tracks.push_back(song.GetTrack(slot));
        }
    }
    if (tracks.empty() && song.HasAccompaniment()) {
        tracks.push_back(song.GetTrack(0));
    }
    return tracks;
}

// The part the chords stand above: the first treble or bass part, else the first.
size_t HarmonyPart(const std::vector<const Track*>& tracks) {
    for (size_t i = 0; i < tracks.size(); ++i) {
        if (tracks[i]->IsPitched()) {
            return i;
        }
    }
    return 0;
}

// Drums share channel 10; the other parts take the others in order, and
// share the last ones when there are more parts than channels.
std::vector<int> Channels(const std::vector<const Track*>& tracks) {
    std::vector<int> channels;
    int next = kFirstChannel;
    for (const Track* track : tracks) {
        if (track->IsPercussion()) {
            channels.push_back(kDrumChannel);
            continue;
        }
        if (next == kDrumChannel) {
            ++next;
        }
        channels.push_back(std::min(next, kChannels));
        ++next;
    }
    return channels;
}

std::string PartId(size_t index) {
    return "P" + std::to_string(index + 1);
}

// "[8]Closed Hi-Hat" names the drum "Closed Hi-Hat".
std::string InstrumentName(const Track& track) {
    const FloatingCombo* selector = track.GetSelector();
    std::string name = selector != nullptr ? selector->CurrentText() : std::string();
    if (!name.empty() && name.front() == '[') {
        const size_t close = name.find(']');
        if (close != std::string::npos) {
            name.erase(0, close + 1);
        }
    }
    return name.empty() ? track.GetTitle() : name;
}

}  // namespace

std::string MusicXmlWriter::ToText(const Song& song) {
    XmlOutput out;
    out.Begin("score-partwise", kPublicId, kSystemId);
    out.Open("score-partwise");
    out.Attribute("version", "4.0");
    out.Open("work");
    out.Element("work-title", song.GetTitleText() ? song.GetTitleText()->GetText() : "");
    out.Close();
    WriteIdentification(out, song);
    WritePartList(out, song);
    WriteParts(out, song);
    out.Close();
    return out.Finish();
}

void MusicXmlWriter::WriteIdentification(XmlOutput& out, const Song& song) {
    out.Open("identification");
    if (song.GetAuthorText() != nullptr && !song.GetAuthorText()->GetText().empty()) {
        out.Open("creator");
        out.Attribute("type", "composer");
        out.Content(song.GetAuthorText()->GetText());
        out.Close();
    }
    out.Open("encoding");
    out.Element("software", std::string("Quillsong ") + QUILLSONG_VERSION);
    out.Close();
    out.Close();
}

void MusicXmlWriter::WritePartList(XmlOutput& out, const Song& song) {
    const std::vector<const Track*> tracks = PartTracks(song);
    const std::vector<int> channels = Channels(tracks);
    out.Open("part-list");
    for (size_t i = 0; i < tracks.size(); ++i) {
        WriteScorePart(out, *tracks[i], static_cast<int>(i), channels[i]);
    }
    out.Close();
}

void MusicXmlWriter::WriteScorePart(XmlOutput& out, const Track& track, int part, int channel) {
    const std::string id = PartId(static_cast<size_t>(part));
    out.Open("score-part");
    out.Attribute("id", id);
    out.Element("part-name", track.GetTitle());
    out.Open("score-instrument");
    out.Attribute("id", id + "-I1");
    out.Element("instrument-name", InstrumentName(track));
    out.Close();
    if (!track.IsAccompaniment()) {
        out.Open("midi-instrument");
        out.Attribute("id", id + "-I1");
        out.Element("midi-channel", channel);
        if (track.IsPercussion()) {
            out.Element("midi-program", 1);
            out.Element("midi-unpitched", track.GetMidiProgNum() + 1);
        } else {
            out.Element("midi-program", track.GetMidiProgNum() + 1);
        }
        out.Element("volume", std::clamp(track.GetVolume(), 0, 100));
        out.Close();
    }
    out.Close();
}

void MusicXmlWriter::WriteParts(XmlOutput& out, const Song& song) {
    const std::vector<const Track*> tracks = PartTracks(song);
    const size_t harmonyPart = HarmonyPart(tracks);
    const Track* chordTrack = song.HasAccompaniment() ? song.GetTrack(0) : nullptr;
    for (size_t i = 0; i < tracks.size(); ++i) {
        const std::string id = PartId(i);
        MusicXmlPartWriter part(out, song, *tracks[i], {id, id + "-I1"});
        part.GiveTempo(i == 0);
        if (i == harmonyPart) {
            part.CarryHarmonies(chordTrack);
        }
        part.Write();
    }
}

void MusicXmlWriter::WriteFile(const Song& song, const std::string& path) {
    const std::string text = ToText(song);
    const bool written = IsCompressedPath(path) ? MxlPackage::Write(path, text)
                                                : AtomicFileWriter::Write(path, text);
    if (!written) {
        throw IOException(StringTable::Get(ids::kWriteFileError));
    }
}

bool MusicXmlWriter::IsMusicXmlPath(const std::string& path) {
    const std::string extension = LowerExtension(path);
    return extension == ".musicxml" || extension == ".xml" || IsCompressedPath(path);
}

bool MusicXmlWriter::IsCompressedPath(const std::string& path) {
    return LowerExtension(path) == ".mxl";
}
