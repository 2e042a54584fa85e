#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "files/SongFiles.h"
#include "model/NewSongBuilder.h"
#include "model/UserText.h"
#include "platform/Exception.h"
#include "platform/FixedPrompt.h"
#include "platform/ProgramPaths.h"
#include "support/EngineReset.h"
#include "support/SampleSongs.h"
#include "support/SongEquality.h"

namespace {

namespace fs = std::filesystem;

class SongFileTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        dir = fs::temp_directory_path() / ("quillsong-songs-" + std::to_string(getpid()));
        fs::create_directories(dir);
        // Style lists come from a folder without styles, not from the ones
        // the build puts beside the test program.
        ProgramPaths::OverrideExecutableDir(dir.string());
    }
    void TearDown() override {
        ProgramPaths::OverrideExecutableDir("");
        fs::remove_all(dir);
        EngineReset::TearDown();
    }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string Write(const std::string& name, const std::string& content) const {
        std::ofstream(PathOf(name), std::ios::binary) << content;
        return PathOf(name);
    }
    // The message a file gives when opened, or "" when it opens.
    std::string OpenMessage(const std::string& content) {
        try {
            SongFiles::Load(Write("hostile.qs", content), nullptr);
        } catch (const IOException& e) {
            return e.what();
        }
        return "";
    }

    fs::path dir;
};

TEST_F(SongFileTest, EveryFieldSurvivesARoundTripAndSavesToTheSameBytes) {
    Track::SetBarsPerLine(3);
    auto original = BuildEveryFieldSong();
    const std::string first = PathOf("first.qs");
    SongFiles::Save(*original, first);

    Track::SetBarsPerLine(4);
    SoundEngine::Instance().SetTempo(60, false);
    const auto loaded = SongFiles::Load(first, nullptr);
    EXPECT_EQ(SongEquality().Difference(*original, *loaded), "");
    EXPECT_EQ(Track::GetBarsPerLine(), 3);
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 132);
    EXPECT_EQ(SoundEngine::Instance().KeySignature(), -3);
    EXPECT_EQ(SoundEngine::Instance().StepsPerBar(), 72);
    EXPECT_EQ(SoundEngine::Instance().TrackVolume(2), 55) << "a loaded volume reaches the engine";

    const std::string second = PathOf("second.qs");
    SongFiles::Save(*const_cast<Song*>(loaded.get()), second);
    EXPECT_EQ(ReadFile(first), ReadFile(second));
}

TEST_F(SongFileTest, TheFileLayoutIsTheDocumentedOne) {
    auto song = NewSongBuilder::FirstStartSong();
    static_cast<NoteBar*>(song->GetBar(0, 0))
        ->InsertNote(0, 'C', 5, Note::NoAccidental, 1, false, false);
    SongFiles::Save(*song, PathOf("layout.qs"));
    const std::string text = ReadFile(PathOf("layout.qs"));
    const std::string expectedStart =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<LarkSong name=\"My Great Music\" author=\"little musician\" keySignature=\"0\" "
        "timeSignature=\"4|4\" tempo=\"114\" numOfTracksCreated=\"1\" numOfBars=\"16\" "
        "numOfBarsPerLine=\"4\" progVersion=\"1\" arcVersion=\"1\" ppqn=\"24\">\n"
        "  <Track trackNum=\"0\" trackType=\"0\" muted=\"0\" lyric=\"0\" instr=\"0\" vol=\"100\" "
        "title=\"Track 1\">\n"
        "    <Bar>\n"
        "      <BarElem noteNum=\"0\" pitch=\"C\" octave=\"5\" timeValue=\"96\" sharpFlat=\"3\" "
        "dotted=\"0\"/>\n"
        "    </Bar>\n"
        "    <Bar>\n"
        "      <BarElem noteNum=\"0\" pitch=\"S\" octave=\"1\" timeValue=\"96\" sharpFlat=\"3\" "
        "dotted=\"0\"/>\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(text.find("<UserText"), std::string::npos);
}

