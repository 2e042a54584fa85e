#pragma once

// A way for tests to crash the program on purpose, so that the crash handler
// can be seen at work: QUILLSONG_TEST_CRASH in the environment, read at
// start-up right after the handler is installed, names the crash:
// "main", "overflow" or "terminate" on the user-interface thread, "timer",
// "timer-overflow" or "timer-terminate" in a callback on the timer service's
// thread (the sound engine's timer thread). "main" and "timer" write through
// a bad pointer (address kBadAddress), "overflow" recurses until the stack
// runs out, "terminate" throws an exception nobody catches. The crashing
// functions are members of this class and never inlined, so a backtrace
// names them.
class CrashTrigger {
public:
    static constexpr const char* kVariable = "QUILLSONG_TEST_CRASH";
    // Below the lowest address Linux lets a program map.
    static constexpr unsigned long kBadAddress = 0xbad0;

    // Does nothing when the variable is unset. An unknown value is a usage
    // error: the program says so and exits with status 2; a crash that did not
    // happen exits with status 3.
    static void FromEnvironment();

    [[gnu::noinline]] static void WriteToBadAddress();
    [[gnu::noinline]] static int RecurseWithoutEnd(int depth);
    [[gnu::noinline]] static void ThrowUncaught();

private:
    enum class Kind { BadAddress, Overflow, Terminate };

    static void Crash(Kind kind);
    static void OnTimerThread(Kind kind);
};
