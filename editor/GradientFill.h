#pragma once

#include "model/Color.h"
#include "model/DeviceContext.h"

// Fills a rectangle with bands that step from one colour to another, the
// way page shadows and the page header are shaded.
class GradientFill {
public:
    enum Direction { LeftToRight, TopToBottom };

    // Band i of n covers length / n units from i times that length and has
    // the colour from + (to - from) * i / n, every channel truncated.
    static void Fill(DeviceContext& dc, const Rect& rect, Color from, Color to, int bands,
                     Direction direction);
    static Color Band(Color from, Color to, int band, int bands);
};
