#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "support/RecordingDeviceContext.h"

// Questions the drawing tests ask of what a recording device context saw.
namespace drawing_test {

using Call = RecordingDeviceContext::Call;
using Kind = RecordingDeviceContext::Kind;

// Where a text call put its cell's top-left corner.
inline Point Where(const Call& call) {
    return call.points.front();
}

// A straight line between two ends, the upper (or left) end first.
struct Segment {
    Point from;
    Point to;
};

// Every line, left end first (upper end first when vertical).
inline std::vector<Segment> Lines(const RecordingDeviceContext& dc) {
    std::vector<Segment> found;
    for (const Call& call : dc.OfKind(Kind::Line)) {
        Point a = call.points[0];
        Point b = call.points[1];
        if (a.x > b.x || (a.x == b.x && a.y > b.y)) {
            std::swap(a, b);
        }
        found.push_back({a, b});
    }
    return found;
}

// Vertical lines: the stems of the drawing.
inline std::vector<Segment> Stems(const RecordingDeviceContext& dc) {
    std::vector<Segment> found = Lines(dc);
    std::erase_if(found, [](const Segment& s) { return s.from.x != s.to.x; });
    return found;
}

inline std::vector<Segment> HorizontalLines(const RecordingDeviceContext& dc) {
    std::vector<Segment> found = Lines(dc);
    std::erase_if(found, [](const Segment& s) { return s.from.y != s.to.y; });
    return found;
}

// Every text call that wrote one of the characters, in drawing order.
inline std::vector<Call> TextsOf(const RecordingDeviceContext& dc, const std::string& glyphs) {
    std::vector<Call> found;
    for (const Call& call : dc.OfKind(Kind::Text)) {
        if (call.text.size() == 1 && glyphs.find(call.text[0]) != std::string::npos) {
            found.push_back(call);
        }
    }
    return found;
}

// The flags that show (the empty "no flag" character does not).
inline std::vector<Call> Flags(const RecordingDeviceContext& dc) {
    return TextsOf(dc, "JKQLMT");
}

// Filled rectangles as rectangles: beams.
inline std::vector<Rect> Beams(const RecordingDeviceContext& dc) {
    std::vector<Rect> found;
    for (const Call& call : dc.OfKind(Kind::FillRect)) {
        found.push_back({call.points[0].x, call.points[0].y, call.points[1].x, call.points[1].y});
    }
    std::sort(found.begin(), found.end(), [](const Rect& a, const Rect& b) {
        return a.top != b.top ? a.top < b.top : a.left < b.left;
    });
    return found;
}

}  // namespace drawing_test
