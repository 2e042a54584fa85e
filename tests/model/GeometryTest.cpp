#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "model/Geometry.h"
#include "model/Song.h"
#include "support/EngineReset.h"

namespace {

TEST(GeometryTest, RectContainsIncludesEveryEdge) {
    struct Case {
        Rect rect;
        int x, y;
        bool inside;
    };
    const Rect r{10, 20, 40, 60};
    const Rect everything{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    const std::vector<Case> cases = {
        {r, 25, 40, true},
        {r, 10, 20, true},
        {r, 40, 60, true},
        {r, 10, 60, true},
        {r, 40, 20, true},
        {r, 9, 40, false},
        {r, 41, 40, false},
        {r, 25, 19, false},
        {r, 25, 61, false},
        {{5, 5, 5, 5}, 5, 5, true},
        {{5, 5, 5, 5}, 6, 5, false},
        {everything, INT_MIN, INT_MAX, true},
        {everything, INT_MAX, INT_MIN, true},
        {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, INT_MAX - 1, INT_MAX, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.rect.Contains(c.x, c.y), c.inside)
            << "{" << c.rect.left << ", " << c.rect.top << ", " << c.rect.right << ", "
            << c.rect.bottom << "} at " << c.x << ", " << c.y;
    }
}

// A free text read at x = INT_MAX once made x + width overflow. Every far
// edge here lies past int's range; the suite runs under UBSan in CI.
TEST(GeometryTest, BoxArithmeticNearIntMaxDoesNotOverflow) {
    struct Case {
        Box box;
        int x, y;
        bool inside;
        Rect rect;
    };
    const std::vector<Case> cases = {
        {{INT_MAX, 20, 200, 30}, INT_MAX, 20, true, {INT_MAX, 20, INT_MAX, 50}},
        {{INT_MAX, 20, 200, 30}, INT_MAX - 1, 20, false, {INT_MAX, 20, INT_MAX, 50}},
        {{INT_MAX - 100, 20, 200, 30}, INT_MAX, 50, true, {INT_MAX - 100, 20, INT_MAX, 50}},
        {{20, INT_MAX - 10, 200, 30}, 220, INT_MAX, true, {20, INT_MAX - 10, 220, INT_MAX}},
        {{20, INT_MAX - 10, 200, 30}, 221, INT_MAX, false, {20, INT_MAX - 10, 220, INT_MAX}},
        {{INT_MIN, INT_MIN, -200, -30},
         INT_MIN,
         INT_MIN,
         false,
         {INT_MIN, INT_MIN, INT_MIN, INT_MIN}},
        {{INT_MIN, 0, INT_MAX, 10}, -1, 5, true, {INT_MIN, 0, -1, 10}},
        {{INT_MIN, 0, INT_MAX, 10}, 0, 5, false, {INT_MIN, 0, -1, 10}},
        {{0, 0, INT_MAX, INT_MAX}, INT_MAX, INT_MAX, true, {0, 0, INT_MAX, INT_MAX}},
    };
    for (const Case& c : cases) {
        const Box& b = c.box;
        const std::string name = "{" + std::to_string(b.x) + ", " + std::to_string(b.y) + ", " +
                                 std::to_string(b.width) + ", " + std::to_string(b.height) + "}";
        EXPECT_EQ(b.Contains(c.x, c.y), c.inside) << name << " at " << c.x << ", " << c.y;
        EXPECT_EQ(b.ToRect(), c.rect) << name;
    }
}

using ControlHitTest = EngineReset;

// Volume slider, instrument selector and free text each hit-test their own
// area, edges included.
TEST_F(ControlHitTest, ControlsAreHitOnEveryEdgeOfTheirArea) {
    Song song("t", "a", 1, 100, {4, 4}, 0);
    song.AddTrebleTrack();
    Track& track = *song.GetTrack(0);
    VolumeSlider& slider = *track.GetVolumeSlider();
    slider.SetRect({100, 200, 300, 240});
    FloatingCombo& selector = *track.GetSelector();
    selector.SetRect({500, 200, 700, 240});
    UserText& text = *song.AddUserText(1000, 400);
    struct Case {
        const char* name;
        SelObject* object;
        Rect area;
    };
    const std::vector<Case> cases = {
        {"slider", &slider, {100, 200, 300, 240}},
        {"selector with its arrow", &selector, {500, 200, 800, 240}},
        {"free text with its margin", &text, {985, 385, 1215, 445}},
    };
    for (const Case& c : cases) {
        const Rect a = c.area;
        EXPECT_EQ(c.object->HitTest(a.left, a.top), c.object) << c.name;
        EXPECT_EQ(c.object->HitTest(a.right, a.bottom), c.object) << c.name;
        EXPECT_EQ(c.object->HitTest(a.left - 1, a.top), nullptr) << c.name;
        EXPECT_EQ(c.object->HitTest(a.left, a.top - 1), nullptr) << c.name;
        EXPECT_EQ(c.object->HitTest(a.right + 1, a.bottom), nullptr) << c.name;
        EXPECT_EQ(c.object->HitTest(a.right, a.bottom + 1), nullptr) << c.name;
    }
}

}  // namespace
