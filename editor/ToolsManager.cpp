#include "editor/ToolsManager.h"

#include <algorithm>

#include "editor/tools/EraserTool.h"
#include "editor/tools/NavigateTool.h"
#include "editor/tools/PencilTool.h"
#include "editor/tools/SelectTool.h"
#include "model/Bar.h"
#include "model/SelObject.h"
#include "model/Song.h"
#include "model/Track.h"

namespace {

bool IsNoteBar(const SelObject* object) {
    return object != nullptr && (object->IsA("MelodicBar") || object->IsA("PercussionBar"));
}

bool Compatible(const SelObject* a, const SelObject* b) {
    return (IsNoteBar(a) && IsNoteBar(b)) || (a->IsA("Note") && b->IsA("Note"));
}

// (track slot, bar index) of a bar in its song.
std::pair<int, int> BarPosition(const SelObject* object) {
    const auto* bar = static_cast<const Bar*>(object);
    const Track* track = bar->GetTrack();
    return {track != nullptr ? track->GetTrackNum() : 0, bar->GetIndex()};
}

}  // namespace

ToolsManager& ToolsManager::Instance() {
    static ToolsManager manager;
    return manager;
}

void ToolsManager::Reset() {
    m_tool = Pencil;
    m_toolOverride = false;
    m_inputKind = NoteInput;
    m_noteValue = 8;
    m_lengthModifier = Plain;
    m_accidental = 3;
    m_dragState = 0;
    m_zoom = 125;
    ClearDirtyRects();
    m_currentPage = m_barsPerPage = m_totalBars = 0;
    m_selection.clear();
    m_hover = m_previousHover = nullptr;
}

void ToolsManager::SetTool(int index) {
    if (m_tool == Select && index != Select) {
        ClearSelection(true);
    }
    m_tool = index;
}

::Tool& ToolsManager::EffectiveTool() const {
    if (m_toolOverride) {
        return NavigateTool::Instance();
    }
    switch (m_tool) {
        case Eraser:
            return EraserTool::Instance();
        case Select:
            return SelectTool::Instance();
        default:
            return PencilTool::Instance();
    }
}

void ToolsManager::ToggleLengthModifier(int modifier) {
    m_lengthModifier = m_lengthModifier == modifier ? Plain : modifier;
}

void ToolsManager::SelectSingle(SelObject* object) {
    AddSelectionRects();
    m_selection.clear();
    if (object != nullptr) {
        m_selection.push_back(object);
    }
    m_hover = nullptr;
    AddSelectionRects();
    Notify(0);
}

void ToolsManager::ToggleSelect(SelObject* object) {
    if (object == nullptr) {
        return;
    }
    AddRectOf(object);
    const bool compatible =
        std::all_of(m_selection.begin(), m_selection.end(),
                    [object](const SelObject* s) { return Compatible(s, object); });
    if (!compatible) {
        SelectSingle(object);
        return;
    }
    const auto found = std::find(m_selection.begin(), m_selection.end(), object);
    if (found != m_selection.end()) {
        m_selection.erase(found);
    } else {
        m_selection.push_back(object);
    }
    if (IsNoteBar(object) && std::all_of(m_selection.begin(), m_selection.end(), IsNoteBar)) {
        SortBarSelection();
    }
    Notify(0);
}

void ToolsManager::SelectRange(SelObject* anchor, SelObject* object) {
    if (!IsNoteBar(anchor) || !IsNoteBar(object)) {
        return;
    }
    const Track* track = static_cast<const Bar*>(anchor)->GetTrack();
    const auto* song = track != nullptr ? dynamic_cast<const Song*>(track->GetParent()) : nullptr;
    if (song == nullptr) {
        return;
    }
    const auto [trackA, barA] = BarPosition(anchor);
    const auto [trackB, barB] = BarPosition(object);
    AddSelectionRects();
    m_selection.clear();
    for (int t = std::min(trackA, trackB); t <= std::max(trackA, trackB); ++t) {
        for (int b = std::min(barA, barB); b <= std::max(barA, barB); ++b) {
            if (Bar* bar = song->GetBar(t, b)) {
                m_selection.push_back(bar);
            }
        }
    }
    AddSelectionRects();
    m_hover = nullptr;
    Notify(0);
}

void ToolsManager::Deselect(SelObject* object) {
    std::erase(m_selection, object);
}

