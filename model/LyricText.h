#pragma once

#include "model/FloatingText.h"

// One syllable under a chord of a note bar, centred under the note.
class LyricText : public FloatingText {
public:
    static constexpr int kHeight = 60;

    LyricText(SelObject* bar, const Box& box);

    const char* GetClassName() const override { return "LyricText"; }
    std::unique_ptr<SelObject> Clone() const override;

protected:
    Archive::Cursor FileElement() const override { return Archive::BarElemElement; }
};
