#pragma once

#include <memory>
#include <vector>

class Bar;
class Prompt;
class Song;
class UndoManager;

// Copy and paste of a rectangular block of selected bars. One instance per
// process; the copies live until the next copy and survive pastes.
class BarClipboard {
public:
    static BarClipboard& Instance();
    BarClipboard() = default;

    // Copies the tool manager's selected bar block; false after a message.
    bool Copy(Prompt& prompt);
    // Pastes into the selected block, or into the block of the copy's size
    // that starts at the one selected bar; records "Paste". False after a message.
    bool Paste(Song& song, Prompt& prompt, UndoManager& history);

    bool IsEmpty() const { return m_bars.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const std::vector<std::unique_ptr<Bar>>& Bars() const { return m_bars; }
    void Clear();

    // Which ties a bar at position i of a block row of the width keeps: 3 cut
    // both edges (a one-bar row), 1 the start of a row, 2 its end, 0 none.
    static int EdgesOf(int i, int width);

private:
    std::vector<std::unique_ptr<Bar>> m_bars;
    int m_width = 0;
    int m_height = 0;
};
