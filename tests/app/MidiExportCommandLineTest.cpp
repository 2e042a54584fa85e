#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "files/MidiExportReader.h"
#include "files/SongFiles.h"
#include "model/NoteBar.h"
#include "model/Song.h"

// quillsong -o OUT.mid IN.qs, run as the user runs it.
namespace {

namespace fs = std::filesystem;

class MidiExportCommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quillsong-cli-midi-" + std::to_string(getpid()));
        fs::create_directories(dir);
        Song song("Tune", "Me", 2, 132, {3, 4}, -1);
        song.AddTrebleTrack();
        static_cast<NoteBar*>(song.GetBar(0, 1))
            ->InsertNote(0, 'G', 5, Note::NoAccidental, 2, true, false);
        input = (dir / "in.qs").string();
        SongFiles::Save(song, input);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The exit status and what the program printed.
    static std::pair<int, std::string> Run(const std::string& arguments) {
        int status = 0;
        std::string output =
            MidiExportReader::Shell(std::string(QUILLSONG_BINARY) + " " + arguments, status);
        return {status, output};
    }

    fs::path dir;
    std::string input;
};

TEST_F(MidiExportCommandLineTest, WritesTheSongAsAMidiFile) {
    for (const char* name : {"out.mid", "out.MIDI"}) {
        const fs::path out = dir / name;
        EXPECT_EQ(Run("-o " + out.string() + " " + input), std::make_pair(0, std::string()));
        const auto file = MidiExportReader::Read(out);
        ASSERT_EQ(file.error, "") << name;
        EXPECT_EQ(file.trackChunks, 2);
        // The tempo and key come from the song file: 132 quarters a minute, F major.
        EXPECT_EQ(file.Only(0, "set_tempo").at(0).Int("tempo"), 454545);
        EXPECT_EQ(file.Only(0, "key_signature").at(0).values.at("key"), "F");
        const auto on = file.Only(1, "note_on");
        ASSERT_EQ(on.size(), 1u);
        EXPECT_EQ(on[0].tick, 72u) << "the second bar of 3/4";
        EXPECT_EQ(on[0].Int("note"), 67);
        EXPECT_EQ(file.tracks.at(1).back().Line(), "144 end_of_track");
    }
}

TEST_F(MidiExportCommandLineTest, AFileThatCannotBeWrittenIsAWriteError) {
    EXPECT_EQ(Run("-o " + (dir / "missing" / "out.mid").string() + " " + input),
              std::make_pair(1, std::string("Write file error\n")));
    EXPECT_EQ(Run("-o " + (dir / "out.mid").string() + " " + (dir / "none.qs").string()),
              std::make_pair(1, std::string("File do not exists\n")));
    EXPECT_FALSE(fs::exists(dir / "out.mid"));
}

}  // namespace
