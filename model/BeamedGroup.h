#pragma once

#include <array>
#include <cstddef>

class DeviceContext;
class NoteChord;

// Chords of one beat (or one triplet group) that are drawn together: a single
// chord on its own with its flag, two or more under beams. The chords are
// borrowed from their bar for one drawing pass; the group keeps no heap.
class BeamedGroup {
public:
    // More chords than fit a beat of thirty-seconds in the longest beat.
    static constexpr int kCapacity = 32;

    // False, leaving the group as it is, once it is full.
    bool Add(NoteChord& chord);
    bool IsEmpty() const { return m_count == 0; }
    bool IsFull() const { return m_count == kCapacity; }
    int Size() const { return m_count; }

    bool Contains(const NoteChord& chord) const;
    const NoteChord& At(int index) const { return *m_chords[static_cast<std::size_t>(index)]; }
    void Clear() { m_count = 0; }
    // A chord alone follows its own notes; a beamed group's notes all vote.
    bool StemsDown() const;

    // Draws the chords and empties the group. Answers the topmost y drawn,
    // so that marks can stand above it; INT_MAX for an empty group.
    int Flush(DeviceContext& dc);
    // How many beams the chord's written value takes: 1 eighth ... 3 thirty-second.
    int BeamsOf(int index) const;

private:
    int DrawAlone(DeviceContext& dc, NoteChord& chord) const;
    int DrawBeamed(DeviceContext& dc) const;
    // The y where every stem of the group ends: beyond the outermost head.
    int StemTip(bool down) const;
    void DrawBeamLevel(DeviceContext& dc, int level, bool down, int tip) const;
    int StemX(int index, bool down) const;

    std::array<NoteChord*, kCapacity> m_chords{};
    int m_count = 0;
};
