#pragma once

#include "model/FloatingText.h"

// A free text box the user placed on the page; it can be moved and deleted.
class UserText : public FloatingText {
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 30;

    UserText(SelObject* song, int x, int y);

    const char* GetClassName() const override { return "UserText"; }
    std::unique_ptr<SelObject> Clone() const override;
    // Also stores and reads the box's position as "x" and "y". A file whose
    // box lies outside PlaceableArea throws IOException ("Read file error").
    void Serialize(Archive& archive) override;

    // Where a box's top-left corner may lie: on the largest score a song can
    // have (a box outlives the bars deleted under it), or up to a page off
    // it, where a box dragged partly off the paper may stand. Further off is
    // a damaged file.
    static Rect PlaceableArea();

protected:
    Archive::Cursor FileElement() const override { return Archive::UserTextElement; }
    bool TextRequired() const override { return true; }
    // Easier to catch: the text rectangle enlarged by 15 on every side.
    Rect HitRect() const override;
};
