#pragma once

#include "model/FloatingText.h"

// The song's title ("name") or author ("author") text.
class SongText : public FloatingText {
public:
    SongText(SelObject* song, const Box& box, std::string key, int fontHeight);

    const char* GetClassName() const override { return "SongText"; }
    std::unique_ptr<SelObject> Clone() const override;

protected:
    Archive::Cursor FileElement() const override { return Archive::RootElement; }
    bool TextRequired() const override { return true; }
};
