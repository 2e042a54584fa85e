#include "model/RestPlan.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<int, 6> kWrittenValues = {1, 2, 4, 8, 16, 32};
constexpr int kStepsPerWhole = 96;
constexpr int kTripletStepsPerWhole = 64;
// In 6/8 the first two eighths of a beat are written as one quarter.
constexpr int kSixEightSplit = 24;
}  // namespace

RestPlan::RestPlan(int stepsPerBar, int numBeats, int stepsPerBeat, bool sixEight)
    : m_stepsPerBar(std::max(1, stepsPerBar)),
      m_numBeats(numBeats),
      m_stepsPerBeat(stepsPerBeat),
      m_sixEight(sixEight) {
    if (m_numBeats < 1 || m_stepsPerBeat < 1) {
        m_numBeats = 1;
        m_stepsPerBeat = m_stepsPerBar;
    }
}

std::vector<RestPlan::Rest> RestPlan::Plan(int start, int length, int memberLength) const {
    std::vector<Rest> rests;
    if (length <= 0) {
        return rests;
    }
    if (IsWholeBar(start, length, memberLength)) {
        rests.push_back({0, 1, m_stepsPerBar});
        return rests;
    }
    const int end = start + length;
    for (int first = start; first < end;) {
        const int boundary = std::min(NextBoundary(first, memberLength), end);
        PlanPiece(first, boundary - first, memberLength > 0, rests);
        first = boundary;
    }
    std::sort(rests.begin(), rests.end(),
              [](const Rest& a, const Rest& b) { return a.step < b.step; });
    return rests;
}

bool RestPlan::Covers(int start, int length, int memberLength) const {
    int covered = 0;
    for (const Rest& rest : Plan(start, length, memberLength)) {
        covered += rest.length;
    }
    return covered == std::max(0, length);
}

int RestPlan::NextBoundary(int step, int memberLength) const {
    if (memberLength > 0) {
        return step + memberLength;
    }
    const int beatStart = step / m_stepsPerBeat * m_stepsPerBeat;
    if (m_sixEight && step < beatStart + kSixEightSplit) {
        return beatStart + kSixEightSplit;
    }
    return beatStart + m_stepsPerBeat;
}

void RestPlan::PlanPiece(int first, int length, bool inGroup, std::vector<Rest>& out) const {
    int remaining = length;
    for (int value : kWrittenValues) {
        const int restLength = inGroup ? kTripletStepsPerWhole / value
                                       : (value == 1 ? m_stepsPerBar : kStepsPerWhole / value);
        if (restLength <= remaining) {
            remaining -= restLength;
            out.push_back({first + remaining, value, restLength});
        }
    }
}
