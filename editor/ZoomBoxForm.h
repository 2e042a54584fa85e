#pragma once

#include <optional>
#include <string>
#include <vector>

class Prompt;
class ScoreWindow;

// The rules of the navigation panel's zoom box without its widget: the
// items it lists, how it shows a zoom, how it reads what is typed, and what
// choosing a zoom does to the score window.
class ZoomBoxForm {
public:
    // "50%" ... "200%".
    static const std::vector<std::string>& Items();
    // The zoom as the box shows it: "75%".
    static std::string Text(int zoom);
    // Whether the box must show the zoom now: always while the user is not
    // typing in it, and also while typing when the zoom moved elsewhere
    // (a menu or key zoomed) since the box last showed it.
    static bool ShouldShow(bool editing, int zoom, int lastShown);
    // The number Enter reads from the box ("75%" and "75" alike), when it
    // lies within 50..200; otherwise the range message is shown and nothing
    // is returned.
    static std::optional<int> Enter(const std::string& text, Prompt& prompt);
    // The number an item or the typed text starts with; 0 for none.
    static int Read(const std::string& text);
    // Stores the zoom in the tool manager, clears the selection without
    // telling anyone, lays out the window's scroll bars and redraws it.
    static void Apply(ScoreWindow& window, int zoom);
};
