#pragma once

#include "model/NoteBar.h"

// A bar of a percussion track: rhythm on one line; every note sounds the
// track's drum.
class PercussionBar : public NoteBar {
public:
    PercussionBar(Track* track, int index, const Box& box);
    PercussionBar(const PercussionBar&) = default;

    const char* GetClassName() const override { return "PercussionBar"; }
    std::unique_ptr<SelObject> Clone() const override;
    int NoteClefCode() const override { return PercussionClef; }
};
