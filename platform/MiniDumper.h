#pragma once

#include <memory>
#include <string>
#include <vector>

class SignalStack;

// The crash reporter. While one is installed, a fatal signal (SIGSEGV, SIGBUS,
// SIGFPE, SIGILL, SIGABRT) or an exception that escapes every handler
// (std::terminate), on any thread, writes a text dump to
// <temporary folder>/<name>.dmp: the signal or the exception's type and
// what(), the faulting address, the program's version, the time, a
// backtrace and the memory map to read its addresses with. Then it starts the
// report command with kReportOption and the dump's path (empty when the dump
// could not be written), kReporterVariable set in its environment, and ends
// the process as the signal would have ended it.
//
// The signal handler uses only async-signal-safe calls and runs on the
// thread's alternate stack when the thread has one (SignalStack): the
// installing thread gets one here; threads that want stack overflows reported
// make their own. In a process whose environment has kReporterVariable (the
// report itself) nothing is installed, so a report never reports itself.
// One installed at a time; construct and destroy it on the same thread.
class MiniDumper {
public:
    static constexpr const char* kReportOption = "--crash-report";
    static constexpr const char* kReporterVariable = "QUILLSONG_CRASH_REPORTER";
    static constexpr const char* kDefaultName = "Application";

    // This program, started afresh from /proc/self/exe.
    static std::vector<std::string> ThisProgram();

    // A null or empty name dumps to "Application.dmp". The report command is
    // a program and its first arguments; an empty one starts nothing.
    explicit MiniDumper(const char* name = nullptr,
                        std::vector<std::string> reportCommand = ThisProgram());
    // Puts back the signal actions and the terminate handler it replaced.
    ~MiniDumper();
    MiniDumper(const MiniDumper&) = delete;
    MiniDumper& operator=(const MiniDumper&) = delete;

    bool Installed() const { return m_installed; }
    // Where a crash writes its dump: decided when the dumper is installed.
    std::string DumpPath() const;

private:
    bool m_installed = false;
    std::unique_ptr<SignalStack> m_stack;
};
