#include "platform/SignalStack.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::size_t PageSize() {
    const long size = sysconf(_SC_PAGESIZE);
    return size > 0 ? static_cast<std::size_t>(size) : 4096;
}

}  // namespace

SignalStack::SignalStack() {
    stack_t current{};
    if (sigaltstack(nullptr, &current) != 0 || (current.ss_flags & SS_DISABLE) == 0) {
        return;
    }
    const std::size_t guard = PageSize();
    const std::size_t mapped = guard + kSize;
    void* memory =
        mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        return;
    }
    // A handler that overflows this stack too faults on the guard and ends
    // the process instead of writing over whatever lies below.
    mprotect(memory, guard, PROT_NONE);
    stack_t stack{};
    stack.ss_sp = static_cast<char*>(memory) + guard;
    stack.ss_size = kSize;
    if (sigaltstack(&stack, nullptr) != 0) {
        munmap(memory, mapped);
        return;
    }
    m_memory = memory;
    m_mapped = mapped;
}

SignalStack::~SignalStack() {
    if (m_memory == nullptr) {
        return;
    }
    stack_t disable{};
    disable.ss_flags = SS_DISABLE;
    if (sigaltstack(&disable, nullptr) == 0) {
        munmap(m_memory, m_mapped);
    }
}
