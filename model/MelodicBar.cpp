#include "model/MelodicBar.h"

MelodicBar::MelodicBar(Track* track, int index, const Box& box, bool isBass)
    : NoteBar(track, index, box), m_clef(isBass ? BassClef : TrebleClef) {
    PutWholeBarRest();
}

std::unique_ptr<SelObject> MelodicBar::Clone() const {
    return std::make_unique<MelodicBar>(*this);
}
