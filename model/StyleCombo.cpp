#include "model/StyleCombo.h"

#include "playback/SoundEngine.h"

StyleCombo::StyleCombo(SelObject* track, int trackNum) : FloatingCombo(track, trackNum) {
    SetHalo(true);
}

std::unique_ptr<SelObject> StyleCombo::Clone() const {
    return std::make_unique<StyleCombo>(*this);
}

void StyleCombo::OnIndexChanged(bool notify) {
    if (notify) {
        SoundEngine::Instance().SetStyleName(GetStyleName());
    }
}
