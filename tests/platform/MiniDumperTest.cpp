#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "platform/DumpWriter.h"
#include "platform/MiniDumper.h"
#include "support/ChildProcess.h"

// The crash handler in a child process that really crashes: each fatal
// signal ends it with that signal's own status, leaves a dump that names the
// signal (and the fault's address, or the exception that escaped), and
// starts the report command with the dump's path and the reporter's mark.
// The numbers and times in a dump are formatted by hand, so they are held
// against the C library's own formatting.
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Prints what the crash handler passed on: the option, the dump's path and
// the variable that marks the report process.
const char* const kReportScript =
    "printf 'report: %s %s %s\\n' \"$1\" \"$2\" \"$QUILLSONG_CRASH_REPORTER\"";

int* volatile g_badPointer = reinterpret_cast<int*>(0xbad0);
volatile int g_zero = 0;
volatile int g_one = 1;

void WriteToBadAddress() {
    *g_badPointer = 1;
}

[[gnu::no_sanitize_undefined]] void DivideByZero() {
    g_zero = g_one / g_zero;
}

void IllegalInstruction() {
    __builtin_trap();
}

// Reading a mapped page past the end of its file.
void ReadBeyondFile() {
    char name[] = "/tmp/quillsong-sigbus-XXXXXX";
    const int fd = mkstemp(name);
    unlink(name);
    const auto* page =
        static_cast<const volatile char*>(mmap(nullptr, 4096, PROT_READ, MAP_SHARED, fd, 0));
    g_zero = page[0];
}

void Abort() {
    std::abort();
}

[[gnu::noinline]] void Throw() {
    throw std::logic_error("nobody catches this");
}

// The exception may not leave: std::terminate. (Not on a thread of its own:
// ThreadSanitizer refuses new threads in a child of a threaded process.)
void ThrowThroughNoexcept() noexcept {
    Throw();
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class MiniDumperTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quillsong-dumper-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(MiniDumperTest, EachFatalSignalLeavesADumpStartsTheReportAndEndsTheProcess) {
    struct Case {
        const char* what;
        void (*crash)();
        int signal;
        const char* signalLine;
        const char* detail;  // a line the dump must have besides
    };
    const Case cases[] = {
        {"a bad pointer", WriteToBadAddress, SIGSEGV, "signal: 11 SIGSEGV",
         "address: 0x000000000000bad0\n"},
        {"a division by zero", DivideByZero, SIGFPE, "signal: 8 SIGFPE", "address: 0x"},
        {"an illegal instruction", IllegalInstruction, SIGILL, "signal: 4 SIGILL", "address: 0x"},
        {"a page past the file's end", ReadBeyondFile, SIGBUS, "signal: 7 SIGBUS", "address: 0x"},
        {"abort", Abort, SIGABRT, "signal: 6 SIGABRT", "sent by process: "},
        {"an exception through noexcept", ThrowThroughNoexcept, SIGABRT, "signal: 6 SIGABRT",
         "exception: std::logic_error: nobody catches this\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path dump = folder / "Application.dmp";
        fs::remove(dump);
        const ChildProcess child = ChildProcess::Fork(
            [&] {
                setenv("TMPDIR", folder.c_str(), 1);
                unsetenv(MiniDumper::kReporterVariable);
                const MiniDumper dumper(nullptr, {"/bin/sh", "-c", kReportScript, "sh"});
                c.crash();
            },
            60s);
        ASSERT_FALSE(child.timedOut);
        EXPECT_TRUE(child.KilledBy(c.signal)) << "status " << child.status << "\n" << child.err;
        EXPECT_EQ(child.out, "report: --crash-report " + dump.string() + " 1\n");
        const std::string text = Read(dump);
        EXPECT_TRUE(text.starts_with("Application crashed\nversion: " QUILLSONG_VERSION "\n"))
            << text.substr(0, 200);
        EXPECT_NE(text.find(c.signalLine), std::string::npos) << text.substr(0, 400);
        EXPECT_NE(text.find(c.detail), std::string::npos) << text.substr(0, 400);
        EXPECT_NE(text.find("backtrace:\n"), std::string::npos);
        EXPECT_NE(text.find("memory map:\n"), std::string::npos);
    }
}

TEST(DumpWriterTest, FormatsNumbersAndTimesAsTheCLibraryDoes) {
    const std::time_t times[] = {0,          951782399,  951782400,  1709251199,
                                 1709251200, 1796630103, 4107542400, -86401};
    std::string expected;
    for (const std::time_t time : times) {
        std::tm parts{};
        gmtime_r(&time, &parts);
        char text[64];
        std::strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%SZ\n", &parts);
        expected += text;
    }
    expected += "0 -42 " + std::to_string(LLONG_MIN) + " " + std::to_string(LLONG_MAX) + "\n";
    expected += "0x000000000000bad0 0xffffffffffffffff\n";

    char name[] = "/tmp/quillsong-dumpwriter-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    {
        DumpWriter out(fd);
        for (const std::time_t time : times) {
            out.Time(time).Text("\n");
        }
        out.Decimal(0).Text(" ").Decimal(-42).Text(" ").Decimal(LLONG_MIN).Text(" ");
        out.Decimal(LLONG_MAX).Text("\n").Hex(0xbad0).Text(" ").Hex(~std::uintptr_t{0});
        out.Text("\n");
        out.Flush();
        EXPECT_TRUE(out.Ok());
    }
    close(fd);
    EXPECT_EQ(Read(name), expected);
    unlink(name);
}

}  // namespace
