#pragma once

#include "model/Geometry.h"

// Where pages and lines of bars lie on the score, in score units (0.1 mm).
// Pages are A4 sheets lying side by side; every track uses the same grid.
struct PageGeometry {
    static constexpr int kPageWidth = 2100;
    static constexpr int kPageHeight = 2970;
    static constexpr int kPagePitch = 2115;
    static constexpr int kPageMargin = 25;
    static constexpr int kTrackLeft = 100;
    static constexpr int kHeaderWidth = 400;
    static constexpr int kLineWidth = 1520;
    static constexpr int kFirstSystemTop = 250;
    static constexpr int kSystemArea = 2710;
    static constexpr int kSystemGap = 35;
    static constexpr int kScrollHeight = 3010;

    static constexpr Point PageOrigin(int page) {
        return {kPageMargin + kPagePitch * page, kPageMargin};
    }
    static constexpr Rect PageRect(int page) {
        const Point origin = PageOrigin(page);
        return {origin.x, origin.y, origin.x + kPageWidth, origin.y + kPageHeight};
    }
    // The width of the whole score for a number of pages.
    static constexpr int ScrollWidth(int pages) { return kPagePitch * pages + 50; }
    // 1 when not even one bar fits a page, else enough pages for every bar.
    static constexpr int PageCount(int totalBars, int barsPerPage) {
        if (barsPerPage < 1) {
            return 1;
        }
        return totalBars <= 0 ? 1 : (totalBars + barsPerPage - 1) / barsPerPage;
    }
};
