#include "editor/TransposeSongForm.h"

#include <algorithm>

#include "editor/EditorMessages.h"
#include "editor/SongHistory.h"
#include "editor/UndoManager.h"
#include "model/Bar.h"
#include "model/Song.h"
#include "platform/Prompt.h"

namespace {
constexpr int kNumKeys = 13;
constexpr int kFSharpOrGFlat = 6;
}  // namespace

TransposeSongForm::TransposeSongForm(int currentKey)
    : m_keyIndex(std::clamp(6 - currentKey, 0, kNumKeys - 1)) {}

const std::vector<std::string>& TransposeSongForm::MajorKeys() {
    static const std::vector<std::string> keys = {"F#", "B",  "E",  "A",  "D",  "G", "C",
                                                  "F",  "Bb", "Eb", "Ab", "Db", "Gb"};
    return keys;
}

const std::vector<std::string>& TransposeSongForm::MinorKeys() {
    static const std::vector<std::string> keys = {"D#", "G#", "C#", "F#", "B",  "E", "A",
                                                  "D",  "G",  "C",  "F",  "Bb", "Eb"};
    return keys;
}

void TransposeSongForm::ShowMajor(bool major) {
    m_major = major;
    m_mode = Mode::NewKey;
}

void TransposeSongForm::SetKeyIndex(int index) {
    m_keyIndex = std::clamp(index, 0, kNumKeys - 1);
}

void TransposeSongForm::SetSemitoneIndex(int index) {
    m_semitoneIndex = std::clamp(index, 0, 10);
}

bool TransposeSongForm::NewKey(int currentKey, Prompt& prompt, int& newKey) const {
    if (m_mode == Mode::NewKey) {
        newKey = 6 - m_keyIndex;
        return true;
    }
    const int semitones = m_semitoneIndex + 1;
    const int tonic = Bar::TonicOfKey(currentKey);
    const int target = m_upward ? (tonic + semitones) % 12 : (tonic - semitones + 12) % 12;
    if (target != kFSharpOrGFlat) {
        newKey = Bar::KeyOfTonic(target);
        return true;
    }
    switch (
        prompt.Ask(messages::kSharpOrFlat, "", Prompt::YesNoCancelButtons, Prompt::QuestionIcon)) {
        case Prompt::Yes:
            newKey = 6;
            return true;
        case Prompt::No:
            newKey = -6;
            return true;
        default:
            return false;
    }
}

TransposeSongForm::Outcome TransposeSongForm::Ok(std::unique_ptr<Song>& song, Prompt& prompt,
                                                 UndoManager& history) const {
    int newKey = 0;
    if (!NewKey(song->GetKeySignature(), prompt, newKey)) {
        return Outcome::StayOpen;
    }
    if (song->Transpose(newKey, m_upward)) {
        history.Record(*song, "Transpose Song", "Transpose Song");
        return Outcome::Transposed;
    }
    // Tracks before the one that failed were rewritten: go back to the last
    // recorded state.
    SongHistory(history).Revert(song);
    prompt.Show(messages::kTransposeFailed, messages::kError, Prompt::ErrorIcon);
    return Outcome::Failed;
}
