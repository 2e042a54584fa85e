#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/LarkArchive.h"
#include "platform/Exception.h"
#include "platform/FixedPrompt.h"
#include "platform/ProgramPaths.h"
#include "support/FileSizeLimit.h"

namespace {

namespace fs = std::filesystem;

class LarkArchiveTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quillsong-archive-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::remove_all(dir);
        ProgramPaths::OverrideExecutableDir("");
    }
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    std::string WriteFile(const std::string& name, const std::string& content) const {
        std::ofstream(PathOf(name)) << content;
        return PathOf(name);
    }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static std::string MessageOfOpening(const std::string& path, Prompt* prompt = nullptr) {
        LarkArchive archive(prompt);
        try {
            archive.Open(path, Archive::Load);
        } catch (const IOException& e) {
            return e.what();
        }
        return "";
    }

    fs::path dir;
};

TEST_F(LarkArchiveTest, StoresElementsAndAttributesInOrderAsIndentedUtf8) {
    const std::string path = PathOf("song.qs");
    LarkArchive archive;
    archive.Open(path, Archive::Store);
    EXPECT_TRUE(archive.IsStoring());
    archive.CreateRoot();
    archive.WriteText(Archive::RootElement, "name", "Fr\xC3\xA8re <Jacques> & \"co\"");
    archive.WriteInt(Archive::RootElement, "tempo", -12);
    archive.NewTrack();
    archive.WriteInt(Archive::TrackElement, "trackNum", 0);
    archive.NewBar();
    archive.NewBarElem();
    archive.WriteText(Archive::BarElemElement, "pitch", "C");
    archive.NewUserText();
    archive.WriteText(Archive::UserTextElement, "userText", "hi");
    archive.Close();

    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<LarkSong name=\"Fr\xC3\xA8re &lt;Jacques&gt; &amp; &quot;co&quot;\" tempo=\"-12\">\n"
        "  <Track trackNum=\"0\">\n"
        "    <Bar>\n"
        "      <BarElem pitch=\"C\"/>\n"
        "    </Bar>\n"
        "  </Track>\n"
        "  <UserText userText=\"hi\"/>\n"
        "</LarkSong>\n";
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(LarkArchiveTest, CursorsWalkElementsAndSkipLayoutWhitespaceAndComments) {
    const std::string path =
        WriteFile("walk.qs",
                  "<?xml version=\"1.0\"?>\n<LarkSong name=\"x\">\n"
                  "  <!-- a comment -->\n"
                  "  <Track n=\"0\"><Bar><BarElem v=\"a\"/>\n<BarElem v=\"b\"/></Bar>\n"
                  "      <Bar/><Bar><BarElem v=\"c\"/></Bar></Track>\n"
                  "  <UserText t=\"1\"/><Track n=\"1\"/>\n"
                  "  <UserText t=\"2\"/>\n</LarkSong>\n");
    LarkArchive archive;
    archive.Open(path, Archive::Load);
    EXPECT_TRUE(archive.IsReading());
    EXPECT_EQ(archive.ReadText(Archive::RootElement, "name"), "x");
    EXPECT_EQ(archive.ReadText(Archive::TrackElement, "n"), "0");
    EXPECT_EQ(archive.ReadText(Archive::BarElemElement, "v"), "a");
    EXPECT_TRUE(archive.NextBarElem());
    EXPECT_EQ(archive.ReadText(Archive::BarElemElement, "v"), "b");
    EXPECT_FALSE(archive.NextBarElem());
    EXPECT_TRUE(archive.NextBar());
    EXPECT_FALSE(archive.Has(Archive::BarElemElement)) << "an empty bar has no elements";
    EXPECT_TRUE(archive.NextBar());
    EXPECT_EQ(archive.ReadText(Archive::BarElemElement, "v"), "c");
    EXPECT_FALSE(archive.NextBar());
    EXPECT_TRUE(archive.NextTrack());
    EXPECT_EQ(archive.ReadText(Archive::TrackElement, "n"), "1");
    EXPECT_FALSE(archive.Has(Archive::BarElement));
    EXPECT_FALSE(archive.NextTrack());
    ASSERT_TRUE(archive.FirstUserText());
    EXPECT_EQ(archive.ReadText(Archive::UserTextElement, "t"), "1");
    EXPECT_TRUE(archive.NextUserText());
    EXPECT_EQ(archive.ReadText(Archive::UserTextElement, "t"), "2");
    EXPECT_FALSE(archive.NextUserText());
    EXPECT_EQ(archive.ReadText(Archive::RootElement, "missing"), std::nullopt);
    archive.Close();
}

TEST_F(LarkArchiveTest, IntegersReadAsDecimalPrefixes) {
    const std::string path = WriteFile("ints.qs",
                                       "<LarkSong a=\"42\" b=\"-7x\" c=\"abc\" d=\"\" "
                                       "e=\"99999999999999\" f=\" 3\"/>");
    LarkArchive archive;
    archive.Open(path, Archive::Load);
    EXPECT_EQ(archive.ReadInt(Archive::RootElement, "a"), 42);
    EXPECT_EQ(archive.ReadInt(Archive::RootElement, "b"), -7);
    EXPECT_EQ(archive.ReadInt(Archive::RootElement, "c"), 0);
    EXPECT_EQ(archive.ReadInt(Archive::RootElement, "d"), 0);
    EXPECT_EQ(archive.ReadInt(Archive::RootElement, "e"), 2147483647);
    EXPECT_EQ(archive.ReadInt(Archive::RootElement, "f"), 3);
    EXPECT_EQ(archive.ReadInt(Archive::RootElement, "g"), std::nullopt);
    EXPECT_EQ(archive.ReadIntOr(Archive::RootElement, "g", 100), 100);
    EXPECT_EQ(archive.ReadInt(Archive::TrackElement, "a"), std::nullopt);
}

TEST_F(LarkArchiveTest, OpeningFailuresCarryTheirMessages) {
    EXPECT_EQ(MessageOfOpening(PathOf("absent.qs")), "File do not exists");
    EXPECT_EQ(MessageOfOpening(WriteFile("broken.qs", "<LarkSong name=\"x\"><Track>")),
              "Read file error");
    EXPECT_EQ(MessageOfOpening(WriteFile("empty.qs", "")), "Read file error");
    EXPECT_EQ(MessageOfOpening(WriteFile("other.qs", "<html/>")), "Read file error");
    EXPECT_EQ(MessageOfOpening(dir.string()), "Read file error") << "a folder is not a song";
}

TEST_F(LarkArchiveTest, ANewerLayoutAsksFirst) {
    const std::string newer = WriteFile("newer.qs", "<LarkSong arcVersion=\"2\"/>");
    FixedPrompt no(Prompt::No);
    EXPECT_EQ(MessageOfOpening(newer, &no), "File format is new and user aborted");
    ASSERT_EQ(no.AskedSoFar().size(), 1u);
    EXPECT_EQ(no.AskedSoFar()[0].buttons, Prompt::YesNoButtons);
    EXPECT_NE(no.AskedSoFar()[0].text.find("Do you want to continue opening it?"),
              std::string::npos);
    EXPECT_EQ(MessageOfOpening(newer), "File format is new and user aborted");

    FixedPrompt yes(Prompt::Yes);
    EXPECT_EQ(MessageOfOpening(newer, &yes), "");
    for (const char* version : {"1", "", "0", "abc"}) {
        FixedPrompt watcher(Prompt::No);
        const std::string path =
            WriteFile("v.qs", std::string("<LarkSong arcVersion=\"") + version + "\"/>");
        EXPECT_EQ(MessageOfOpening(path, &watcher), "") << version;
        EXPECT_TRUE(watcher.AskedSoFar().empty()) << version;
    }
    FixedPrompt watcher(Prompt::No);
    EXPECT_EQ(MessageOfOpening(WriteFile("none.qs", "<LarkSong/>"), &watcher), "");
    EXPECT_TRUE(watcher.AskedSoFar().empty());
}

TEST_F(LarkArchiveTest, ExternalEntitiesAreNeverFetched) {
    const std::string secret = WriteFile("secret.txt", "TOPSECRET");
    const std::string path = WriteFile(
        "xxe.qs", "<?xml version=\"1.0\"?>\n<!DOCTYPE LarkSong [<!ENTITY e SYSTEM \"file://" +
                      secret +
                      "\"><!ENTITY n SYSTEM \"http://127.0.0.1:9/x\">]>\n"
                      "<LarkSong name=\"&e;\" author=\"&n;\"/>");
    // Attributes may not name external entities, so the file is refused;
    // what matters is that nothing was fetched into the song.
    LarkArchive archive;
    try {
        archive.Open(path, Archive::Load);
        const auto name = archive.ReadText(Archive::RootElement, "name");
        EXPECT_EQ(name.value_or("").find("TOPSECRET"), std::string::npos);
    } catch (const IOException& e) {
        EXPECT_STREQ(e.what(), "Read file error");
    }
}

TEST_F(LarkArchiveTest, AWriteThatRunsOutOfSpaceLeavesTheOldFileAsItWas) {
    const std::string path = WriteFile("full.qs", "old content");
    std::string message;
    {
        const FileSizeLimit fullDisk(64);
        ASSERT_TRUE(fullDisk.IsActive());
        LarkArchive archive;
        archive.Open(path, Archive::Store);
        archive.CreateRoot();
        archive.WriteText(Archive::RootElement, "name", std::string(4000, 'n'));
        try {
            archive.Close();
        } catch (const IOException& e) {
            message = e.what();
        }
    }

    EXPECT_EQ(message, "Write file error");
    EXPECT_EQ(ReadFile(path), "old content");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(LarkArchiveTest, SavingIntoAMissingFolderReportsAWriteError) {
    LarkArchive archive;
    archive.Open(PathOf("no/such/folder/song.qs"), Archive::Store);
    archive.CreateRoot();
    EXPECT_THROW(archive.Close(), IOException);
}

TEST_F(LarkArchiveTest, SavingReplacesTheTargetWhole) {
    const std::string path = WriteFile("replace.qs", std::string(10000, 'x'));
    LarkArchive archive;
    archive.Open(path, Archive::Store);
    archive.CreateRoot();
    archive.Close();
    EXPECT_EQ(ReadFile(path), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LarkSong/>\n");
}

TEST_F(LarkArchiveTest, SavingKeepsTheTargetsPermissions) {
    const std::string path = WriteFile("shared.qs", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    LarkArchive archive;
    archive.Open(path, Archive::Store);
    archive.CreateRoot();
    archive.Close();
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

TEST_F(LarkArchiveTest, PatternsAreReadFromThePatternFolderBesideTheProgram) {
    fs::create_directories(dir / "Pattern");
    WriteFile("Pattern/44_Test.qsx", "<LarkSong name=\"pattern\"/>");
    ProgramPaths::OverrideExecutableDir(dir.string());
    LarkArchive archive;
    archive.Open("44_Test.qsx", Archive::LoadPattern);
    EXPECT_TRUE(archive.IsLoadingPattern());
    EXPECT_EQ(archive.FileName(), (dir / "Pattern" / "44_Test.qsx").string());
    EXPECT_EQ(archive.ReadText(Archive::RootElement, "name"), "pattern");
}

TEST(ExceptionTest, MessagesAreCutTo127Characters) {
    EXPECT_STREQ(Exception().what(), "Unspecified Exception");
    const IOException longOne(std::string(300, 'a'));
    EXPECT_EQ(std::string(longOne.what()), std::string(127, 'a'));
}

}  // namespace
