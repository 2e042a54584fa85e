#pragma once

#include <memory>
#include <string_view>

#include "model/Geometry.h"
#include "model/Subject.h"

class DeviceContext;
class ScoreWindow;

// Base of everything that lies on the score and can be pointed at, selected,
// copied and asked for song settings. The parent is the owner in the song
// tree (not owned); the song has none.
class SelObject : public Subject {
public:
    explicit SelObject(SelObject* parent = nullptr, bool hoverable = false)
        : m_parent(parent), m_hoverable(hoverable) {}
    SelObject(const SelObject&) = default;
    SelObject& operator=(const SelObject&) = default;

    // A deep copy whose ties are cut at its start (edges 1), end (2) or both
    // (3); objects without ties return a plain Clone.
    virtual std::unique_ptr<SelObject> CloneUntied(int edges) const;
    // A deep copy with everything the object owns, observed by the same
    // observers (the song excepted).
    virtual std::unique_ptr<SelObject> Clone() const = 0;
    // The deepest object under the point (score units, edges inclusive), or null.
    virtual SelObject* HitTest(int x, int y) = 0;
    // The select tool pressed the mouse on the object.
    virtual void OnPointerDown(DeviceContext* dc, int x, int y, unsigned flags);
    // The pencil tool activated the object.
    virtual void OnActivate(DeviceContext* dc, int x, int y, unsigned flags);
    // The select tool drags over the object (no device context is passed).
    virtual void OnPointerDrag(DeviceContext* dc, int x, int y, unsigned flags);
    // Draws the object into its rectangle; objects that are never seen draw
    // nothing.
    virtual void Draw(DeviceContext& dc);
    // The area the object covers on the score, margins included.
    virtual Rect GetBoundingRect() const = 0;
    // A pointer to an integer setting of the song, found by climbing the
    // parent chain, or null when nobody knows the name.
    virtual const int* GetProperty(std::string_view name) const;
    // Cuts ties that cross either edge of the object.
    virtual void CutEdgeTies();
    // Whether the source's content may be pasted into this object.
    virtual bool SameKindAs(const SelObject& source) const;
    // Replaces this object's content by the source's when SameKindAs agrees.
    virtual void PasteIfSameKind(const SelObject& source, int edges);

    SelObject* GetParent() const { return m_parent; }
    void SetParent(SelObject* parent) { m_parent = parent; }
    bool IsHoverable() const { return m_hoverable; }

    // Reads an integer song setting, or the fallback when none answers.
    int PropertyOr(std::string_view name, int fallback) const;

    // The score view's window, set once by the view.
    static ScoreWindow* GetScoreWindow() { return s_scoreWindow; }
    static void SetScoreWindow(ScoreWindow* window) { s_scoreWindow = window; }

private:
    SelObject* m_parent;
    bool m_hoverable;
    static inline ScoreWindow* s_scoreWindow = nullptr;
};
