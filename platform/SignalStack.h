#pragma once

#include <cstddef>

// Gives the calling thread an alternate stack for signal handlers while the
// object lives, so that a handler installed with SA_ONSTACK (the crash
// handler's) still runs after the thread overflowed its own stack. The kernel
// keeps one such stack per thread, so every thread that wants this needs an
// object of its own. A thread that already has one (a sanitizer's, say) keeps
// it and the object does nothing. Create and destroy it on the same thread.
class SignalStack {
public:
    // Room for the crash handler's backtrace and formatting, with a guard
    // page below it.
    static constexpr std::size_t kSize = 64 * 1024;

    SignalStack();
    ~SignalStack();
    SignalStack(const SignalStack&) = delete;
    SignalStack& operator=(const SignalStack&) = delete;

    // Whether this object gave the thread its alternate stack.
    bool Active() const { return m_memory != nullptr; }

private:
    void* m_memory = nullptr;
    std::size_t m_mapped = 0;
};
