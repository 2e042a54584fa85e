#pragma once

#include <mutex>
#include <utility>
#include <vector>

#include "model/EditingState.h"
#include "model/Geometry.h"
#include "model/PencilSettings.h"
#include "model/Subject.h"

class SelObject;
class Tool;

// The editing state of the score: current tool and what the pencil writes,
// the selection, the hovered object, the zoom, the areas waiting to be
// repainted and the page counters. One instance per process; used on the
// user-interface thread. Observers hear aspect 0 when the selection or the
// hovered object changes, and when a tool-bar command or a key changes the
// tool or what the pencil writes.
class ToolsManager : public Subject, public EditingState {
public:
    enum Tool { Pencil = 0, Eraser = 1, Select = 2 };
    enum InputKind { RestInput = 0, NoteInput = 1, TieInput = 2 };
    enum LengthModifier { Dotted = 0, Triplet = 1, Plain = 2 };

    static ToolsManager& Instance();

    const char* GetClassName() const override { return "ToolsManager"; }

    // Restores every field to its initial value (a new editing session).
    void Reset();

    // Leaving the select tool clears the selection first.
    void SetTool(int index);
    int ToolIndex() const { return m_tool >= 0 && m_tool <= 2 ? m_tool : 3; }
    void SetToolOverride(bool on) { m_toolOverride = on; }
    bool ToolOverride() const { return m_toolOverride; }
    // The tool that receives the score's mouse events: the navigate tool
    // while the override is set, else the current tool (the pencil for an
    // index outside 0 to 2).
    ::Tool& EffectiveTool() const;

    int InputKind() const { return m_inputKind; }
    void SetInputKind(int kind) { m_inputKind = kind; }
    void ToggleRest() { m_inputKind = m_inputKind == RestInput ? NoteInput : RestInput; }
    int NoteValue() const { return m_noteValue; }
    void SetNoteValue(int value) { m_noteValue = value; }
    int LengthModifier() const { return m_lengthModifier; }
    void SetLengthModifier(int modifier) { m_lengthModifier = modifier; }
    void ToggleLengthModifier(int modifier);
    bool IsDotted() const { return m_lengthModifier == Dotted; }
    bool IsTriplet() const { return m_lengthModifier == Triplet; }
    int Accidental() const { return m_accidental; }
    // What a pencil click writes now.
    PencilSettings GetPencilSettings() const;
    void SetAccidental(int accidental) { m_accidental = accidental; }
    int DragState() const { return m_dragState; }
    void SetDragState(int state) { m_dragState = state; }
    int Zoom() const { return m_zoom; }
    void SetZoom(int percent) { m_zoom = percent; }

    int CurrentPage() const { return m_currentPage; }
    void SetCurrentPage(int page) { m_currentPage = page; }
    int BarsPerPage() const { return m_barsPerPage; }
    void SetBarsPerPage(int bars) { m_barsPerPage = bars; }
    int TotalBars() const { return m_totalBars; }
    void SetTotalBars(int bars) { m_totalBars = bars; }
    void SetPageCounters(int totalBars, int barsPerPage) override {
        m_totalBars = totalBars;
        m_barsPerPage = barsPerPage;
    }

    // Selection.
    void SelectSingle(SelObject* object);
    void ToggleSelect(SelObject* object);
    void SelectRange(SelObject* anchor, SelObject* object);
    void Deselect(SelObject* object);
    bool Contains(const SelObject* object) const;
    bool IsSelected(const SelObject* object) const override { return Contains(object); }
    bool HasSelection() const override { return !m_selection.empty(); }
    void ClearSelection(bool notify) override;
    // Before the object and what it owns are deleted: when the selection or
    // the hovered objects point into it, the selection is cleared (without
    // notification).
    void ForgetInside(const SelObject* container) override;
    void ForgetOwnedBy(const SelObject* owner) override;
    const std::vector<SelObject*>& Selection() const { return m_selection; }
    bool SelectionIsBarBlock() const;
    // (tracks, bars) of the selected block; (0, 0) when it is not one.
    std::pair<int, int> SelectionBlockSize() const;

    // Hover.
    void SetHover(SelObject* object) override;
    SelObject* Hover() const override { return m_hover; }
    SelObject* PreviousHover() const { return m_previousHover; }

    // Areas waiting to be repainted. Playback highlights notes from its own
    // threads, so these three may be called from any thread.
    void AddDirtyRect(const Rect& rect) override;
    std::vector<Rect> DirtyRects() const;
    // Hands the waiting areas to the painter and forgets them.
    std::vector<Rect> TakeDirtyRects();
    void ClearDirtyRects();

private:
    ToolsManager() = default;
    void AddSelectionRects();
    void AddRectOf(const SelObject* object);
    void SortBarSelection();
    // Clears the selection (silently) when it or the hover points at an
    // object the test picks.
    template <typename Test>
    void ForgetWhere(Test&& test);

    int m_tool = Pencil;
    bool m_toolOverride = false;
    int m_inputKind = NoteInput;
    int m_noteValue = 8;
    int m_lengthModifier = Plain;
    int m_accidental = 3;
    int m_dragState = 0;
    int m_zoom = 125;
    mutable std::mutex m_dirtyMutex;
    std::vector<Rect> m_dirtyRects;
    int m_currentPage = 0;
    int m_barsPerPage = 0;
    int m_totalBars = 0;
    std::vector<SelObject*> m_selection;
    SelObject* m_hover = nullptr;
    SelObject* m_previousHover = nullptr;
};
