#include <gtest/gtest.h>
#include <unistd.h>

#include <QString>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/ChildProcess.h"

// The program crashed on purpose (QUILLSONG_TEST_CRASH) on the user-interface
// thread and on the sound engine's timer thread: it must end with the
// signal's own status, leave Quillsong.dmp in its temporary folder with the
// signal, the address or exception, and a backtrace through the crashing
// function, and start a fresh copy of itself that shows the "Crash Report"
// dialog. That copy, in its test mode, prints the windows it shows and
// presses "Quit".
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

extern "C" char** environ;

const std::string kMessage =
    "Quillsong crashed due to programming error.\\n\\nWould you like to report this bug to "
    "Fernwick?\\nThis can help us to improve this software. Thanks!";

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The values of the report's "key: value" lines for the key, in order.
std::vector<std::string> Values(const std::string& output, const std::string& key) {
    std::vector<std::string> values;
    const std::string prefix = key + ": ";
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        end = end == std::string::npos ? output.size() : end;
        const std::string line = output.substr(start, end - start);
        if (line.starts_with(prefix)) {
            values.push_back(line.substr(prefix.size()));
        }
        start = end + 1;
    }
    return values;
}

std::string Only(const std::string& output, const std::string& key) {
    const std::vector<std::string> values = Values(output, key);
    return values.size() == 1 ? values[0] : "(" + std::to_string(values.size()) + " lines)";
}

// The value of a "key: value" line of the dump's header.
std::string Field(const std::string& dump, const std::string& key) {
    return Only(dump.substr(0, dump.find("backtrace:\n")), key);
}

std::string Backtrace(const std::string& dump) {
    const size_t start = dump.find("backtrace:\n");
    const size_t end = dump.find("memory map:\n");
    return start == std::string::npos || end == std::string::npos ? std::string()
                                                                  : dump.substr(start, end - start);
}

class CrashReportingTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quillsong-crash-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "tmp");
        fs::create_directories(folder / "config");
    }
    void TearDown() override { fs::remove_all(folder); }

    // The program crashed as `mode` asks, with its temporary folder and its
    // settings in the test's folder; `extra` adds to its environment.
    ChildProcess Crash(const std::string& mode, const fs::path& tmp,
                       const std::vector<std::string>& extra = {}) const {
        std::vector<std::string> environment;
        for (char** entry = environ; *entry != nullptr; ++entry) {
            const std::string text = *entry;
            if (!text.starts_with("QUILLSONG_") && !text.starts_with("TMPDIR=") &&
                !text.starts_with("XDG_CONFIG_HOME=") && !text.starts_with("QT_QPA_PLATFORM=") &&
                !text.starts_with("ASAN_OPTIONS=")) {
                environment.push_back(text);
            }
        }
        environment.insert(environment.end(),
                           {"QT_QPA_PLATFORM=offscreen", "TMPDIR=" + tmp.string(),
                            "XDG_CONFIG_HOME=" + (folder / "config").string(),
                            "QUILLSONG_TEST_CRASH=" + mode, "QUILLSONG_TEST_CRASH_REPORT=quit",
                            // Under AddressSanitizer: our handler, not the sanitizer's, and no
                            // leak report from a process that ends by a signal.
                            "ASAN_OPTIONS=allow_user_segv_handler=1:handle_segv=0:handle_sigbus=0:"
                            "handle_sigfpe=0:handle_sigill=0:handle_abort=0:detect_leaks=0"});
        environment.insert(environment.end(), extra.begin(), extra.end());
        return ChildProcess::Spawn({QUILLSONG_BINARY}, environment, 90s);
    }

    fs::path folder;
};

