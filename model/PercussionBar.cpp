#include "model/PercussionBar.h"

PercussionBar::PercussionBar(Track* track, int index, const Box& box) : NoteBar(track, index, box) {
    PutWholeBarRest();
}

std::unique_ptr<SelObject> PercussionBar::Clone() const {
    return std::make_unique<PercussionBar>(*this);
}
