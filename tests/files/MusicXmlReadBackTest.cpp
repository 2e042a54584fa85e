#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "files/MusicXmlWriter.h"
#include "files/SongFiles.h"
#include "files/VerovioReader.h"
#include "model/ChordBar.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/Track.h"
#include "support/MusicXmlSongs.h"

// Every example and the generated songs go out as MusicXML and are read
// back by verovio; per part, every note's onset, length and pitch, every
// rest, every tie, every syllable with its place in its word, and every
// chord symbol must be what the song holds. Skips when verovio is absent.
namespace {

namespace fs = std::filesystem;

constexpr int kStepsPerQuarter = 24;

struct Case {
    std::string name;
    std::unique_ptr<Song> song;
};

std::vector<const Track*> NoteTracks(const Song& song) {
    std::vector<const Track*> tracks;
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        if (!song.GetTrack(slot)->IsAccompaniment()) {
            tracks.push_back(song.GetTrack(slot));
        }
    }
    return tracks;
}

// verovio turns no unpitched note into a key number, so a drum staff's
// pitches are left out of the comparison on both sides (the drum itself is
// checked in the writer's own tests).
std::string Pitch(const Track& track, int key) {
    return track.IsPercussion() ? "drum" : std::to_string(key);
}

// What a syllable is in its word, as MEI writes it: a trailing "-" joins a
// syllable to the next one.
struct Syllables {
    bool open = false;
    std::string Next(std::string& text) {
        const bool joins = text.size() > 1 && text.back() == '-';
        if (joins) {
            text.pop_back();
        }
        const char* position = open ? (joins ? "m" : "t") : (joins ? "i" : "s");
        open = joins;
        return position;
    }
};

void AddChord(std::vector<std::string>& lines, const Track& track, int staff, const NoteBar& bar,
              const NoteChord& chord, int onset, Syllables& syllables) {
    const std::string prefix = std::to_string(staff) + " " + std::to_string(onset) + " ";
    if (chord.IsRest()) {
        lines.push_back("rest " + prefix + std::to_string(chord.GetLength()));
        return;
    }
    const int count = track.IsPercussion() ? 1 : chord.GetNoteCount();
    for (int i = 0; i < count; ++i) {
        const Note& note = *chord.GetNote(i);
        const std::string pitch = Pitch(track, bar.MidiKeyOf(note));
        lines.push_back("note " + prefix + std::to_string(chord.GetLength()) + " " + pitch);
        if (note.IsTieStart() || note.IsTieMiddle()) {
            lines.push_back("tie " + prefix + pitch);
        }
    }
    const auto lyric = bar.GetLyrics().find(chord.GetStep());
    if (lyric != bar.GetLyrics().end() && !lyric->second->GetText().empty()) {
        std::string text = lyric->second->GetText();
        const std::string position = syllables.Next(text);
        lines.push_back("syl " + prefix + position + " " + text);
    }
}

void AddHarmonies(std::vector<std::string>& lines, const Song& song) {
    if (!song.HasAccompaniment()) {
        return;
    }
    const Track& chords = *song.GetTrack(0);
    for (int b = 0; b < chords.GetNumBars(); ++b) {
        const auto& bar = static_cast<const ChordBar&>(*chords.GetBar(b));
        for (int step = 0; step < song.GetNumOfStepsPerBar(); ++step) {
            const ChordCombo* box = bar.GetBoxAt(step);
            if (box != nullptr && box->GetChordNumber() != 0) {
                lines.push_back("harm " + std::to_string(b + 1) + " " + std::to_string(step) + " " +
                                box->CurrentText());
            }
        }
    }
}

// The song as the reader's lines should show it, sorted.
std::vector<std::string> Expected(const Song& song) {
    std::vector<std::string> lines;
    const std::vector<const Track*> tracks = NoteTracks(song);
    for (size_t t = 0; t < tracks.size(); ++t) {
        Syllables syllables;
        for (int b = 0; b < tracks[t]->GetNumBars(); ++b) {
            const auto& bar = static_cast<const NoteBar&>(*tracks[t]->GetBar(b));
            for (const NoteChord* chord = bar.FirstChord(); chord != nullptr;
                 chord = bar.ChordAfter(*chord)) {
                AddChord(lines, *tracks[t], static_cast<int>(t) + 1, bar, *chord,
                         b * song.GetNumOfStepsPerBar() + chord->GetStep(), syllables);
            }
        }
    }
    AddHarmonies(lines, song);
    std::sort(lines.begin(), lines.end());
    return lines;
}

