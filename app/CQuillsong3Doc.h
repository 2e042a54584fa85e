#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "editor/commands/SongDocument.h"
#include "model/Observer.h"
#include "model/Subject.h"

class Prompt;
class Song;
class UndoManager;

// The document: owns the one song the window shows and replaces it when a
// file is opened or the history is walked. Observers hear aspect 0 whenever
// the song was replaced (take GetSong again) and aspect 1 when its name or
// modified flag changed. A song that is replaced has its instruments and
// volumes sent to the sound engine and is laid out. The modified flag is set
// by every recorded edit and cleared by new, open and save. User-interface
// thread only; new, open, save and export are refused while music plays.
class CQuillsong3Doc : public Subject, public SongDocument, public Observer {
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
    // Shows a new song made by the wizard: the tool manager starts afresh and
    // playback starts from the beginning.
    void NewSong(std::unique_ptr<Song> song);
    // Opens the file in place of the song, with a fresh history. On failure
    // the prompt shows the file error ("File do not exists", "Read file
    // error", ...) and the song stays as it was.
    bool Open(const std::string& path, Prompt& prompt);
    // Writes the song to the file and takes its name; a song without tracks
    // is refused with string 167, a failed write with its error.
    bool Save(const std::string& path, Prompt& prompt);
    // Writes the song as a Standard MIDI File.
    bool ExportMidi(const std::string& path, Prompt& prompt);
    // Writes the song as MusicXML, compressed when the path ends in ".mxl".
    bool ExportMusicXml(const std::string& path, Prompt& prompt);

    // The file the song was opened from or saved to; empty for a new song.
    const std::string& GetPathName() const { return m_path; }
    // "Untitled" or the file's name without its folder and extension.
    std::string GetTitle() const;
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);

    // The history recorded an edit.
    void Update(Subject* subject, int aspect) override;

    // Walk the history; false when there is nothing to go to or music plays.
    bool Undo();
    bool Redo();
    bool CanUndo() const;
    bool CanRedo() const;

private:
    void Replaced();
    void RestoreSoundSettings(int tempo);
    bool Playing() const;
    void SetPathName(const std::string& path);

    UndoManager& m_history;
    std::unique_ptr<Song> m_song;
    std::string m_path;
    bool m_modified = false;
    // Held while a song is made, read or written, so nothing else reads the
    // song half-made.
    mutable std::mutex m_docMutex;
};
