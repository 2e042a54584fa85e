#include "editor/ClearBarsForm.h"

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "platform/Prompt.h"

ClearBarsForm::ClearBarsForm(const Song& song) {
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        m_trackItems.push_back(FormFields::TrackItem(*song.GetTrack(slot)));
    }
}

bool ClearBarsForm::Ok(Song& song, Prompt& prompt, UndoManager& history) const {
    if (m_bars.First() > m_bars.Last()) {
        prompt.Show(messages::kInvalidBarRange, "", Prompt::NoIcon);
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    if (!song.ClearBars(m_track, m_bars.First(), m_bars.Last())) {
        return false;
    }
    history.Record(song, "Clear Bar", "Clear Bar");
    return true;
}
