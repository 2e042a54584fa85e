#include "editor/CopyBarForm.h"

#include "editor/EditorMessages.h"
#include "editor/FormFields.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "model/Song.h"
#include "platform/Prompt.h"

CopyBarForm::CopyBarForm(const Song& song) : m_song(song) {
    for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
        m_sourceItems.push_back(FormFields::TrackItem(*song.GetTrack(slot)));
    }
    SetSource(0);
}

void CopyBarForm::SetSource(int index) {
    m_source = index;
    m_destination = 0;
    m_destinationItems.clear();
    m_destinationSlots.clear();
    const Track* source = m_song.GetTrack(index);
    for (int slot = 0; source != nullptr && slot < m_song.GetNumTracks(); ++slot) {
        const Track& track = *m_song.GetTrack(slot);
        if (track.GetTrackType() == source->GetTrackType()) {
            m_destinationItems.push_back(FormFields::TrackItem(track));
            m_destinationSlots.push_back(slot);
        }
    }
}

void CopyBarForm::SetLastBar(int index) {
    m_bars.SetLast(index);
    const int last = m_bars.Last();
    if (m_destinationBar <= last && last + 1 < m_song.GetNumBars()) {
        m_destinationBar = last + 1;
    }
}

bool CopyBarForm::Ok(Song& song, Prompt& prompt, UndoManager& history, Focus* focus) const {
    const long long repetitions = FormFields::ReadNumber(m_repetitionsText, 20);
    if (repetitions < 1) {
        prompt.Show(messages::kTooFewRepetitions, messages::kError, Prompt::ErrorIcon);
        return false;
    }
    ToolsManager::Instance().ClearSelection(true);
    if (m_copyAll) {
        for (int slot = 0; slot < song.GetNumTracks(); ++slot) {
            if (!CopyOne(song, slot, slot, prompt, focus)) {
                return false;
            }
        }
    } else {
        if (m_destination < 0 || m_destination >= static_cast<int>(m_destinationSlots.size())) {
            return false;
        }
        if (!CopyOne(song, m_source, m_destinationSlots[static_cast<size_t>(m_destination)], prompt,
                     focus)) {
            return false;
        }
    }
    history.Record(song, "Copy Tracks", "Copy Tracks");
    return true;
}

bool CopyBarForm::CopyOne(Song& song, int source, int destination, Prompt& prompt,
                          Focus* focus) const {
    const auto refuse = [&](const std::string& message, Focus field) {
        prompt.Show(message, messages::kError, Prompt::ErrorIcon);
        if (focus != nullptr) {
            *focus = field;
        }
        return false;
    };
    const int first = m_bars.First();
    const int last = m_bars.Last();
    if (last < first) {
        return refuse(messages::kInvalidSourceRange, Focus::LastSourceBar);
    }
    if (source == destination && first <= m_destinationBar && m_destinationBar <= last) {
        return refuse(messages::kDestinationInsideSource, Focus::DestinationBar);
    }
    const long long width = last - first + 1;
    const long long repetitions = FormFields::ReadNumber(m_repetitionsText, 20);
    Track* target = song.GetTrack(destination);
    // Compared by division, so no repetition count can overflow.
    if (target == nullptr || m_destinationBar < 0 ||
        repetitions > (target->GetNumBars() - m_destinationBar) / width) {
        return refuse(messages::kDestinationTooSmall, Focus::DestinationBar);
    }
    return target->CopyBars(*song.GetTrack(source), first, last, m_destinationBar,
                            static_cast<int>(repetitions));
}
