#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "files/MusicXmlWriter.h"
#include "files/MxlPackage.h"
#include "model/ChordBar.h"
#include "model/DynamicMark.h"
#include "model/InstrumentCombo.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "platform/Exception.h"
#include "support/MusicXmlSongs.h"

// The MusicXML document the writer makes, read with XPath: the part list
// and its MIDI instruments, harmonies, ties, triplet brackets, lyrics,
// dynamics and accents, measure rests, and the compressed container.
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// A parsed document and the XPath questions the tests ask of it.
class Document {
public:
    explicit Document(const std::string& text)
        : m_doc(xmlReadMemory(text.data(), static_cast<int>(text.size()), "score.musicxml", nullptr,
                              XML_PARSE_NONET)) {}
    ~Document() { xmlFreeDoc(m_doc); }
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    bool Parsed() const { return m_doc != nullptr; }

    // The string value of every node the expression selects, in document order.
    Texts All(const std::string& expression) const {
        Texts texts;
        xmlXPathContextPtr context = xmlXPathNewContext(m_doc);
        xmlXPathObjectPtr result =
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(expression.c_str()), context);
        if (result != nullptr && result->nodesetval != nullptr) {
            for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
                xmlChar* value = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
                texts.emplace_back(reinterpret_cast<const char*>(value));
                xmlFree(value);
            }
        }
        xmlXPathFreeObject(result);
        xmlXPathFreeContext(context);
        return texts;
    }
    std::string One(const std::string& expression) const {
        const Texts texts = All(expression);
        return texts.size() == 1 ? texts[0] : "<" + std::to_string(texts.size()) + " found>";
    }

private:
    xmlDocPtr m_doc;
};

NoteBar& BarOf(Song& song, int slot, int bar) {
    return static_cast<NoteBar&>(*song.GetBar(slot, bar));
}

// A song with a chord track, a bass, a treble and a drum track.
std::unique_ptr<Song> BandSong() {
    auto song =
        std::make_unique<Song>("Band & Co", "Ann <Composer>", 2, 96, Song::TimeSignature{4, 4}, -2);
    song->AddAccompanimentTrack();
    song->AddBassTrack();
    song->AddTrebleTrack();
    song->AddPercussionTrack();
    song->GetTrack(1)->SetTitle("Bass");
    song->GetTrack(2)->SetTitle("Tune");
    song->GetTrack(1)->SetProgram(32);
    song->GetTrack(2)->SetProgram(73);
    song->GetTrack(3)->SetProgram(42);
    BarOf(*song, 2, 0).InsertNote(0, 'D', 5, Note::NoAccidental, 1, false, false);
    BarOf(*song, 3, 0).InsertNote(0, 'C', 5, Note::NoAccidental, 4, false, false);
    auto& chords = static_cast<ChordBar&>(*song->GetBar(0, 0));
    chords.GetBeatBox(0)->SelectText("Gm", false);
    chords.GetBeatBox(2)->SelectText("Eb", false);
    static_cast<ChordBar&>(*song->GetBar(0, 1)).GetBeatBox(1)->SelectText("F7", false);
    return song;
}

TEST(MusicXmlWriterTest, NamesTheWorkAndGivesEveryNoteTrackAPartWithItsInstrument) {
    auto song = BandSong();
    const Document doc(MusicXmlWriter::ToText(*song));
    ASSERT_TRUE(doc.Parsed());
    EXPECT_EQ(doc.One("/score-partwise/@version"), "4.0");
    EXPECT_EQ(doc.One("//work/work-title"), "Band & Co");
    EXPECT_EQ(doc.One("//identification/creator[@type='composer']"), "Ann <Composer>");
    // The chord track is no part; the others keep their slot order.
    EXPECT_EQ(doc.All("//part-list/score-part/part-name"), (Texts{"Bass", "Tune", "Track 4"}));
    EXPECT_EQ(doc.All("//score-part/@id"), (Texts{"P1", "P2", "P3"}));
    EXPECT_EQ(doc.All("/score-partwise/part/@id"), (Texts{"P1", "P2", "P3"}));
    // MusicXML counts programs, channels and drum keys from 1.
    EXPECT_EQ(doc.All("//midi-instrument/midi-program"), (Texts{"33", "74", "1"}));
    EXPECT_EQ(doc.All("//midi-instrument/midi-channel"), (Texts{"1", "2", "10"}));
    EXPECT_EQ(doc.One("//score-part[@id='P3']//midi-unpitched"), "43");
    EXPECT_EQ(doc.One("//score-part[@id='P3']//instrument-name"), "Closed Hi-Hat");
    EXPECT_EQ(doc.All("//measure[@number='1']/attributes/clef/sign"),
              (Texts{"F", "G", "percussion"}));
    EXPECT_EQ(doc.All("//measure[@number='1']/attributes/key/fifths"), (Texts{"-2", "-2", "0"}));
    EXPECT_EQ(doc.All("//measure[@number='1']/attributes/divisions"), (Texts{"24", "24", "24"}));
    EXPECT_EQ(doc.All("//part[@id='P3']//note[unpitched]/instrument/@id"), (Texts{"P3-I1"}));
}