TEST_F(SongFileTest, ReadingFollowsTheDefaultsAndTheCorrections) {
    const std::string path =
        Write("defaults.qs", R"(<LarkSong name="n" author="a" timeSignature="6|8"
        numOfTracksCreated="3" numOfBars="1">
      <Track trackType="2" vol="150" instr="7"><Bar>
        <BarElem noteNum="0" pitch="G" octave="2" timeValue="36" sharpFlat="0" dyn="mf"/>
        <BarElem noteNum="36" pitch="S" octave="1" timeValue="36" isTriplet="2" tripletLen="9"
                 dyn="FF"/></Bar></Track>
      <Track trackType="0" lyric="1"><Bar>
        <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" lyric="la" dyn="PPP"/>
        <BarElem noteNum="0" pitch="C" octave="5" timeValue="72" lyric="lo"/></Bar></Track>
      <Track trackType="1"><Bar><BarElem pitch="S" octave="1" timeValue="72"/></Bar></Track>
      <UserText userText="free"/></LarkSong>)");
    const auto song = SongFiles::Load(path, nullptr);
    ASSERT_EQ(song->GetNumTracks(), 3);
    EXPECT_EQ(song->GetKeySignature(), 0);
    EXPECT_EQ(song->GetTempo(), 20) << "a missing tempo is brought into the transport's range";
    const Track* drums = song->GetTrack(0);
    EXPECT_EQ(drums->GetVolume(), 100);
    EXPECT_EQ(drums->GetMidiProgNum(), 42);
    const auto* drumBar = static_cast<const NoteBar*>(drums->GetBar(0));
    const Note* drum = drumBar->GetChordAt(0)->First();
    EXPECT_EQ(drum->GetLetter(), 'C');
    EXPECT_EQ(drum->GetOctave(), 5);
    EXPECT_EQ(drum->GetAccidental(), Note::Sharp) << "the accidental stays as read";
    EXPECT_TRUE(drumBar->GetMarks().empty()) << "\"mf\" is no marking name; rests take none";
    const Note* rest = drumBar->GetChordAt(36)->First();
    EXPECT_FALSE(rest->IsTriplet());
    EXPECT_EQ(rest->GetTripletLength(), 0);

    const auto* melody = static_cast<const NoteBar*>(song->GetTrack(1)->GetBar(0));
    EXPECT_EQ(melody->GetChordAt(0)->GetNoteCount(), 2);
    ASSERT_EQ(melody->GetLyrics().size(), 1u);
    EXPECT_EQ(melody->GetLyrics().begin()->second->GetText(), "lo")
        << "the step's last element wins";
    EXPECT_TRUE(melody->HasMark(0, 0));
    EXPECT_EQ(song->GetTrack(1)->GetTitle(), "Track 2");
    ASSERT_EQ(song->GetUserTexts().size(), 1u);
    EXPECT_EQ(song->GetUserTexts()[0]->GetText(), "free");
    EXPECT_EQ(song->GetUserTexts()[0]->GetRect().left, 0);
}

TEST_F(SongFileTest, ChordBoxesKeepSubStylesOnlyOnTheFirstBeat) {
    const std::string path = Write("chords.qs", R"(<LarkSong name="n" author="a" timeSignature="4|4"
        numOfTracksCreated="1" numOfBars="2"><Track trackType="3" instr="Gone">
      <Bar><BarElem chordNum="0" value="C" subStyle="5"/><BarElem chordNum="24" value="Db" subStyle="3"/>
           <BarElem chordNum="48" value="F#m"/></Bar>
      <Bar><BarElem chordNum="0" value="G7"/></Bar></Track></LarkSong>)");
    const auto song = SongFiles::Load(path, nullptr);
    const auto* first = static_cast<const ChordBar*>(song->GetBar(0, 0));
    EXPECT_EQ(first->GetBoxAt(0)->GetSubStyle(), ChordCombo::StyleA) << "bar 0 always has a style";
    EXPECT_EQ(first->GetBoxAt(24)->GetSubStyle(), ChordCombo::NoSubStyle);
    EXPECT_EQ(first->GetBoxAt(24)->GetIndex(), 0) << "\"Db\" is not a sharp-key name";
    EXPECT_EQ(first->GetBoxAt(48)->CurrentText(), "F#m");
    const auto* second = static_cast<const ChordBar*>(song->GetBar(0, 1));
    EXPECT_EQ(second->GetBoxAt(0)->GetSubStyle(), ChordCombo::NoSubStyle);
    EXPECT_EQ(second->GetBoxAt(0)->CurrentText(), "G7");
    EXPECT_EQ(second->GetBoxAt(24)->GetIndex(), 0) << "boxes the file leaves out stay empty";
    EXPECT_EQ(song->GetTrack(0)->GetStyleName(), "[N/A]") << "a style no longer there is not kept";
}

