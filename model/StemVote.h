#pragma once

#include <array>

class Note;

// Decides which way the stems of a chord or a beamed group point. Each note
// votes by where it sits against its staff: high notes (category 0) want
// the stem down, middle (1) and low (2) notes want it up. Percussion notes
// do not vote, so drum stems always point up.
class StemVote {
public:
    void Add(const Note& note);
    // Down only when the high notes outnumber each other category.
    bool StemsDown() const;

    // The category of the note; -1 for notes that do not vote.
    static int CategoryOf(const Note& note);

private:
    std::array<int, 3> m_counts{};
};
