#include "app/crash/CrashTrigger.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <thread>

#include "platform/TimerService.h"

namespace {

// Read through volatile, so the compiler cannot see the fault coming and
// turn it into a trap or drop the recursion.
int* volatile g_badPointer = reinterpret_cast<int*>(CrashTrigger::kBadAddress);
volatile bool g_keepRecursing = true;

// Long enough for any crash to end the process; a program still alive then
// says so instead of carrying on as if nothing had been asked.
constexpr auto kCrashDeadline = std::chrono::seconds(20);

}  // namespace

void CrashTrigger::FromEnvironment() {
    const char* value = std::getenv(kVariable);
    if (value == nullptr || *value == '\0') {
        return;
    }
    struct Mode {
        const char* name;
        Kind kind;
        bool onTimer;
    };
    static constexpr Mode kModes[] = {
        {"main", Kind::BadAddress, false},        {"overflow", Kind::Overflow, false},
        {"terminate", Kind::Terminate, false},    {"timer", Kind::BadAddress, true},
        {"timer-overflow", Kind::Overflow, true}, {"timer-terminate", Kind::Terminate, true},
    };
    for (const Mode& mode : kModes) {
        if (std::strcmp(mode.name, value) == 0) {
            mode.onTimer ? OnTimerThread(mode.kind) : Crash(mode.kind);
            std::cerr << "quillsong: " << kVariable << "=" << value
                      << " did not crash the program\n";
            std::_Exit(3);
        }
    }
    std::cerr << "quillsong: unknown " << kVariable << "=" << value << "\n";
    std::_Exit(2);
}

void CrashTrigger::Crash(Kind kind) {
    switch (kind) {
        case Kind::BadAddress:
            WriteToBadAddress();
            break;
        case Kind::Overflow:
            RecurseWithoutEnd(0);
            break;
        case Kind::Terminate:
            ThrowUncaught();
            break;
    }
}

void CrashTrigger::OnTimerThread(Kind kind) {
    TimerService::Instance().SetTimer(1, [kind](TimerService::TimerId) { Crash(kind); });
    std::this_thread::sleep_for(kCrashDeadline);
}

void CrashTrigger::WriteToBadAddress() {
    *g_badPointer = 42;
}

int CrashTrigger::RecurseWithoutEnd(int depth) {
    volatile char frame[512];
    frame[depth % sizeof(frame)] = static_cast<char>(depth);
    if (!g_keepRecursing) {
        return frame[0];
    }
    return RecurseWithoutEnd(depth + 1) + frame[depth % sizeof(frame)];
}

void CrashTrigger::ThrowUncaught() {
    throw std::runtime_error("the test asked for an uncaught exception");
}