bool ToolsManager::Contains(const SelObject* object) const {
    return std::find(m_selection.begin(), m_selection.end(), object) != m_selection.end();
}

void ToolsManager::ClearSelection(bool notify) {
    if (notify) {
        AddSelectionRects();
    }
    m_selection.clear();
    m_hover = nullptr;
    m_previousHover = nullptr;
    m_dragState = 0;
    if (notify) {
        Notify(0);
    }
}

bool ToolsManager::SelectionIsBarBlock() const {
    if (m_selection.empty() || !std::all_of(m_selection.begin(), m_selection.end(), IsNoteBar)) {
        return false;
    }
    const auto [firstTrack, firstBar] = BarPosition(m_selection.front());
    const auto [lastTrack, lastBar] = BarPosition(m_selection.back());
    if (lastTrack < firstTrack || lastBar < firstBar) {
        return false;
    }
    const size_t expected = static_cast<size_t>(lastTrack - firstTrack + 1) *
                            static_cast<size_t>(lastBar - firstBar + 1);
    if (m_selection.size() != expected) {
        return false;
    }
    size_t i = 0;
    for (int t = firstTrack; t <= lastTrack; ++t) {
        for (int b = firstBar; b <= lastBar; ++b, ++i) {
            if (BarPosition(m_selection[i]) != std::make_pair(t, b)) {
                return false;
            }
        }
    }
    return true;
}

std::pair<int, int> ToolsManager::SelectionBlockSize() const {
    if (!SelectionIsBarBlock()) {
        return {0, 0};
    }
    const auto [firstTrack, firstBar] = BarPosition(m_selection.front());
    const auto [lastTrack, lastBar] = BarPosition(m_selection.back());
    return {lastTrack - firstTrack + 1, lastBar - firstBar + 1};
}

void ToolsManager::SetHover(SelObject* object) {
    m_previousHover = m_hover;
    if (object == m_hover) {
        return;
    }
    if (m_hover != nullptr && m_hover->IsHoverable()) {
        AddRectOf(m_hover);
    }
    if (object != nullptr && object->IsHoverable()) {
        AddRectOf(object);
    }
    m_hover = object;
    Notify(0);
}

void ToolsManager::AddDirtyRect(const Rect& rect) {
    std::lock_guard lock(m_dirtyMutex);
    m_dirtyRects.push_back(rect);
}

std::vector<Rect> ToolsManager::DirtyRects() const {
    std::lock_guard lock(m_dirtyMutex);
    return m_dirtyRects;
}

std::vector<Rect> ToolsManager::TakeDirtyRects() {
    std::lock_guard lock(m_dirtyMutex);
    return std::exchange(m_dirtyRects, {});
}

void ToolsManager::ClearDirtyRects() {
    std::lock_guard lock(m_dirtyMutex);
    m_dirtyRects.clear();
}

void ToolsManager::AddSelectionRects() {
    for (const SelObject* object : m_selection) {
        AddRectOf(object);
    }
}

void ToolsManager::AddRectOf(const SelObject* object) {
    const Rect rect = object->GetBoundingRect();
    if (!rect.IsEmpty()) {
        AddDirtyRect(rect);
    }
}

void ToolsManager::SortBarSelection() {
    std::stable_sort(
        m_selection.begin(), m_selection.end(),
        [](const SelObject* a, const SelObject* b) { return BarPosition(a) < BarPosition(b); });
}

namespace {

bool IsWithin(const SelObject* object, const SelObject* container) {
    for (const SelObject* p = object; p != nullptr; p = p->GetParent()) {
        if (p == container) {
            return true;
        }
    }
    return false;
}

}  // namespace

template <typename Test>
void ToolsManager::ForgetWhere(Test&& test) {
    if (test(m_hover) || test(m_previousHover) ||
        std::any_of(m_selection.begin(), m_selection.end(), test)) {
        ClearSelection(false);
    }
}

void ToolsManager::ForgetInside(const SelObject* container) {
    ForgetWhere([container](const SelObject* object) { return IsWithin(object, container); });
}

void ToolsManager::ForgetOwnedBy(const SelObject* owner) {
    ForgetWhere([owner](const SelObject* object) {
        return object != nullptr && object != owner && IsWithin(object, owner);
    });
}

PencilSettings ToolsManager::GetPencilSettings() const {
    return {m_inputKind == RestInput, m_noteValue, IsDotted(), IsTriplet(), m_accidental};
}
