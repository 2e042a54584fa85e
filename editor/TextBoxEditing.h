#pragma once

#include <string>

class FloatingText;
class LyricText;
class ScoreWindow;

// The rules of editing one text box in place, for the edit field a window
// shows over it. It knows which box is being edited, says when the field must
// commit (its box is no longer selected), applies a commit to the box and
// decides what the field's Enter, Space, Tab and Shift+Tab keys do, moving
// along a bar's lyrics through the effective tool. It knows nothing of
// widgets: the window reads the field's text, calls Commit and closes the
// field. The box is not owned; user-interface thread only.
class TextBoxEditing {
public:
    enum class Key { Enter = 0, Space = 1, Tab = 2, BackTab = 3 };

    explicit TextBoxEditing(ScoreWindow& window) : m_window(window) {}

    // The window has opened a field over the box.
    void Begin(FloatingText& box) { m_box = &box; }
    bool IsOpen() const { return m_box != nullptr; }
    FloatingText* Box() const { return m_box; }

    // True while a field is open over a box that is no longer selected: the
    // window then hands its text to Commit and closes it.
    bool MustCommit() const;
    // Ends the editing and gives the field's text to the box: cut to the
    // box's 199 bytes (never inside a character), it replaces the text unless
    // it is empty or the same; then the box is measured again, its old and
    // new areas wait for repainting, and it notifies content changed (10)
    // and repaint (8). True when the text changed. A box its window's song no
    // longer holds is left alone.
    bool Commit(const std::string& input);
    // Ends the editing without touching the box (it may be gone).
    void Abandon() { m_box = nullptr; }
    // Ends the editing without a commit and lets go of the box, which is
    // drawn at rest again.
    void Cancel();

    // A key of the field. Enter deselects the box, which leads to the commit.
    // In a lyric, Space and Tab press the effective tool on the next syllable
    // of the bar, Shift+Tab on the one before, which commits this one (and
    // the pencil opens the other); at either end of the bar it deselects.
    // True when the key was used, so the field must not type it; Space in
    // other boxes is theirs to type, Tab and Shift+Tab do nothing there.
    bool Press(Key key);

private:
    // The syllable before or after in the bar's lyric order, or null.
    static LyricText* Neighbour(const LyricText& lyric, bool forward);
    void MoveTo(LyricText* next);
    void Deselect();

    ScoreWindow& m_window;
    FloatingText* m_box = nullptr;
};
