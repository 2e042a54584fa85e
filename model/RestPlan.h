#pragma once

#include <vector>

// How a range of a bar's steps is written as rests. Plain ranges are cut at
// the beats (in 6/8 each beat is a quarter and an eighth) and each piece is
// written with at most one rest of each value, the longer ones last; a range
// inside a triplet group is written as one rest per member. Pure arithmetic
// on the bar's time signature; the bar creates the rests.
class RestPlan {
public:
    struct Rest {
        int step = 0;
        int value = 0;
        int length = 0;
        bool operator==(const Rest&) const = default;
    };

    RestPlan(int stepsPerBar, int numBeats, int stepsPerBeat, bool sixEight);

    // The rests for the range, in step order. memberLength > 0 means the
    // range lies in a triplet group of such members; 0 means plain steps.
    // A range that cannot be written exactly comes back with what fits.
    std::vector<Rest> Plan(int start, int length, int memberLength) const;
    // Whether Plan covers every step of the range.
    bool Covers(int start, int length, int memberLength) const;
    // The whole bar as one rest.
    bool IsWholeBar(int start, int length, int memberLength) const {
        return memberLength == 0 && start == 0 && length == m_stepsPerBar;
    }

    int StepsPerBar() const { return m_stepsPerBar; }
    int NumBeats() const { return m_numBeats; }
    int StepsPerBeat() const { return m_stepsPerBeat; }

private:
    int NextBoundary(int step, int memberLength) const;
    void PlanPiece(int first, int length, bool inGroup, std::vector<Rest>& out) const;

    int m_stepsPerBar;
    int m_numBeats;
    int m_stepsPerBeat;
    bool m_sixEight;
};
