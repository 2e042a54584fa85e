#include "editor/BarClipboard.h"

#include <algorithm>

#include "editor/EditorMessages.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Bar.h"
#include "model/Song.h"
#include "model/Track.h"
#include "platform/Prompt.h"

namespace {

bool IsNoteBar(const SelObject* object) {
    return object->IsA("MelodicBar") || object->IsA("PercussionBar");
}

bool Refuse(Prompt& prompt, const std::string& message) {
    prompt.Show(message, messages::kError, Prompt::ErrorIcon);
    return false;
}

int TrackOf(const Bar& bar) {
    return bar.GetTrack() != nullptr ? bar.GetTrack()->GetTrackNum() : 0;
}

}  // namespace

BarClipboard& BarClipboard::Instance() {
    static BarClipboard clipboard;
    return clipboard;
}

void BarClipboard::Clear() {
    m_bars.clear();
    m_width = m_height = 0;
}

int BarClipboard::EdgesOf(int i, int width) {
    if (width == 1) {
        return 3;
    }
    if (i % width == 0) {
        return 1;
    }
    return i % width == width - 1 ? 2 : 0;
}

bool BarClipboard::Copy(Prompt& prompt) {
    const ToolsManager& tools = ToolsManager::Instance();
    const auto& selection = tools.Selection();
    if (selection.empty()) {
        return Refuse(prompt, messages::kNothingSelected);
    }
    if (!std::all_of(selection.begin(), selection.end(), IsNoteBar)) {
        return Refuse(prompt, messages::kNotBarsOrTexts);
    }
    if (!tools.SelectionIsBarBlock()) {
        return Refuse(prompt, messages::kNotContinuous);
    }
    Clear();
    std::tie(m_height, m_width) = tools.SelectionBlockSize();
    for (size_t i = 0; i < selection.size(); ++i) {
        const int edges = EdgesOf(static_cast<int>(i), m_width);
        m_bars.emplace_back(static_cast<Bar*>(selection[i]->CloneUntied(edges).release()));
    }
    return true;
}

bool BarClipboard::Paste(Song& song, Prompt& prompt, UndoManager& history) {
    ToolsManager& tools = ToolsManager::Instance();
    const std::vector<SelObject*> selection = tools.Selection();
    if (m_bars.empty()) {
        return Refuse(prompt, messages::kClipboardEmpty);
    }
    if (selection.empty()) {
        return Refuse(prompt, messages::kNothingSelected);
    }
    if (!std::all_of(selection.begin(), selection.end(), IsNoteBar)) {
        return Refuse(prompt, messages::kNotBars);
    }
    if (!tools.SelectionIsBarBlock()) {
        return Refuse(prompt, messages::kNotContinuous);
    }
    const auto* first = static_cast<const Bar*>(selection.front());
    if (m_bars.front()->GetSteps() != first->GetSteps()) {
        return Refuse(prompt, messages::kDifferentTimeSignature);
    }
    std::vector<Bar*> targets;
    if (tools.SelectionBlockSize() == std::make_pair(m_height, m_width)) {
        for (SelObject* object : selection) {
            targets.push_back(static_cast<Bar*>(object));
        }
    } else if (selection.size() == 1) {
        const int firstTrack = TrackOf(*first);
        const int firstBar = first->GetIndex();
        if (firstTrack + m_height > song.GetNumTracks() || firstBar + m_width > song.GetNumBars()) {
            return Refuse(prompt, messages::kNoSpaceToPaste);
        }
        for (int t = 0; t < m_height; ++t) {
            for (int b = 0; b < m_width; ++b) {
                targets.push_back(song.GetBar(firstTrack + t, firstBar + b));
            }
        }
    } else {
        return Refuse(prompt, messages::kDifferentDimension);
    }
    for (size_t i = 0; i < targets.size(); ++i) {
        Bar& target = *targets[i];
        const Bar& source = *m_bars[i];
        if (target.SameKindAs(source)) {
            tools.ForgetInside(&target);
            target.PasteIfSameKind(source, EdgesOf(static_cast<int>(i), m_width));
            tools.AddDirtyRect(target.GetBoundingRect());
        }
    }
    history.Record(song, "Paste", "Paste");
    return true;
}
