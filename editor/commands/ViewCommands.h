#pragma once

#include "editor/commands/CommandId.h"

class ScoreWindow;

// Zoom and bars per line: how the score is shown, not what it holds, so
// neither records an undo entry.
class ViewCommands {
public:
    static constexpr int kMinZoom = 50;
    static constexpr int kMaxZoom = 200;

    // The preset a zoom command chooses; 0 for any other command.
    static int PresetOf(CommandId command);
    // The next preset above or below the zoom.
    static int ZoomedIn(int zoom);
    static int ZoomedOut(int zoom);
    // Clears the selection (with notification), stores the zoom, lays out
    // the scroll bars and repaints everything.
    static void SetZoom(ScoreWindow& window, int zoom);
    // 1 to 4 for the bars-per-line commands; 0 for any other command.
    static int BarsPerLineOf(CommandId command);
    // Clears the selection (silently) and lays the song out again with the
    // number of bars on each line.
    static void SetBarsPerLine(ScoreWindow& window, int bars);
    // Scrolls so the page before (delta -1) or after (+1) the one whose
    // start is nearest the visible area's left edge begins at that edge,
    // within the song's pages; false when there is no such page. The page
    // counter of the tool manager stays: the screen shows every page, and
    // the counter hides the title and the sliders when it is not 0.
    static bool TurnPage(ScoreWindow& window, int pageCount, int delta);
};
