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

    static constexpr const char* kNoStyle = "[N/A]";

    void SetStyles(std::vector<std::string> names) { SetTextItems(std::move(names)); }
    // Lists the styles of the Pattern folder of the program's data that fit the
    // song's time signature, sorted byte-wise, or "[N/A]" when none does, and
    // selects the first. Does nothing when the list already has items.
    void FillStyleList();
    // The style names among a folder's file names for a time signature:
    // "<numerator><denominator>_<style>.qsx", sorted byte-wise, or "[N/A]".
    static std::vector<std::string> StyleNamesFor(const std::vector<std::string>& fileNames,
                                                  int numerator, int denominator);
    // The displayed style name; empty while the list is empty.
    std::string GetStyleName() const { return CurrentText(); }
    // "instr" on the track: the style's name, which the file must hold. A
    // name that is not in the list leaves the selection as it is.
    void Serialize(Archive& archive) override;

protected:
    void OnIndexChanged(bool notify) override;
};
