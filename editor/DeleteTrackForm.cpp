#include "editor/DeleteTrackForm.h"

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "platform/Prompt.h"

DeleteTrackForm::DeleteTrackForm(Song& song) : m_song(song) {
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        m_items.push_back(
            FormFields::TrackItem(*song.GetTrack(slot), FormFields::ItemOrder::SelectorFirst));
        m_slots.push_back(slot);
    }
}

bool DeleteTrackForm::Delete(int chosen, Prompt& prompt, UndoManager& history) const {
    if (chosen < 0 || chosen >= static_cast<int>(m_items.size())) {
        return false;
    }
    const std::string question =
        FormFields::Confirmation(messages::kSureToDelete, m_items[static_cast<size_t>(chosen)]);
    if (prompt.Ask(question, messages::kWarning, Prompt::YesNoDefaultNoButtons,
                   Prompt::WarningIcon) != Prompt::Yes) {
        return false;
    }
    m_song.DeleteTrack(m_slots[static_cast<size_t>(chosen)]);
    history.Record(m_song, "Delete Track", "Delete Track");
    return true;
}