// The reader's lines in the same terms: drum pitches dropped, chord symbols
// placed by step instead of beat.
std::vector<std::string> Normalised(const std::vector<std::string>& read, const Song& song) {
    const std::vector<const Track*> tracks = NoteTracks(song);
    const int stepsPerBeatUnit = 4 * kStepsPerQuarter / song.GetTimeSignature().denominator;
    std::vector<std::string> lines;
    for (const std::string& line : read) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "note" || kind == "tie") {
            int staff = 0;
            in >> staff;
            std::string rest;
            std::getline(in, rest);
            const size_t last = rest.rfind(' ');
            const bool drums = staff >= 1 && static_cast<size_t>(staff) <= tracks.size() &&
                               tracks[static_cast<size_t>(staff) - 1]->IsPercussion();
            lines.push_back(kind + " " + std::to_string(staff) +
                            (drums ? rest.substr(0, last) + " drum" : rest));
        } else if (kind == "harm") {
            int measure = 0;
            double beat = 0;
            std::string text;
            in >> measure >> beat;
            std::getline(in >> std::ws, text);
            const long step = std::lround((beat - 1) * stepsPerBeatUnit);
            lines.push_back("harm " + std::to_string(measure) + " " + std::to_string(step) + " " +
                            text);
        } else {
            lines.push_back(line);
        }
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Lines only one side has, marked "-" (the song's) and "+" (the reader's).
std::string Difference(const std::vector<std::string>& expected,
                       const std::vector<std::string>& read) {
    std::vector<std::string> missing;
    std::vector<std::string> extra;
    std::set_difference(expected.begin(), expected.end(), read.begin(), read.end(),
                        std::back_inserter(missing));
    std::set_difference(read.begin(), read.end(), expected.begin(), expected.end(),
                        std::back_inserter(extra));
    std::string text;
    for (size_t i = 0; i < missing.size() && i < 20; ++i) {
        text += "- " + missing[i] + "\n";
    }
    for (size_t i = 0; i < extra.size() && i < 20; ++i) {
        text += "+ " + extra[i] + "\n";
    }
    return text;
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    const fs::path examples = fs::path(QUILLSONG_TEST_DATA) / ".." / ".." / "examples";
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() == ".qs") {
            cases.push_back(
                {entry.path().stem().string(), SongFiles::Load(entry.path().string(), nullptr)});
        }
    }
    for (int key = -6; key <= 6; ++key) {
        cases.push_back({"Key" + std::to_string(key), musicxml_songs::KeySong(key)});
    }
    cases.push_back({"Accidentals", musicxml_songs::AccidentalSong()});
    cases.push_back({"TripletsTies", musicxml_songs::TripletTieSong()});
    return cases;
}

class MusicXmlReadBackTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string missing = VerovioReader::Missing();
        if (!missing.empty()) {
            GTEST_SKIP() << "MusicXML read-back skipped: " << missing;
        }
        dir = fs::temp_directory_path() / ("quillsong-musicxml-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        if (!dir.empty()) {
            fs::remove_all(dir);
        }
    }

    fs::path dir;
};

TEST_F(MusicXmlReadBackTest, VerovioReadsEveryExampleAndGeneratedSongAsTheSongHoldsIt) {
    const std::vector<Case> cases = Cases();
    ASSERT_GE(cases.size(), 5u + 13u + 2u) << "the examples are missing";
    std::vector<fs::path> files;
    for (const Case& c : cases) {
        files.push_back(dir / (c.name + ".musicxml"));
        MusicXmlWriter::WriteFile(*c.song, files.back().string());
    }
    // The compressed container must read the same as the plain file.
    files.push_back(dir / (cases.back().name + ".mxl"));
    MusicXmlWriter::WriteFile(*cases.back().song, files.back().string());

    auto read = VerovioReader::Read(files);
    for (const std::string& line : read[""]) {
        EXPECT_EQ(line.rfind("node exited", 0), std::string::npos) << line;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const Case& c = cases[std::min(i, cases.size() - 1)];
        const std::vector<std::string>& lines = read[files[i].string()];
        const std::vector<std::string> expected = Expected(*c.song);
        const std::vector<std::string> got = Normalised(lines, *c.song);
        EXPECT_FALSE(lines.empty()) << files[i].filename();
        EXPECT_EQ(Difference(expected, got), "") << files[i].filename();
    }
}

}  // namespace
