#pragma once

#include <string>
#include <vector>

#include "model/FloatingCombo.h"

// The accompaniment track's style selector; its items are the style names of
// the pattern library for the song's time signature.
class StyleCombo : public FloatingCombo {
public:
    StyleCombo(SelObject* track, int trackNum);
    StyleCombo(const StyleCombo&) = default;

    const char* GetClassName() const override { return "StyleCombo"; }
    std::unique_ptr<SelObject> Clone() const override;

    void SetStyles(std::vector<std::string> names) { SetTextItems(std::move(names)); }
    // The displayed style name; empty while the list is empty.
    std::string GetStyleName() const { return CurrentText(); }

protected:
    void OnIndexChanged(bool notify) override;
};
