#pragma once

// Time since this process started, for measuring start-up: when the
// environment variable QUILLSONG_REPORT_STARTUP is set, Report writes
// "quillsong: <what> after <ms> ms" to standard error (scripts/startup_time.sh
// reads it); otherwise it does nothing. Any thread.
class StartupClock {
public:
    // Milliseconds since the kernel started the process; -1 when unknown.
    static double MillisecondsSinceStart();
    static void Report(const char* what);
};
