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

void ClearBarsForm::SetFirstBar(int index) {
    m_first = index;
    if (m_first > m_last) {
        m_last = m_first;
    }
}

void ClearBarsForm::SetLastBar(int index) {
    m_last = index;
    if (m_last < m_first) {
        m_first = m_last;
    }
}

bool ClearBarsForm::Ok(Song& song, Prompt& prompt, UndoManager& history) const {
    if (m_first > m_last) {
        prompt.Show(messages::kInvalidBarRange, "", Prompt::NoIcon);
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    if (!song.ClearBars(m_track, m_first, m_last)) {
        return false;
    }
    history.Record(song, "Clear Bar", "Clear Bar");
    return true;
}
