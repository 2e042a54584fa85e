#pragma once

#include <functional>
#include <memory>
#include <string>

#include "editor/commands/SongDocument.h"
#include "model/Subject.h"

class Prompt;
class Song;
class UndoManager;

// The document: owns the one song the window shows and replaces it when a
// file is opened or the history is walked. Observers hear aspect 0 whenever
// the song was replaced (take GetSong again). A song that is replaced has
// its instruments and volumes sent to the sound engine and is laid out.
// User-interface thread only; nothing here runs while music plays.
class CQuillsong3Doc : public Subject, public SongDocument {
public:
    explicit CQuillsong3Doc(UndoManager& history);
    ~CQuillsong3Doc() override;

    const char* GetClassName() const override { return "CQuillsong3Doc"; }

    Song* GetSong() const override { return m_song.get(); }
    bool RevertToRecorded() override;
    // Lets the edit work on the owned song, which it may replace (a failed
    // transposition restores the last recorded state); observers hear of a
    // replacement. Answers what the edit answers.
    bool EditOwnedSong(const std::function<bool(std::unique_ptr<Song>&)>& edit);

    // The song a first start shows ("My Great Music"), with a fresh history.
    void NewFirstSong();
    // Shows this song from now on, with a fresh history.
    void ReplaceSong(std::unique_ptr<Song> song);
    // Opens the file in place of the song, with a fresh history. On failure
    // the prompt shows the file error ("File do not exists", "Read file
    // error", ...) and the song stays as it was.
    bool Open(const std::string& path, Prompt& prompt);

    // Walk the history; false when there is nothing to go to or music plays.
    bool Undo();
    bool Redo();
    bool CanUndo() const;
    bool CanRedo() const;

private:
    void Replaced();
    void RestoreSoundSettings(int tempo);

    UndoManager& m_history;
    std::unique_ptr<Song> m_song;
};
