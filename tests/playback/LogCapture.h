#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/DiagnosticLog.h"

// Collects what is written to the diagnostic log while it lives.
class LogCapture {
public:
    LogCapture() { DiagnosticLog::SetSink(&LogCapture::Collect, this); }
    ~LogCapture() { DiagnosticLog::SetSink(nullptr, nullptr); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines;

private:
    static void Collect(void* self, std::string_view line) {
        static_cast<LogCapture*>(self)->lines.emplace_back(line);
    }
};
