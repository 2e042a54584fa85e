#pragma once

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "editor/ScoreHitTest.h"
#include "model/FloatingCombo.h"
#include "model/FloatingText.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"

// Points read as "(x, y)" in failure messages.
inline void PrintTo(const Point& point, std::ostream* out) {
    *out << "(" << point.x << ", " << point.y << ")";
}

// A score window without a screen for the tools' tests. Its hit test asks the
// song's own objects first and then each track in order, as the view does;
// it keeps every pop-up menu, edit field, drop-down list and scroll request
// the tools make. Device units are pixelsPerHundred / 100 of a score unit.
class FakeScoreWindow : public ScoreWindow {
public:
    struct Popup {
        std::string name;
        Point at;
    };

    explicit FakeScoreWindow(Song* song) : song(song) {}

    Song* GetSong() const override { return song; }

    SelObject* HitTest(Point at) override {
        return song != nullptr ? ScoreHitTest::Find(*song, at) : nullptr;
    }

    void OpenPopupMenu(std::string_view name, Point at) override {
        popups.push_back({std::string(name), at});
    }
    void OpenEditField(FloatingText& box) override { editFields.push_back(&box); }
    void OpenDropDown(FloatingCombo& combo) override { dropDowns.push_back(&combo); }

    Point ScrollPosition() const override { return scroll; }
    void ScrollTo(Point device) override {
        scrollRequests.push_back(device);
        scroll = {std::clamp(device.x, 0, scrollLimit.x), std::clamp(device.y, 0, scrollLimit.y)};
    }
    Size ToDevice(Size logical) const override {
        return {logical.width * pixelsPerHundred / 100, logical.height * pixelsPerHundred / 100};
    }

    void UpdateScrollSizes() override { ++scrollSizeUpdates; }
    void RedrawAll() override { ++fullRedraws; }
    bool EditFieldOpen() const override { return editFieldOpen; }
    void CopyFromEditField() override { ++fieldCopies; }
    void PasteIntoEditField() override { ++fieldPastes; }

    // The score point under a pointer at the device point of the visible
    // area, as the view converts a mouse position.
    Point ScorePointAt(Point inView) const {
        return {(inView.x + scroll.x) * 100 / pixelsPerHundred,
                (inView.y + scroll.y) * 100 / pixelsPerHundred};
    }

    Song* song;
    std::vector<Popup> popups;
    std::vector<FloatingText*> editFields;
    std::vector<FloatingCombo*> dropDowns;
    std::vector<Point> scrollRequests;
    Point scroll;
    Point scrollLimit{100000, 100000};
    int pixelsPerHundred = 50;
    int scrollSizeUpdates = 0;
    int fullRedraws = 0;
    bool editFieldOpen = false;
    int fieldCopies = 0;
    int fieldPastes = 0;
};