TEST(MusicXmlWriterTest, HarmoniesStandAboveTheFirstMelodicPartAtTheirBeats) {
    auto song = BandSong();
    const Document doc(MusicXmlWriter::ToText(*song));
    EXPECT_EQ(doc.All("//part[@id='P1']/measure/harmony").size(), 3u);
    EXPECT_EQ(doc.All("//harmony").size(), 3u);
    EXPECT_EQ(doc.All("//harmony/root/root-step"), (Texts{"G", "E", "F"}));
    EXPECT_EQ(doc.All("//harmony/root/root-alter"), (Texts{"-1"}));
    EXPECT_EQ(doc.All("//harmony/kind"), (Texts{"minor", "major", "dominant"}));
    // The bass bars are whole rests: the chords of beats 3 and 2 are placed
    // by offset into them.
    EXPECT_EQ(doc.All("//harmony/offset"), (Texts{"48", "24"}));
}

TEST(MusicXmlWriterTest, AChordTrackAloneGetsAPartOfMeasureRestsForItsChords) {
    Song song("Chords", "Me", 2, 100, {3, 4}, 0);
    song.AddAccompanimentTrack();
    static_cast<ChordBar&>(*song.GetBar(0, 1)).GetBeatBox(0)->SelectText("A", false);
    const Document doc(MusicXmlWriter::ToText(song));
    EXPECT_EQ(doc.All("//part/@id"), (Texts{"P1"}));
    EXPECT_EQ(doc.All("//note/rest/@measure"), (Texts{"yes", "yes"}));
    EXPECT_EQ(doc.All("//note/duration"), (Texts{"72", "72"}));
    EXPECT_EQ(doc.All("//measure[@number='2']/harmony/root/root-step"), (Texts{"A"}));
}

TEST(MusicXmlWriterTest, TiesTripletsAndLyricsAreMarkedOnTheirNotes) {
    auto song = musicxml_songs::TripletTieSong();
    const Document doc(MusicXmlWriter::ToText(*song));
    const std::string melody = "//part[@id='P1']";
    // The F tied from bar 1 through bar 2: start, both, stop; as ties and as drawn ties.
    EXPECT_EQ(doc.All(melody + "//note[pitch/step='F'][tie]/tie/@type"),
              (Texts{"start", "stop", "start", "stop"}));
    EXPECT_EQ(doc.All(melody + "//note[pitch/step='F']/notations/tied/@type"),
              (Texts{"start", "stop", "start", "stop"}));
    EXPECT_EQ(doc.All(melody + "/measure[@number='2']/note[pitch/step='F'][1]/pitch/alter"),
              (Texts{"1"}));
    EXPECT_EQ(doc.All(melody + "/measure[@number='2']/note[pitch/step='F'][1]/accidental"),
              Texts{});
    // The sixteenth chords tied over the bar line: every note of both chords.
    EXPECT_EQ(doc.All(melody + "/measure[@number='3']/note[1]/tie/@type"), (Texts{"stop"}));
    EXPECT_EQ(doc.All(melody + "/measure[@number='3']/note[2]/chord").size(), 1u);
    EXPECT_EQ(doc.All(melody + "/measure[@number='3']/note[2]/tie/@type"), (Texts{"stop"}));
    // Bar 1 holds two triplet groups, bar 4 one; each opens and closes once.
    EXPECT_EQ(doc.All(melody + "//tuplet/@type"),
              (Texts{"start", "stop", "start", "stop", "start", "stop"}));
    EXPECT_EQ(doc.All(melody + "//time-modification").size(), 9u);
    EXPECT_EQ(doc.All(melody + "//time-modification/actual-notes")[0], "3");
    EXPECT_EQ(doc.All(melody + "//time-modification/normal-notes")[0], "2");
    // "lit-" "tle" is one word; "Three" stands alone; a chord's syllable is
    // on its first note only.
    EXPECT_EQ(
        doc.All(melody + "//lyric/syllabic"),
        (Texts{"single", "begin", "end", "single", "single", "single", "single", "single", "begin",
               "end", "begin", "end", "begin", "middle", "end", "single", "single"}));
    EXPECT_EQ(doc.All(melody + "//lyric/text")[1], "lit");
    EXPECT_EQ(doc.All(melody + "//note[chord]/lyric").size(), 0u);
}

