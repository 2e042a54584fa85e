#pragma once

class DeviceContext;
class Song;

// The drawing pass of the score: the desk, the pages side by side, and the
// song on them, for the screen; or one page of the song for a printer. Works
// in score units on any device context; the caller sets up the mapping and
// holds the document lock.
class ScorePainter {
public:
    // Everything in the device context's clip box. Without a song, only the
    // desk and one empty page.
    static void PaintScreen(DeviceContext& dc, Song* song, int pageCount);
    // Page k (1-based) as printed: no desk, shadow or header band.
    static void PrintPage(DeviceContext& dc, Song& song, int page, int pageCount);

    // How many pages the current layout needs (at least one).
    static int PageCount();

private:
    static void DrawPage(DeviceContext& dc, int page);
    static void DrawPageLabel(DeviceContext& dc, int page, int pageCount);
    static void DrawSongTexts(DeviceContext& dc, Song& song);
};
