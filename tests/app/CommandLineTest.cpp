#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/CommandLine.h"
#include "files/MidiExportReader.h"

namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::vector<std::string> arguments) {
    return CommandLine::Parse(arguments);
}

TEST(CommandLineTest, ActionsAndOptions) {
    EXPECT_EQ(Parse({}).action, Action::OpenEditor);
    const CommandLine open = Parse({"song.qs"});
    EXPECT_EQ(open.action, Action::OpenEditor);
    EXPECT_EQ(open.input, "song.qs");
    const CommandLine convert = Parse({"-o", "out.mid", "in.qs", "--force", "--zoom", "150"});
    EXPECT_EQ(convert.action, Action::Convert);
    EXPECT_EQ(convert.output, "out.mid");
    EXPECT_EQ(convert.input, "in.qs");
    EXPECT_TRUE(convert.force);
    EXPECT_EQ(convert.zoom, 150);
    EXPECT_EQ(Parse({"in.qs", "--export-to", "x.qs"}).action, Action::Convert);
    EXPECT_EQ(Parse({"--play", "in.qs"}).action, Action::Play);
    EXPECT_EQ(Parse({"in.qs", "--help", "-o"}).action, Action::Help);
    EXPECT_EQ(Parse({"--version"}).action, Action::Version);
}

TEST(CommandLineTest, ThumbnailTakesTheSongThePictureAndItsSize) {
    const CommandLine thumbnail = Parse({"--thumbnail", "in.qs", "out.png", "256"});
    EXPECT_EQ(thumbnail.action, Action::Thumbnail);
    EXPECT_EQ(thumbnail.input, "in.qs");
    EXPECT_EQ(thumbnail.output, "out.png");
    EXPECT_EQ(thumbnail.thumbnailSize, 256);
    // File managers' paths may look like options or lack extensions.
    const CommandLine odd = Parse({"--thumbnail", "-song", "/tmp/x", "8"});
    EXPECT_EQ(odd.action, Action::Thumbnail);
    EXPECT_EQ(odd.input, "-song");
    EXPECT_EQ(odd.output, "/tmp/x");
    EXPECT_EQ(Parse({"--thumbnail", "a.qs", "b.png", "4096"}).thumbnailSize, 4096);

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--thumbnail", "a.qs", "b.png"},
             {"--thumbnail", "a.qs", "b.png", "7"},
             {"--thumbnail", "a.qs", "b.png", "4097"},
             {"--thumbnail", "a.qs", "b.png", "128px"},
             {"--thumbnail", "a.qs", "b.png", "128", "c.qs"},
             {"--thumbnail", "a.qs", "b.png", "128", "-o", "c.pdf"},
             {"--play", "--thumbnail", "a.qs", "b.png", "128"}}) {
        const CommandLine line = Parse(arguments);
        EXPECT_EQ(line.action, Action::UsageError) << arguments.back();
        EXPECT_FALSE(line.error.empty());
    }
}

TEST(CommandLineTest, MistakesAreUsageErrors) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"-o"},
                                               {"-o", "out.qs"},
                                               {"--play"},
                                               {"--play", "a.qs", "-o", "b.qs"},
                                               {"a.qs", "b.qs"},
                                               {"--zoom", "abc", "a.qs"},
                                               {"--zoom", "5", "a.qs"},
                                               {"--bogus"}}) {
        const CommandLine line = Parse(arguments);
        EXPECT_EQ(line.action, Action::UsageError) << arguments.front();
        EXPECT_FALSE(line.error.empty());
    }
}

// Runs the program itself; answers its exit code and what it printed on stderr.
std::pair<int, std::string> RunProgram(const std::string& arguments) {
    const std::string errors = std::filesystem::temp_directory_path() /
                               ("quillsong-cli-stderr-" + std::to_string(getpid()) + ".txt");
    const std::string command =
        std::string(QUILLSONG_BINARY) + " " + arguments + " > /dev/null 2> " + errors;
    const int status = std::system(command.c_str());
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() / ("quillsong-cli-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& content) {
        std::ofstream((dir / name).string()) << content;
        return (dir / name).string();
    }
    std::filesystem::path dir;
};

TEST_F(ProgramTest, ConvertsASongAndReportsFailuresWithTheProgramsMessages) {
    const std::string song =
        Write("in.qs", R"(<LarkSong name="n" author="a" timeSignature="4|4" numOfTracksCreated="1"
          numOfBars="1"><Track><Bar><BarElem pitch="S" octave="1" timeValue="96"/></Bar></Track>
          </LarkSong>)");
    const std::string out = (dir / "out.qs").string();
    EXPECT_EQ(RunProgram("-o " + out + " " + song).first, 0);
    EXPECT_TRUE(std::filesystem::exists(out));

    EXPECT_EQ(RunProgram("-o " + out + " " + (dir / "missing.qs").string()),
              std::make_pair(1, std::string("File do not exists\n")));
    EXPECT_EQ(RunProgram("-o " + out + " " + Write("bad.qs", "<LarkSong")),
              std::make_pair(1, std::string("Read file error\n")));
    const std::string newer = Write("newer.qs", R"(<LarkSong name="n" author="a" timeSignature="4|4"
        arcVersion="7" numOfTracksCreated="1" numOfBars="1"><Track><Bar>
        <BarElem pitch="S" octave="1" timeValue="96"/></Bar></Track></LarkSong>)");
    EXPECT_EQ(RunProgram("-o " + out + " " + newer),
              std::make_pair(1, std::string("File format is new and user aborted\n")));
    EXPECT_EQ(RunProgram("--force -o " + out + " " + newer).first, 0);
    EXPECT_EQ(RunProgram("-o " + (dir / "out.xyz").string() + " " + song).first, 2);
    EXPECT_EQ(RunProgram("--nonsense").first, 2);
    EXPECT_EQ(RunProgram("--version"), std::make_pair(0, std::string()));
}

}  // namespace

TEST(EditorStartTest, WithoutADisplayTheEditorSaysSoAndPointsAtConversions) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                std::string(QUILLSONG_BINARY) + " 2>&1";
    int status = 0;
    const std::string output = MidiExportReader::Shell(command, status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("no display"), std::string::npos) << output;
    EXPECT_NE(output.find("-o OUT"), std::string::npos) << output;
}
