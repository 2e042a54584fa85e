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
    // Also stores and reads the box's position as "x" and "y".
    void Serialize(Archive& archive) override;

protected:
    Archive::Cursor FileElement() const override { return Archive::UserTextElement; }
    bool TextRequired() const override { return true; }
    // Easier to catch: the text rectangle enlarged by 15 on every side.
    Rect HitRect() const override;
};
