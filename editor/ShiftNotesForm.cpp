#include "editor/ShiftNotesForm.h"

#include <cstdlib>

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/MelodicBar.h"
#include "model/Song.h"
#include "platform/Prompt.h"

ShiftNotesForm::ShiftNotesForm(const Song& song) : m_numBars(song.GetNumBars()) {
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        const Track& track = *song.GetTrack(slot);
        if (track.IsPitched()) {
            m_trackItems.push_back(FormFields::TrackItem(track));
            m_trackSlots.push_back(slot);
        }
    }
}

std::vector<std::string> ShiftNotesForm::BarItems() const {
    return FormFields::BarItems(m_numBars);
}

bool ShiftNotesForm::Ok(Song& song, Prompt& prompt, UndoManager& history) const {
    if (!OkEnabled() || m_trackIndex < 0 || m_trackIndex >= static_cast<int>(m_trackSlots.size())) {
        return false;
    }
    const long long typed = FormFields::ReadNumber(m_stepsText, 39);
    const long long steps = m_upward ? typed : -typed;
    if (steps > kMaxSteps || steps < -kMaxSteps) {
        prompt.Show(messages::kShiftLimit, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    Track& track = *song.GetTrack(m_trackSlots[static_cast<size_t>(m_trackIndex)]);
    if (!m_bars.FitsIn(track.GetNumBars())) {
        prompt.Show(messages::kInvalidBarRange, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    ToolsManager& tools = ToolsManager::Instance();
    const auto cut = [&track, &tools](int index, bool atStart) {
        if (auto* bar = dynamic_cast<MelodicBar*>(track.GetBar(index))) {
            atStart ? bar->CutTiesAtStart() : bar->CutTiesAtEnd();
            tools.AddDirtyRect(bar->GetBoundingRect());
        }
    };
    const int first = m_bars.First();
    const int last = m_bars.Last();
    cut(first - 1, false);
    cut(last + 1, true);
    cut(first, true);
    cut(last, false);
    for (int index = first; index <= last; ++index) {
        auto* bar = static_cast<MelodicBar*>(track.GetBar(index));
        bar->ShiftSteps(static_cast<int>(steps));
        tools.AddDirtyRect(bar->GetBoundingRect());
    }
    history.Record(song, "Shift Notes", "Shift Notes");
    return true;
}
