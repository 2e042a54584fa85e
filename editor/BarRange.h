#pragma once

// The first and last bar (indices from 0) that a dialog's pair of bar lists
// picks. Choosing a first bar after the last moves the last to it, and
// choosing a last bar before the first moves the first to it, so a range set
// only through these setters never runs backwards. The setters take any
// index, -1 for a list without a selection included; whether the bars exist
// is the command's question (FitsIn).
class BarRange {
public:
    // Both lists on their first item.
    BarRange() = default;

    void SetFirst(int index);
    void SetLast(int index);
    int First() const { return m_first; }
    int Last() const { return m_last; }

    // True when the range runs forwards and every bar in it exists in a song
    // of numBars bars.
    bool FitsIn(int numBars) const;

private:
    int m_first = 0;
    int m_last = 0;
};
