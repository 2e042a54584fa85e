#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/MidiExportReader.h"
#include "files/MusicXmlWriter.h"
#include "files/SongFiles.h"
#include "model/NoteBar.h"
#include "model/Song.h"

// quillsong -o OUT.musicxml | OUT.xml | OUT.mxl IN.qs, run as the user runs it.
namespace {

namespace fs = std::filesystem;

class MusicXmlCommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quillsong-cli-musicxml-" + std::to_string(getpid()));
        fs::create_directories(dir);
        song = std::make_unique<Song>("Tune", "Me", 2, 132, Song::TimeSignature{3, 4}, -1);
        song->AddTrebleTrack();
        static_cast<NoteBar*>(song->GetBar(0, 1))
            ->InsertNote(0, 'B', 5, Note::NoAccidental, 2, true, false);
        input = (dir / "in.qs").string();
        SongFiles::Save(*song, input);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::pair<int, std::string> Run(const std::string& arguments) {
        int status = 0;
        std::string output =
            MidiExportReader::Shell(std::string(QUILLSONG_BINARY) + " " + arguments, status);
        return {status, output};
    }
    static std::string Contents(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
    std::unique_ptr<Song> song;
    std::string input;
};

TEST_F(MusicXmlCommandLineTest, TheExtensionPicksPlainOrCompressedMusicXml) {
    // The song as read from its file, with its flat key on the B.
    const std::string expected = MusicXmlWriter::ToText(*SongFiles::Load(input, nullptr));
    EXPECT_NE(expected.find("<alter>-1</alter>"), std::string::npos);
    for (const char* name : {"out.musicxml", "out.XML"}) {
        EXPECT_EQ(Run("-o " + (dir / name).string() + " " + input),
                  std::make_pair(0, std::string()));
        EXPECT_EQ(Contents(dir / name), expected) << name;
    }
    EXPECT_EQ(Run("-o " + (dir / "out.mxl").string() + " " + input),
              std::make_pair(0, std::string()));
    // A container opens with its uncompressed type, as readers sniff it.
    const std::string packed = Contents(dir / "out.mxl");
    EXPECT_EQ(packed.substr(0, 4), std::string("PK\3\4"));
    EXPECT_EQ(packed.substr(30, 42), "mimetypeapplication/vnd.recordare.musicxml");
}

TEST_F(MusicXmlCommandLineTest, AFileThatCannotBeWrittenIsAWriteError) {
    EXPECT_EQ(Run("-o " + (dir / "missing" / "out.mxl").string() + " " + input),
              std::make_pair(1, std::string("Write file error\n")));
    EXPECT_EQ(Run("-o " + (dir / "out.musicxm").string() + " " + input).first, 2);
}

}  // namespace
