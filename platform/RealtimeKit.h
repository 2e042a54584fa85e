#pragma once

// The desktop's real-time broker (freedesktop RealtimeKit, on the system
// D-Bus), which lends ordinary users' audio threads real-time or raised
// scheduling. Reached through libsystemd's sd-bus, loaded when first needed:
// without the library, the bus or the service every request simply fails.
class RealtimeKit {
public:
    // Asks for real-time round-robin scheduling of the calling thread at
    // this priority (lowered to the broker's maximum). Limits the process's
    // real-time CPU time without sleeping (RLIMIT_RTTIME) as the broker
    // demands. True when granted.
    static bool MakeThreadRealtime(int priority);
    // Asks for this nice value for the calling thread (raised to the
    // broker's minimum). True when granted.
    static bool MakeThreadHighPriority(int niceLevel);
};
