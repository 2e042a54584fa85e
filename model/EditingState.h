#pragma once

#include "model/Geometry.h"

class SelObject;

// What the model needs of the score's editing state while it draws and edits:
// who is hovered or selected, the areas to repaint, and the page counters the
// layout reports. The editor implements it and installs it at start-up; until
// then a state that holds nothing is used, so the model works on its own
// (nothing hovered or selected, repaint requests dropped).
//
// Threads: AddDirtyRect may be called from any thread (playback highlights
// notes from its own); everything else belongs to the user-interface thread.
class EditingState {
public:
    virtual ~EditingState() = default;

    // The object under the pointer, or null.
    virtual SelObject* Hover() const = 0;
    // Makes the object the hovered one (null: none).
    virtual void SetHover(SelObject* object) = 0;
    // Whether the object is part of the selection.
    virtual bool IsSelected(const SelObject* object) const = 0;
    virtual bool HasSelection() const = 0;
    // Empties the selection, telling the state's observers when notify.
    virtual void ClearSelection(bool notify) = 0;
    // Must be called before the container and what it owns are deleted: the
    // state then holds no pointer into it.
    virtual void ForgetInside(const SelObject* container) = 0;
    // The same for what the owner holds, before it is deleted while the
    // owner itself stays (a bar whose notes are replaced stays selected).
    virtual void ForgetOwnedBy(const SelObject* owner) = 0;
    // Adds an area, in score units, that must be repainted.
    virtual void AddDirtyRect(const Rect& rect) = 0;
    // The layout's result: how many bars the song has and fit a page.
    virtual void SetPageCounters(int totalBars, int barsPerPage) = 0;

    static EditingState& Instance();
    // Installs the state (not owned), or the empty one again with null.
    static void SetInstance(EditingState* state);
};
