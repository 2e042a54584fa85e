#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>

// Plain value types for positions on the score, in score units (0.1 mm).

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// A rectangle by its edges, as repainting and clipping use it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    // Whether the point is on the rectangle, edges included: a point on the
    // right or bottom edge is inside, as hit testing wants it. Comparisons
    // only, so no edge value can overflow.
    bool Contains(int x, int y) const { return left <= x && x <= right && top <= y && y <= bottom; }
    // Whether the two share any area; touching edges do not count.
    bool Intersects(const Rect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    // The smallest rectangle covering both.
    Rect United(const Rect& other) const {
        return {left < other.left ? left : other.left, top < other.top ? top : other.top,
                right > other.right ? right : other.right,
                bottom > other.bottom ? bottom : other.bottom};
    }
    bool operator==(const Rect&) const = default;
};

// A box as the model stores it: top-left corner and size.
struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    // Both edges are inclusive: a point on the right or bottom edge is inside.
    // The far edges are worked out in 64 bits, so a box reaching past int's
    // range still answers exactly.
    bool Contains(int px, int py) const {
        return x <= px && px <= std::int64_t{x} + width && y <= py &&
               py <= std::int64_t{y} + height;
    }
    // A far edge beyond int's range is held at the range's end.
    Rect ToRect() const { return {x, y, FarEdge(x, width), FarEdge(y, height)}; }
    bool operator==(const Box&) const = default;

private:
    static int FarEdge(int start, int length) {
        return static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{start} + length, INT_MIN, INT_MAX));
    }
};
