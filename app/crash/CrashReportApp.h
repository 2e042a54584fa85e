#pragma once

// The report process: `quillsong --crash-report DUMP`, started afresh by the
// crash handler of a copy of the program that crashed (DUMP empty when no
// dump could be written). Shows the "Crash Report" dialog in the saved
// language; "Report bug" opens the help's page on reporting problems. It
// takes no single-instance lock and installs no crash handler.
//
// For tests, QUILLSONG_TEST_CRASH_REPORT=quit makes it print its process id,
// the title of every window it shows and the dialog's texts and buttons to
// standard output, one "key: value" line each, and then press "Quit" itself.
class CrashReportApp {
public:
    static constexpr const char* kTestVariable = "QUILLSONG_TEST_CRASH_REPORT";

    static bool IsReportCommand(int argc, char** argv);
    // Returns the process's exit code.
    static int Run(int argc, char** argv);
};
