#include "editor/OrganizeTracksForm.h"

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "platform/Prompt.h"

OrganizeTracksForm::OrganizeTracksForm(Song& song)
    : m_song(song), m_chosen(song.GetNumTracks() > 0 ? 0 : -1) {
    Refill();
}

void OrganizeTracksForm::Refill() {
    m_items.clear();
    for (int slot = 0; slot < m_song.GetNumTracks(); ++slot) {
        m_items.push_back(
            FormFields::TrackItem(*m_song.GetTrack(slot), FormFields::ItemOrder::SelectorFirst));
    }
}

bool OrganizeTracksForm::MoveUp(Prompt& prompt) {
    return Move(m_chosen, m_chosen - 1, prompt);
}

bool OrganizeTracksForm::MoveDown(Prompt& prompt) {
    return Move(m_chosen, m_chosen + 1, prompt);
}

bool OrganizeTracksForm::Move(int from, int to, Prompt& prompt) {
    const int count = m_song.GetNumTracks();
    if (from < 0 || from >= count) {
        prompt.Show(messages::kSelectTrack, messages::kWarning, Prompt::WarningIcon);
        return false;
    }
    if (to < 0 || to >= count) {
        return false;
    }
    if (m_song.GetTrack(0)->IsAccompaniment() && (from == 0 || to == 0)) {
        prompt.Show(messages::kAccompanimentOnTop, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    m_song.SwapTracks(from, to);
    m_song.Relayout();
    Refill();
    m_chosen = to;
    m_changed = true;
    m_unrecorded = true;
    return true;
}

bool OrganizeTracksForm::Finish(UndoManager& history) {
    if (m_unrecorded) {
        history.Record(m_song, "Organize Tracks", "Organize Tracks");
        m_unrecorded = false;
    }
    return m_changed;
}
