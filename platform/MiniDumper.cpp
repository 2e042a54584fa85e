#include "platform/MiniDumper.h"

#include <cxxabi.h>
#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <typeinfo>

#include "platform/DumpWriter.h"
#include "platform/ProgramPaths.h"
#include "platform/SignalStack.h"

#ifndef QUILLSONG_VERSION
#define QUILLSONG_VERSION "unknown"
#endif

extern char** environ;

namespace {

struct FatalSignal {
    int number;
    const char* name;
};

constexpr FatalSignal kFatalSignals[] = {
    {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"},   {SIGFPE, "SIGFPE"},
    {SIGILL, "SIGILL"},   {SIGABRT, "SIGABRT"},
};
constexpr int kSignalCount = sizeof(kFatalSignals) / sizeof(kFatalSignals[0]);
constexpr int kBacktraceFrames = 64;
// A handler stuck on a lock the crashed code held must not keep a dead
// program around: the alarm's default action ends it.
constexpr unsigned kWatchdogSeconds = 20;

// Everything the signal handler needs, made ready when the dumper is
// installed, because the handler may neither allocate nor read the
// environment.
struct CrashState {
    std::string name;
    std::string dumpPath;
    std::vector<std::string> command;
    std::vector<char*> argv;
    std::size_t pathSlot = 0;
    char noDump[1] = {'\0'};
    std::vector<std::string> environment;
    std::vector<char*> envp;
    struct sigaction previous[kSignalCount];
    std::terminate_handler previousTerminate = nullptr;
};

std::atomic<CrashState*> g_state{nullptr};
// The thread that is writing the report; others that crash meanwhile wait
// for it to end the process.
std::atomic<pid_t> g_reportingThread{0};

// The exception that reached std::terminate, described by the terminate
// handler (which may still allocate) before it aborts into the signal handler.
char g_exception[512];
std::atomic_flag g_exceptionClaimed = ATOMIC_FLAG_INIT;
std::atomic<bool> g_exceptionRecorded{false};

const char* SignalName(int number) {
    for (const FatalSignal& signal : kFatalSignals) {
        if (signal.number == number) {
            return signal.name;
        }
    }
    return "unknown signal";
}

void RestoreDefault(int number) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(number, &action, nullptr);
}

void CopyFileTo(const char* path, DumpWriter& out, int fd) {
    const int in = open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        out.Text("(unreadable)\n");
        return;
    }
    out.Flush();
    char buffer[1024];
    for (;;) {
        const ssize_t got = read(in, buffer, sizeof(buffer));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 || write(fd, buffer, static_cast<std::size_t>(got)) != got) {
            break;
        }
    }
    close(in);
}

void WriteHeader(DumpWriter& out, const CrashState& state, int signal, const siginfo_t* info) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    out.Text(state.name.c_str()).Text(" crashed\n");
    out.Text("version: ").Text(QUILLSONG_VERSION).Text("\n");
    out.Text("time: ").Time(now.tv_sec).Text("\n");
    out.Text("process: ").Decimal(getpid()).Text("\n");
    out.Text("thread: ").Decimal(gettid()).Text("\n");
    out.Text("signal: ").Decimal(signal).Text(" ").Text(SignalName(signal));
    out.Text(" (code ").Decimal(info->si_code).Text(")\n");
    // A positive code means the kernel raised it for a fault at an address;
    // otherwise a process sent it (abort() sends it to itself).
    if (info->si_code > 0) {
        out.Text("address: ").Hex(reinterpret_cast<std::uintptr_t>(info->si_addr)).Text("\n");
    } else {
        out.Text("sent by process: ").Decimal(info->si_pid).Text("\n");
    }
    if (signal == SIGABRT && g_exceptionRecorded.load(std::memory_order_acquire)) {
        out.Text("exception: ").Text(g_exception).Text("\n");
    }
}

