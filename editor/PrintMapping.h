#pragma once

// How a printed score page lands on the paper: the A4 page is scaled to the
// paper's width or height, whichever is the tighter fit, keeping its
// proportions, and moved so its top-left corner is the paper's printable
// corner. Device units are the printer's dots.
struct PrintMapping {
    double scale = 1.0;  // device units per score unit
    // Device position of the score point at the page's top-left corner.
    double originX = 0.0;
    double originY = 0.0;
    // The page's score origin (its top-left corner in score units).
    int pageLeft = 0;
    int pageTop = 0;

    // Page k counts from 1. The offsets are the printer's unprintable margin
    // at the left and top, in device units.
    static PrintMapping ForPage(int page, double paperWidth, double paperHeight,
                                double offsetX = 0.0, double offsetY = 0.0);
};