TEST_F(CrashReportingTest, EachCrashLeavesADumpAndShowsTheReport) {
    struct Case {
        const char* mode;
        int signal;
        const char* signalLine;
        const char* function;
        const char* detailKey;
        const char* detail;  // the start of its value
        bool onAnotherThread;
    };
    const Case cases[] = {
        {"main", SIGSEGV, "11 SIGSEGV", "WriteToBadAddress", "address", "0x000000000000bad0",
         false},
        {"timer", SIGSEGV, "11 SIGSEGV", "WriteToBadAddress", "address", "0x000000000000bad0",
         true},
        {"overflow", SIGSEGV, "11 SIGSEGV", "RecurseWithoutEnd", "address", "0x", false},
        {"timer-overflow", SIGSEGV, "11 SIGSEGV", "RecurseWithoutEnd", "address", "0x", true},
        {"terminate", SIGABRT, "6 SIGABRT", "ThrowUncaught", "exception",
         "std::runtime_error: the test asked for an uncaught exception", false},
        {"timer-terminate", SIGABRT, "6 SIGABRT", "ThrowUncaught", "exception",
         "std::runtime_error: the test asked for an uncaught exception", true},
    };
    const fs::path dumpFile = folder / "tmp" / "Quillsong.dmp";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        fs::remove(dumpFile);
        const ChildProcess run = Crash(c.mode, folder / "tmp");
        ASSERT_FALSE(run.timedOut) << run.out << run.err;
        EXPECT_TRUE(run.KilledBy(c.signal)) << "status " << run.status << "\n" << run.err;

        const std::string dump = Read(dumpFile);
        EXPECT_TRUE(dump.starts_with("Quillsong crashed\nversion: " QUILLSONG_VERSION "\ntime: "))
            << dump.substr(0, 300);
        EXPECT_TRUE(Field(dump, "signal").starts_with(c.signalLine)) << Field(dump, "signal");
        EXPECT_TRUE(Field(dump, c.detailKey).starts_with(c.detail)) << Field(dump, c.detailKey);
        EXPECT_NE(Backtrace(dump).find(c.function), std::string::npos) << Backtrace(dump);
        EXPECT_EQ(Field(dump, "thread") != Field(dump, "process"), c.onAnotherThread)
            << dump.substr(0, 300);

        EXPECT_EQ(Values(run.out, "window"), std::vector<std::string>{"Crash Report"}) << run.out;
        EXPECT_EQ(Only(run.out, "message"), kMessage);
        EXPECT_EQ(Only(run.out, "dump"), dumpFile.string());
        EXPECT_EQ(Only(run.out, "buttons"), "Report bug|Quit");
        EXPECT_EQ(Only(run.out, "default"), "Report bug");
        EXPECT_EQ(Only(run.out, "closed"), "quit");
    }
}

// Texts of the report in the second language, from the translation the build
// placed beside the program.
QString Chinese(const char* source) {
    QTranslator translator;
    const fs::path file = fs::path(QUILLSONG_BINARY).parent_path() / "TraditionalChinese.qm";
    if (!translator.load(QString::fromStdString(file.string()))) {
        ADD_FAILURE() << "cannot load " << file;
    }
    return translator.translate("CrashReport", source);
}

TEST_F(CrashReportingTest, TheReportCopesWithoutADumpNeverReportsItselfAndSpeaksTheLanguage) {
    std::ofstream(folder / "not-a-folder") << "a file where the temporary folder should be";
    fs::create_directories(folder / "config" / "Fernwick");
    const std::string title = Chinese("Crash Report").toStdString();
    const std::string buttons =
        (Chinese("Report bug") + QStringLiteral("|") + Chinese("Quit")).toStdString();
    ASSERT_FALSE(title.empty());
    ASSERT_NE(title, "Crash Report");

    struct Case {
        const char* what;
        fs::path tmp;
        std::vector<std::string> extra;
        const char* settings;
        std::vector<std::string> windows;
        const char* buttons;
    };
    const Case cases[] = {
        {"no temporary folder to write to",
         folder / "not-a-folder" / "tmp",
         {},
         "",
         {"Crash Report"},
         "Report bug|Quit"},
        {"a report process that crashes",
         folder / "tmp",
         {"QUILLSONG_CRASH_REPORTER=1"},
         "",
         {},
         ""},
        {"Traditional Chinese chosen",
         folder / "tmp",
         {},
         "[Settings]\nLang=2\n",
         {title},
         buttons.c_str()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(folder / "tmp" / "Quillsong.dmp");
        std::ofstream(folder / "config" / "Fernwick" / "Quillsong.conf") << c.settings;
        const ChildProcess run = Crash("main", c.tmp, c.extra);
        ASSERT_FALSE(run.timedOut) << run.out << run.err;
        EXPECT_TRUE(run.KilledBy(SIGSEGV)) << "status " << run.status << "\n" << run.err;
        EXPECT_EQ(Values(run.out, "window"), c.windows) << run.out;
        if (!c.windows.empty()) {
            EXPECT_EQ(Only(run.out, "buttons"), c.buttons);
            EXPECT_EQ(Only(run.out, "closed"), "quit");
        }
        const bool dumped = fs::exists(folder / "tmp" / "Quillsong.dmp");
        EXPECT_EQ(dumped, c.tmp == folder / "tmp" && !c.windows.empty());
        EXPECT_EQ(Values(run.out, "dump"),
                  c.windows.empty()
                      ? std::vector<std::string>{}
                      : std::vector<std::string>{dumped ? (c.tmp / "Quillsong.dmp").string() : ""});
    }
}

}  // namespace
