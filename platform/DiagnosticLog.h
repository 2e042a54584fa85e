#pragma once

#include <string_view>

// Where the program reports trouble it recovers from by itself (a MIDI port
// that would not open, a message an open port refused): one line each, by
// default on standard error with the program's name in front. Callable from
// any thread, also while static objects are being destroyed at exit.
class DiagnosticLog {
public:
    // Receives one line of text, without a line break. Called under the log's
    // lock, so it must not write to the log itself.
    using Sink = void (*)(void* context, std::string_view line);

    static void Write(std::string_view line);
    // Sends every following line to sink instead; a null sink restores
    // standard error.
    static void SetSink(Sink sink, void* context);
};