TEST(MusicXmlWriterTest, DynamicsAndAccentsFollowTheMarks) {
    Song song("t", "a", 1, 100, {4, 4}, 0);
    song.AddTrebleTrack();
    NoteBar& bar = BarOf(song, 0, 0);
    for (int step = 0; step < 96; step += 24) {
        bar.InsertNote(step, 'G', 5, Note::NoAccidental, 4, false, false);
    }
    bar.AddMark(0, DynamicMark::PP);
    bar.AddMark(24, DynamicMark::Accent);
    bar.AddMark(48, DynamicMark::SF);
    bar.AddMark(72, DynamicMark::FFF);
    const Document doc(MusicXmlWriter::ToText(song));
    Texts names;
    for (const std::string kind : {"pp", "sf", "fff", "mf"}) {
        if (!doc.All("//direction/direction-type/dynamics/" + kind).empty()) {
            names.push_back(kind);
        }
    }
    EXPECT_EQ(names, (Texts{"pp", "sf", "fff"}));
    EXPECT_EQ(doc.All("//note[notations/articulations/accent]").size(), 1u);
    // Each direction stands just before the note it marks.
    EXPECT_EQ(
        doc.All("//direction[direction-type/dynamics/sf]/following-sibling::note[1]/duration"),
        (Texts{"24"}));
    EXPECT_EQ(doc.All("//note[notations/articulations/accent]/preceding-sibling::note").size(), 1u);
}

// The entries of a zip held in memory, in order, with their methods and texts.
struct Entry {
    std::string name;
    bool stored;
    std::string text;
};

std::vector<Entry> Unzip(const std::string& bytes) {
    std::vector<Entry> entries;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* zip = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (zip == nullptr) {
        zip_source_free(source);
        return entries;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t stat;
        zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat);
        std::string text(stat.size, '\0');
        zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
        zip_fread(file, text.data(), text.size());
        zip_fclose(file);
        entries.push_back({stat.name, stat.comp_method == ZIP_CM_STORE, text});
    }
    zip_close(zip);
    zip_error_fini(&error);
    return entries;
}

TEST(MusicXmlWriterTest, TheCompressedFileIsAContainerWithTheMimeTypeFirstAndTheScore) {
    auto song = BandSong();
    const std::string score = MusicXmlWriter::ToText(*song);
    const std::vector<Entry> entries = Unzip(MxlPackage::Pack(score));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "mimetype");
    EXPECT_TRUE(entries[0].stored) << "readers sniff the type from the first, stored entry";
    EXPECT_EQ(entries[0].text, "application/vnd.recordare.musicxml");
    EXPECT_EQ(entries[1].name, "META-INF/container.xml");
    const Document container(entries[1].text);
    EXPECT_EQ(container.One("//rootfile/@full-path"), entries[2].name);
    EXPECT_FALSE(entries[2].stored);
    EXPECT_EQ(entries[2].text, score);
}

TEST(MusicXmlWriterTest, WritesByExtensionAndLeavesTheOldFileWhenItCannotWrite) {
    const fs::path dir =
        fs::temp_directory_path() / ("quillsong-musicxml-write-" + std::to_string(getpid()));
    fs::create_directories(dir);
    auto song = BandSong();
    MusicXmlWriter::WriteFile(*song, (dir / "a.MusicXML").string());
    MusicXmlWriter::WriteFile(*song, (dir / "a.mxl").string());
    std::ifstream plain(dir / "a.MusicXML");
    const std::string text{std::istreambuf_iterator<char>(plain), {}};
    EXPECT_EQ(text, MusicXmlWriter::ToText(*song));
    std::ifstream packed(dir / "a.mxl", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(packed), {}};
    EXPECT_EQ(bytes.substr(0, 2), "PK");
    EXPECT_TRUE(MusicXmlWriter::IsMusicXmlPath("x.xml"));
    EXPECT_FALSE(MusicXmlWriter::IsMusicXmlPath("x.mid"));
    try {
        MusicXmlWriter::WriteFile(*song, (dir / "missing" / "a.musicxml").string());
        ADD_FAILURE() << "no error for a folder that does not exist";
    } catch (const IOException& e) {
        EXPECT_STREQ(e.what(), "Write file error");
    }
    fs::remove_all(dir);
}

}  // namespace
