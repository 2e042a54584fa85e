#include "platform/DiagnosticLog.h"

#include <cstdio>
#include <mutex>

namespace {

void WriteToStandardError(void* /*context*/, std::string_view line) {
    std::fprintf(stderr, "quillsong: %.*s\n", static_cast<int>(line.size()), line.data());
}

// Plain pointers and a mutex without a destructor of consequence: the log must
// still work when objects destroyed at exit (the sound engine closing its
// device) report through it.
struct LogState {
    std::mutex mutex;
    DiagnosticLog::Sink sink = &WriteToStandardError;
    void* context = nullptr;
};

LogState& State() {
    static LogState state;
    return state;
}

}  // namespace

void DiagnosticLog::Write(std::string_view line) {
    LogState& state = State();
    std::lock_guard lock(state.mutex);
    state.sink(state.context, line);
}

void DiagnosticLog::SetSink(Sink sink, void* context) {
    LogState& state = State();
    std::lock_guard lock(state.mutex);
    state.sink = sink != nullptr ? sink : &WriteToStandardError;
    state.context = sink != nullptr ? context : nullptr;
}
