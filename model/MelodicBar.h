#pragma once

#include "model/NoteBar.h"

// A bar of a treble or bass track: notes with pitches on a five-line staff.
class MelodicBar : public NoteBar {
public:
    MelodicBar(Track* track, int index, const Box& box, bool isBass);
    MelodicBar(const MelodicBar&) = default;

    const char* GetClassName() const override { return "MelodicBar"; }
    std::unique_ptr<SelObject> Clone() const override;
    int NoteClefCode() const override { return m_clef; }

    bool IsBass() const { return m_clef == BassClef; }

private:
    int m_clef;
};
