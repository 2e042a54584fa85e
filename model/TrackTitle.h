#pragma once

#include "model/FloatingText.h"

// The title shown in front of a track ("Track 1", "Accompaniment").
class TrackTitle : public FloatingText {
public:
    TrackTitle(SelObject* track, const std::string& text);

    const char* GetClassName() const override { return "TrackTitle"; }
    std::unique_ptr<SelObject> Clone() const override;

protected:
    Archive::Cursor FileElement() const override { return Archive::TrackElement; }
};