TEST_F(SongFileTest, HostileFilesGiveAReadErrorAndNothingElse) {
    const std::string head = R"(<LarkSong name="n" author="a" timeSignature="4|4" )";
    const std::string bar = R"(<Bar><BarElem pitch="S" octave="1" timeValue="96"/></Bar>)";
    const std::string track = "<Track>" + bar + "</Track>";
    const std::pair<const char*, std::string> files[] = {
        {"no name", R"(<LarkSong author="a" timeSignature="4|4"/>)"},
        {"no time signature", R"(<LarkSong name="n" author="a"/>)"},
        {"zero steps", R"(<LarkSong name="n" author="a" timeSignature="0|4"/>)"},
        {"no beats", R"(<LarkSong name="n" author="a" timeSignature="2|8"/>)"},
        {"huge bar", R"(<LarkSong name="n" author="a" timeSignature="2000000000|1"/>)"},
        {"odd unit", R"(<LarkSong name="n" author="a" timeSignature="4|3"/>)"},
        {"garbage signature", R"(<LarkSong name="n" author="a" timeSignature="4/4"/>)"},
        {"key out of range",
         R"(<LarkSong name="n" author="a" keySignature="9" timeSignature="4|4"/>)"},
        {"too many tracks",
         head + R"(numOfTracksCreated="65" numOfBars="1">)" + track + "</LarkSong>"},
        {"too many bars",
         head + R"(numOfTracksCreated="1" numOfBars="65">)" + track + "</LarkSong>"},
        {"negative bars",
         head + R"(numOfTracksCreated="1" numOfBars="-1">)" + track + "</LarkSong>"},
        {"missing track",
         head + R"(numOfTracksCreated="2" numOfBars="1">)" + track + "</LarkSong>"},
        {"missing bar", head + R"(numOfTracksCreated="1" numOfBars="2">)" + track + "</LarkSong>"},
        {"track type 4", head + R"(numOfTracksCreated="1" numOfBars="1"><Track trackType="4">)" +
                             bar + "</Track></LarkSong>"},
        {"track type -1", head + R"(numOfTracksCreated="1" numOfBars="1"><Track trackType="-1">)" +
                              bar + "</Track></LarkSong>"},
        {"two accompaniments",
         head +
             R"(numOfTracksCreated="2" numOfBars="1"><Track trackType="3" instr="x"><Bar/></Track>
                  <Track trackType="3" instr="x"><Bar/></Track></LarkSong>)"},
        {"accompaniment below", head + R"(numOfTracksCreated="2" numOfBars="1">)" + track +
                                    R"(<Track trackType="3" instr="x"><Bar/></Track></LarkSong>)"},
        {"no style name",
         head +
             R"(numOfTracksCreated="1" numOfBars="1"><Track trackType="3"><Bar/></Track></LarkSong>)"},
        {"ten pitched",
         [&] {
             std::string text = head + R"(numOfTracksCreated="10" numOfBars="1">)";
             for (int i = 0; i < 10; ++i) {
                 text += track;
             }
             return text + "</LarkSong>";
         }()},
        {"note past the bar", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="C" octave="5" timeValue="96" noteNum="48"/></Bar></Track></LarkSong>)"},
        {"note before the bar", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="S" octave="1" timeValue="96" noteNum="-1"/></Bar></Track></LarkSong>)"},
        {"zero length", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="C" octave="5" timeValue="0"/></Bar></Track></LarkSong>)"},
        {"negative length", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="C" octave="5" timeValue="-24"/></Bar></Track></LarkSong>)"},
        {"gap", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="C" octave="5" timeValue="24"/></Bar></Track></LarkSong>)"},
        {"overlap", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="C" octave="5" timeValue="48"/>
            <BarElem noteNum="24" pitch="D" octave="5" timeValue="72"/></Bar></Track></LarkSong>)"},
        {"no pitch", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem octave="5" timeValue="96"/></Bar></Track></LarkSong>)"},
        {"odd letter", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="H" octave="5" timeValue="96"/></Bar></Track></LarkSong>)"},
        {"odd accidental", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="C" octave="5" timeValue="96" sharpFlat="9"/></Bar></Track></LarkSong>)"},
        {"lonely triplet", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="C" octave="5" timeValue="96" isTriplet="1"/></Bar></Track></LarkSong>)"},
        {"group past the bar", head + R"(numOfTracksCreated="1" numOfBars="1"><Track><Bar>
            <BarElem pitch="S" octave="1" timeValue="72"/>
            <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" isTriplet="1" tripletLen="48"/>
            </Bar></Track></LarkSong>)"},
        {"chord box past the bar",
         head + R"(numOfTracksCreated="1" numOfBars="1"><Track trackType="3" instr="x">
            <Bar><BarElem chordNum="96" value="C"/></Bar></Track></LarkSong>)"},
        {"chord box without name",
         head + R"(numOfTracksCreated="1" numOfBars="1"><Track trackType="3" instr="x">
            <Bar><BarElem chordNum="0"/></Bar></Track></LarkSong>)"},
        {"user text without text",
         head + R"(numOfTracksCreated="0" numOfBars="0"><UserText x="1"/></LarkSong>)"},
    };
    for (const auto& [what, content] : files) {
        EXPECT_EQ(OpenMessage(content), "Read file error") << what;
    }
}

