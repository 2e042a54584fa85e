#pragma once

#include <string_view>

#include "model/Geometry.h"

class FloatingCombo;
class FloatingText;
class SelObject;
class Song;

// The score view as the editing tools and the floating controls see it:
// finding what lies under a point, scrolling, and the small windows that
// open over the score. Points are in score units unless a name says device.
// Implemented by the Qt view, and by fakes in tests; user-interface thread only.
class ScoreWindow {
public:
    virtual ~ScoreWindow() = default;

    // The song shown, or null before there is one.
    virtual Song* GetSong() const = 0;
    // The selectable object under the point: the song's own text boxes
    // first, then each track in order; null on empty paper.
    virtual SelObject* HitTest(Point at) = 0;
    // Opens the named pop-up menu ("NotePopup", "BarPopup", "UserTextPopup",
    // "NullPopup") at the point.
    virtual void OpenPopupMenu(std::string_view name, Point at) = 0;
    // Opens an edit field over the text box, its text selected.
    virtual void OpenEditField(FloatingText& box) = 0;
    // Opens the selector's drop-down list.
    virtual void OpenDropDown(FloatingCombo& combo) = 0;
    // The scroll position, in device units (pixels).
    virtual Point ScrollPosition() const = 0;
    // Scrolls so that the device point is the top-left of the visible area;
    // a position beyond either end is limited to it.
    virtual void ScrollTo(Point device) = 0;
    // A distance in score units as device units at the current zoom.
    virtual Size ToDevice(Size logical) const = 0;

    // Lays out the scroll bars again after the song grew or shrank.
    virtual void UpdateScrollSizes() = 0;
    // Repaints the whole score.
    virtual void RedrawAll() = 0;
    // Whether an edit field is open over the one selected text box; the
    // clipboard commands then work on its text instead of on bars.
    virtual bool EditFieldOpen() const = 0;
    // Copies the edit field's selected text to the system clipboard.
    virtual void CopyFromEditField() = 0;
    // Pastes the system clipboard's text into the edit field.
    virtual void PasteIntoEditField() = 0;
};