bool WriteDump(const CrashState& state, int signal, const siginfo_t* info) {
    // Never through a link: the name in a shared temporary folder is easy to
    // guess.
    const int fd =
        open(state.dumpPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    DumpWriter out(fd);
    WriteHeader(out, state, signal, info);
    out.Text("backtrace:\n");
    out.Flush();
    void* frames[kBacktraceFrames];
    backtrace_symbols_fd(frames, backtrace(frames, kBacktraceFrames), fd);
    out.Text("memory map:\n");
    CopyFileTo("/proc/self/maps", out, fd);
    out.Flush();
    const bool written = out.Ok();
    return close(fd) == 0 && written;
}

// _Fork runs no fork handlers and so is safe here; the child only execs.
void StartReport(CrashState& state, bool written) {
    if (state.argv.empty()) {
        return;
    }
    state.argv[state.pathSlot] = written ? state.dumpPath.data() : state.noDump;
    if (_Fork() != 0) {
        return;
    }
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    // The report needs none of the crashed program's files, devices or locks.
    if (close_range(3, ~0U, 0) != 0) {
        for (int fd = 3; fd < 1024; ++fd) {
            close(fd);
        }
    }
    execve(state.argv[0], state.argv.data(), state.envp.data());
    _exit(127);
}

void OnFatalSignal(int signal, siginfo_t* info, void*) {
    pid_t reporting = 0;
    const pid_t self = gettid();
    if (g_reportingThread.compare_exchange_strong(reporting, self)) {
        RestoreDefault(SIGALRM);
        alarm(kWatchdogSeconds);
        if (CrashState* state = g_state.load()) {
            StartReport(*state, WriteDump(*state, signal, info));
        }
    } else if (reporting != self) {
        for (;;) {
            pause();
        }
    }
    // Blocked until the handler returns, then the default action ends the
    // process with the status this signal gives.
    RestoreDefault(signal);
    raise(signal);
}

std::string Demangled(const char* name) {
    int status = 0;
    char* readable = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    std::string text = status == 0 && readable != nullptr ? readable : name;
    std::free(readable);
    return text;
}

std::string CurrentException() {
    const std::exception_ptr current = std::current_exception();
    if (!current) {
        return "std::terminate called without an active exception";
    }
    try {
        std::rethrow_exception(current);
    } catch (const std::exception& error) {
        return Demangled(typeid(error).name()) + ": " + error.what();
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        return type != nullptr ? Demangled(type->name()) : "unknown exception";
    }
}

void RecordException() {
    if (g_exceptionClaimed.test_and_set()) {
        return;
    }
    std::string text;
    try {
        text = CurrentException();
    } catch (...) {
        text = "an exception that could not be described";
    }
    // One line in the dump.
    for (char& c : text) {
        c = c == '\n' ? ' ' : c;
    }
    std::strncpy(g_exception, text.c_str(), sizeof(g_exception) - 1);
    g_exceptionRecorded.store(true, std::memory_order_release);
}

[[noreturn]] void OnTerminate() {
    RecordException();
    std::abort();
}

void PrepareCommand(CrashState& state, std::vector<std::string> command) {
    if (command.empty()) {
        return;
    }
    state.command = std::move(command);
    state.command.push_back(MiniDumper::kReportOption);
    for (std::string& argument : state.command) {
        state.argv.push_back(argument.data());
    }
    state.pathSlot = state.argv.size();
    state.argv.push_back(state.noDump);
    state.argv.push_back(nullptr);
}

void PrepareEnvironment(CrashState& state) {
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        state.environment.emplace_back(*entry);
    }
    state.environment.push_back(std::string(MiniDumper::kReporterVariable) + "=1");
    for (std::string& entry : state.environment) {
        state.envp.push_back(entry.data());
    }
    state.envp.push_back(nullptr);
}

void InstallHandlers(CrashState& state) {
    struct sigaction action {};
    action.sa_sigaction = OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    // A second fault inside the handler ends the process at once rather
    // than entering it again.
    sigemptyset(&action.sa_mask);
    for (const FatalSignal& signal : kFatalSignals) {
        sigaddset(&action.sa_mask, signal.number);
    }
    for (int i = 0; i < kSignalCount; ++i) {
        sigaction(kFatalSignals[i].number, &action, &state.previous[i]);
    }
    state.previousTerminate = std::set_terminate(OnTerminate);
}

}  // namespace

std::vector<std::string> MiniDumper::ThisProgram() {
    return {"/proc/self/exe"};
}

MiniDumper::MiniDumper(const char* name, std::vector<std::string> reportCommand) {
    const char* reporter = std::getenv(kReporterVariable);
    if ((reporter != nullptr && *reporter != '\0') || g_state.load() != nullptr) {
        return;
    }
    auto state = std::make_unique<CrashState>();
    state->name = name != nullptr && *name != '\0' ? name : kDefaultName;
    state->dumpPath = ProgramPaths::TempDir() + state->name + ".dmp";
    PrepareCommand(*state, std::move(reportCommand));
    PrepareEnvironment(*state);
    // The first backtrace loads the unwinder, which allocates: not in the
    // handler.
    void* frame = nullptr;
    backtrace(&frame, 1);
    m_stack = std::make_unique<SignalStack>();
    InstallHandlers(*state);
    g_state.store(state.release());
    m_installed = true;
}

MiniDumper::~MiniDumper() {
    if (!m_installed) {
        return;
    }
    CrashState* state = g_state.load();
    for (int i = 0; i < kSignalCount; ++i) {
        sigaction(kFatalSignals[i].number, &state->previous[i], nullptr);
    }
    std::set_terminate(state->previousTerminate);
    g_state.store(nullptr);
    delete state;
    m_stack.reset();
}

std::string MiniDumper::DumpPath() const {
    const CrashState* state = g_state.load();
    return m_installed && state != nullptr ? state->dumpPath : std::string();
}
