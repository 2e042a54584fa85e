// GCC 12's <regex> warns of an uninitialised std::function inside its own
// automaton when built with the sanitizers' flags: a known false positive
// in libstdc++, which -Werror would turn into a failed build.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "app/CommandLine.h"
#include "files/MidiExportReader.h"

// The files that tie the program into the desktop agree with the program and
// with each other: the manual page documents every option, the thumbnailer's
// command runs, and the entry, MIME type, icon and metainfo name each other
// alike.
namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(QUILLSONG_TEST_DATA) / ".." / ".." / "assets";
const fs::path kDesktop = kAssets / "desktop";
const std::string kId = "org.fernwick.Quillsong";

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of "Key=" in a desktop-style file, or "" when it has none.
std::string Value(const std::string& text, const std::string& key) {
    std::smatch match;
    if (std::regex_search(text, match, std::regex("(^|\n)" + key + "=([^\n]*)"))) {
        return match[2];
    }
    return {};
}

TEST(DesktopFilesTest, ManualPageDocumentsEveryOptionOfTheUsage) {
    std::string page = ReadAll(kAssets / "man" / "quillsong.1.in");
    ASSERT_FALSE(page.empty());
    // roff writes a hyphen as "\-".
    page = std::regex_replace(page, std::regex(R"(\\-)"), "-");
    const std::string usage = CommandLine::Usage();
    std::set<std::string> options;
    const std::regex option(R"((^|[ ,\[])(--?[a-z][a-z-]*))");
    for (auto it = std::sregex_iterator(usage.begin(), usage.end(), option);
         it != std::sregex_iterator(); ++it) {
        options.insert((*it)[2]);
    }
    EXPECT_GE(options.size(), 10u);  // -o, --export-to, ... --version
    for (const std::string& name : options) {
        EXPECT_TRUE(std::regex_search(page, std::regex("(^|[^a-z-])" + name + "([^a-z-]|$)")))
            << name << " is missing from the manual page";
    }
}

TEST(DesktopFilesTest, ThumbnailerCommandDrawsASong) {
    const std::string entry = ReadAll(kDesktop / "quillsong.thumbnailer");
    std::string command = Value(entry, "Exec");
    ASSERT_EQ(command.rfind("quillsong ", 0), 0u) << command;
    const fs::path out =
        fs::temp_directory_path() / ("quillsong-thumbnailer-" + std::to_string(getpid()) + ".png");
    const fs::path song = kAssets / ".." / "examples" / "TwinkleTwinkle.qs";
    command.replace(0, std::string("quillsong").size(), QUILLSONG_BINARY);
    command = std::regex_replace(command, std::regex("%i"), "'" + song.string() + "'");
    command = std::regex_replace(command, std::regex("%o"), "'" + out.string() + "'");
    command = std::regex_replace(command, std::regex("%s"), "200");
    int status = 0;
    const std::string output = MidiExportReader::Shell(command + " 2>&1", status);
    ASSERT_EQ(status, 0) << command << "\n" << output;
    const QImage image(QString::fromStdString(out.string()));
    fs::remove(out);
    EXPECT_EQ(image.height(), 200);
}

TEST(DesktopFilesTest, EntryMimeTypeIconAndMetainfoNameEachOther) {
    const std::string desktop = ReadAll(kDesktop / (kId + ".desktop"));
    const std::string mime = ReadAll(kDesktop / "quillsong.xml");
    const std::string metainfo = ReadAll(kDesktop / (kId + ".metainfo.xml"));
    std::smatch type;
    ASSERT_TRUE(std::regex_search(mime, type, std::regex(R"(<mime-type type="([^"]+)\")")));
    EXPECT_EQ(Value(desktop, "MimeType"), std::string(type[1]) + ";");
    EXPECT_EQ(Value(ReadAll(kDesktop / "quillsong.thumbnailer"), "MimeType"),
              std::string(type[1]) + ";");
    EXPECT_NE(metainfo.find("<mediatype>" + std::string(type[1]) + "</mediatype>"),
              std::string::npos);
    EXPECT_EQ(Value(desktop, "Icon"), kId);
    EXPECT_TRUE(fs::exists(kDesktop / (kId + ".svg")));
    EXPECT_NE(metainfo.find("<id>" + kId + "</id>"), std::string::npos);
    EXPECT_NE(metainfo.find(">" + kId + ".desktop</launchable>"), std::string::npos);
    // The song files' root element, as the reader checks it.
    EXPECT_NE(mime.find(R"(localName="LarkSong")"), std::string::npos);
}

}  // namespace
