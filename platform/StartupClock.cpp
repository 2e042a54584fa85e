#include "platform/StartupClock.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

double StartupClock::MillisecondsSinceStart() {
    // Field 22 of /proc/self/stat is the start time in clock ticks since
    // boot; /proc/uptime gives the time since boot now.
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    const std::string::size_type afterName = stat.rfind(')');
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    if (afterName == std::string::npos || !(uptimeFile >> uptime)) {
        return -1;
    }
    std::istringstream fields(stat.substr(afterName + 2));
    std::string field;
    // After the name come state (field 3) ... start time (field 22).
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index == 22) {
            const double ticks = std::strtod(field.c_str(), nullptr);
            return (uptime - ticks / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000.0;
        }
    }
    return -1;
}

void StartupClock::Report(const char* what) {
    const char* wanted = std::getenv("QUILLSONG_REPORT_STARTUP");
    if (wanted == nullptr || *wanted == '\0') {
        return;
    }
    std::fprintf(stderr, "quillsong: %s after %.0f ms\n", what, MillisecondsSinceStart());
}
