#include "editor/LyricsForm.h"

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "platform/Prompt.h"

LyricsForm::LyricsForm(Song& song) : m_song(song) {
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        const Track& track = *song.GetTrack(slot);
        if (!track.IsAccompaniment()) {
            m_items.push_back(FormFields::TrackItem(track, FormFields::ItemOrder::SelectorFirst));
            m_slots.push_back(slot);
            m_checked.push_back(track.IsLyricShown());
        }
    }
}

bool LyricsForm::IsChecked(int item) const {
    return item >= 0 && item < static_cast<int>(m_checked.size()) &&
           m_checked[static_cast<size_t>(item)];
}

void LyricsForm::SetChecked(int item, bool checked) {
    if (item >= 0 && item < static_cast<int>(m_checked.size())) {
        m_checked[static_cast<size_t>(item)] = checked;
    }
}

bool LyricsForm::Ok(Prompt& prompt, UndoManager& history) const {
    bool changed = false;
    for (size_t item = 0; item < m_items.size(); ++item) {
        Track& track = *m_song.GetTrack(m_slots[item]);
        if (m_checked[item] == track.IsLyricShown()) {
            continue;
        }
        if (m_checked[item]) {
            changed = track.ShowLyrics() || changed;
        } else if (prompt.Ask(FormFields::Confirmation(messages::kSureToDeleteTrack, m_items[item]),
                              messages::kWarning, Prompt::YesNoButtons,
                              Prompt::WarningIcon) == Prompt::Yes) {
            track.HideLyrics();
            changed = true;
        }
    }
    if (changed) {
        history.Record(m_song, "Lyric Settings", "Lyric Settings");
    }
    return changed;
}
