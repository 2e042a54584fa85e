#pragma once

// Scheduling priority of the calling thread, for threads that must wake on
// time (the playback thread). Linux grants real-time scheduling only to
// privileged or rtkit-blessed processes, so raising is a request: whatever
// the system refuses is left as it was and the caller carries on.
class ThreadPriority {
public:
    enum Level { Normal = 0, Raised = 1, RealTime = 2 };

    // Asks for real-time scheduling at a modest priority (below audio
    // servers), from the kernel or else from the desktop's RealtimeKit,
    // else for a lower nice value the same two ways; also asks the kernel to
    // wake the thread without timer slack. Returns what it got.
    static Level RaiseToTimeCritical();
    // Back to ordinary scheduling, nice value and timer slack.
    static void RestoreNormal();
};
