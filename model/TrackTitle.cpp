#include "model/TrackTitle.h"

namespace {
FloatingText::Style TrackTitleStyle() {
    FloatingText::Style style;
    style.height = 25;
    style.weight = 700;
    style.placeholder = "::";
    return style;
}
}  // namespace

TrackTitle::TrackTitle(SelObject* track, const std::string& text)
    : FloatingText(track, {}, "title", TrackTitleStyle()) {
    SetText(text);
}

std::unique_ptr<SelObject> TrackTitle::Clone() const {
    return std::make_unique<TrackTitle>(*this);
}
