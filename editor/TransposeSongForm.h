#pragma once

#include <memory>
#include <string>
#include <vector>

class Prompt;
class Song;
class UndoManager;

// What the "Transpose the music" dialog holds and does on OK: a new key
// chosen from the major or minor list, or a number of semitones up or down
// that picks the new key. The Qt dialog shows these fields.
class TransposeSongForm {
public:
    enum class Mode { NewKey, Semitones };
    enum class Outcome { Transposed, Failed, StayOpen };

    explicit TransposeSongForm(int currentKey);

    static const std::vector<std::string>& MajorKeys();
    static const std::vector<std::string>& MinorKeys();

    Mode GetMode() const { return m_mode; }
    void SetMode(Mode mode) { m_mode = mode; }
    // Shows one list; both always keep the same index. Either sets the key mode.
    void ShowMajor(bool major);
    bool ShowsMajor() const { return m_major; }
    int KeyIndex() const { return m_keyIndex; }
    void SetKeyIndex(int index);
    bool Upward() const { return m_upward; }
    void SetUpward(bool upward) { m_upward = upward; }
    int SemitoneIndex() const { return m_semitoneIndex; }
    void SetSemitoneIndex(int index);
    // What is enabled in each mode.
    bool KeyListsEnabled() const { return m_mode == Mode::NewKey; }
    bool SemitoneListEnabled() const { return m_mode == Mode::Semitones; }

    // OK: transposes the song; on success records "Transpose Song", on
    // failure puts the song back as it was before and shows the error.
    // Cancel at the F sharp / G flat question keeps the dialog open.
    Outcome Ok(std::unique_ptr<Song>& song, Prompt& prompt, UndoManager& history) const;

    // The new key the fields choose, asking the F sharp / G flat question when
    // it arises; nothing when the question is cancelled.
    bool NewKey(int currentKey, Prompt& prompt, int& newKey) const;

private:
    Mode m_mode = Mode::NewKey;
    bool m_major = true;
    int m_keyIndex;
    bool m_upward = true;
    int m_semitoneIndex = 0;
};
