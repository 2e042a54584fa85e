#pragma once

class FloatingCombo;
class ScoreWindow;

// The rules of a selector's drop-down list, for the list a window shows over
// it: which selector is open, when the list must commit (the selector is no
// longer the first selected object), and what a commit does: a chosen item
// that is valid and differs from the current one becomes current, telling the
// sound engine (an instrument's program or drum key at once), and the
// selector notifies content changed (10) and repaint (8). Closing the list
// lets go of the selector, which leads to that commit. Knows nothing of
// widgets. The selector is not owned; user-interface thread only.
class SelectorEditing {
public:
    explicit SelectorEditing(ScoreWindow& window) : m_window(window) {}

    // The window has opened the list over the selector; nothing is chosen yet.
    void Begin(FloatingCombo& combo);
    bool IsOpen() const { return m_combo != nullptr; }
    FloatingCombo* Combo() const { return m_combo; }

    // The list closed with the item chosen (-1: none, as on Escape or when
    // the list lost the focus): remember it and clear the selection.
    void Close(int item);
    // True while a list is open over a selector that is no longer the first
    // selected object: the window then closes it and calls Commit.
    bool MustCommit() const;
    // Ends the editing and applies the chosen item; true when the selection
    // changed. A selector its window's song no longer holds is left alone.
    bool Commit();
    // Ends the editing without touching the selector (it may be gone).
    void Abandon() { m_combo = nullptr; }

private:
    ScoreWindow& m_window;
    FloatingCombo* m_combo = nullptr;
    int m_chosen = -1;
};
