#include "platform/ThreadPriority.h"

#include "platform/RealtimeKit.h"

#include <pthread.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Low among real-time priorities: sound servers (PipeWire, JACK) run higher
// and must keep the audio flowing that our messages feed.
constexpr int kRealTimePriority = 20;
constexpr int kRaisedNice = -10;
// Nanoseconds; the kernel's default is 50 us, most of a step's tolerance.
constexpr unsigned long kTimerSlackNs = 1;

thread_local int t_niceBefore = 0;
thread_local bool t_niceChanged = false;

int ThreadId() {
    return static_cast<int>(::syscall(SYS_gettid));
}

}  // namespace

ThreadPriority::Level ThreadPriority::RaiseToTimeCritical() {
    ::prctl(PR_SET_TIMERSLACK, kTimerSlackNs, 0, 0, 0);
    sched_param param{};
    param.sched_priority = kRealTimePriority;
    if (::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &param) == 0) {
        return RealTime;
    }
    // An ordinary user on a desktop: the broker lends what the kernel
    // refused.
    if (RealtimeKit::MakeThreadRealtime(kRealTimePriority)) {
        return RealTime;
    }
    const int tid = ThreadId();
    const int before = ::getpriority(PRIO_PROCESS, static_cast<id_t>(tid));
    if (::setpriority(PRIO_PROCESS, static_cast<id_t>(tid), kRaisedNice) == 0 ||
        RealtimeKit::MakeThreadHighPriority(kRaisedNice)) {
        t_niceBefore = before;
        t_niceChanged = true;
        return Raised;
    }
    return Normal;
}

void ThreadPriority::RestoreNormal() {
    sched_param param{};
    param.sched_priority = 0;
    ::pthread_setschedparam(::pthread_self(), SCHED_OTHER, &param);
    if (t_niceChanged) {
        ::setpriority(PRIO_PROCESS, static_cast<id_t>(ThreadId()), t_niceBefore);
        t_niceChanged = false;
    }
    // 0 restores the thread's default slack.
    ::prctl(PR_SET_TIMERSLACK, 0UL, 0, 0, 0);
}