// Fuzzing found x="16666666666666666660" read as INT_MAX, saved back as
// x="2147483647", and the box's right edge overflowing. A corner further off
// the largest score than a page is a damaged file; anywhere up to that loads.
TEST_F(SongFileTest, FreeTextFarOffThePageIsRefused) {
    const auto song = [](const std::string& x, const std::string& y) {
        return R"(<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="n" author="a" timeSignature="3|8" numOfTracksCreated="2" numOfBars="1">
  <Track trackType="3" instr="Waltz"><Bar><BarElem chordNum="0" value="C" subStyle="1"/>
  </Bar></Track>
  <Track trackType="2" vol="80" instr="7" lyric="1"><Bar>
    <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dyn="FF" lyric="la"/>
    <BarElem noteNum="24" pitch="S" octave="5" timeValue="12"/>
  </Bar></Track>
  <UserText userText="hello" x=")" +
               x + R"(" y=")" + y + R"("/>
</LarkSong>)";
    };
    const Rect area = UserText::PlaceableArea();
    const auto text = [](int value) { return std::to_string(value); };
    struct Case {
        const char* name;
        std::string x, y;
        bool loads;
    };
    const std::vector<Case> cases = {
        {"the fuzzer's x", "16666666666666666660", "20", false},
        {"far left", "-16666666666666666660", "20", false},
        {"far down", "20", "16666666666666666660", false},
        {"far up", "20", "-99999999999", false},
        {"int's end", "2147483647", "20", false},
        {"just right of the area", text(area.right + 1), "20", false},
        {"just above the area", "20", text(area.top - 1), false},
        {"on the first page", "300", "400", true},
        {"on the last page of a song of 64 bars", "134000", "2900", true},
        {"the area's top-left corner", text(area.left), text(area.top), true},
        {"the area's bottom-right corner", text(area.right), text(area.bottom), true},
    };
    for (const Case& c : cases) {
        const std::string file = Write("text.qs", song(c.x, c.y));
        if (!c.loads) {
            EXPECT_EQ(OpenMessage(song(c.x, c.y)), "Read file error") << c.name;
            continue;
        }
        const auto loaded = SongFiles::Load(file, nullptr);
        ASSERT_EQ(loaded->GetUserTexts().size(), 1u) << c.name;
        const Rect& rect = loaded->GetUserTexts()[0]->GetRect();
        EXPECT_EQ(text(rect.left), c.x) << c.name;
        EXPECT_EQ(text(rect.top), c.y) << c.name;
        EXPECT_LT(rect.left, rect.right) << c.name;
    }
}

TEST_F(SongFileTest, ASongWithoutTracksIsNotSaved) {
    Song empty("t", "a", 4, 100, {4, 4}, 0);
    try {
        SongFiles::Save(empty, PathOf("empty.qs"));
        FAIL() << "saving an empty song must be refused";
    } catch (const IOException& e) {
        EXPECT_STREQ(e.what(), "Cannot save a music without any tracks");
    }
    EXPECT_FALSE(fs::exists(PathOf("empty.qs")));
}

}  // namespace
