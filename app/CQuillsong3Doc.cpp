#include "app/CQuillsong3Doc.h"

#include <filesystem>

#include "editor/EditorMessages.h"
#include "editor/SongHistory.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "files/MidiExporter.h"
#include "files/MusicXmlWriter.h"
#include "files/SongFiles.h"
#include "model/NewSongBuilder.h"
#include "model/Song.h"
#include "model/SoundSettings.h"
#include "platform/Exception.h"
#include "platform/Prompt.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/SoundEngine.h"

CQuillsong3Doc::CQuillsong3Doc(UndoManager& history) : m_history(history) {
    m_history.Attach(this, 0);
}

CQuillsong3Doc::~CQuillsong3Doc() {
    m_history.Detach(this, 0);
    SoundEngine& engine = SoundEngine::Instance();
    engine.Stop();
    engine.WaitUntilStopped();
    // The selection and hover point into the song.
    ToolsManager::Instance().ClearSelection(false);
}

void CQuillsong3Doc::NewFirstSong() {
    ReplaceSong(NewSongBuilder::FirstStartSong());
    SetPathName({});
    SetModified(false);
}

void CQuillsong3Doc::NewSong(std::unique_ptr<Song> song) {
    if (!song || Playing()) {
        return;
    }
    {
        const std::lock_guard lock(m_docMutex);
        ToolsManager::Instance().Reset();
        SoundEngine::Instance().Rewind();
    }
    ReplaceSong(std::move(song));
    SetPathName({});
    SetModified(false);
}

bool CQuillsong3Doc::Playing() const {
    // The menus disable these while music plays; this keeps other callers out.
    return SoundEngine::Instance().IsActive();
}

bool CQuillsong3Doc::Open(const std::string& path, Prompt& prompt) {
    if (Playing()) {
        return false;
    }
    // Reading sets the playback tempo, key and time signature as it goes; a
    // file that fails leaves the song that stays with its own again.
    const int tempo = SoundSettings::Instance().GetTempo();
    try {
        std::unique_lock lock(m_docMutex);
        std::unique_ptr<Song> song = SongFiles::Load(path, &prompt);
        if (!song) {
            return false;
        }
        ToolsManager::Instance().Reset();
        lock.unlock();
        ReplaceSong(std::move(song));
        SetPathName(path);
        SetModified(false);
        return true;
    } catch (const Exception& e) {
        if (m_song) {
            RestoreSoundSettings(tempo);
        }
        prompt.Show(e.Message(), messages::kError, Prompt::ErrorIcon);
        return false;
    }
}

void CQuillsong3Doc::RestoreSoundSettings(int tempo) {
    SoundSettings& sound = SoundSettings::Instance();
    const Song::TimeSignature time = m_song->GetTimeSignature();
    sound.SetKeySignature(m_song->GetKeySignature());
    sound.SetTimeSignature(time.numerator, time.denominator);
    sound.SetTempo(tempo, true);
    m_song->ApplyTrackSoundSettings();
    m_song->Relayout();
}

void CQuillsong3Doc::ReplaceSong(std::unique_ptr<Song> song) {
    ToolsManager::Instance().ClearSelection(false);
    m_song = std::move(song);
    m_history.Clear();
    Replaced();
    m_history.Record(*m_song, UndoManager::kInitTag, UndoManager::kInitTag);
}

void CQuillsong3Doc::Replaced() {
    m_song->ApplyTrackSoundSettings();
    m_song->Relayout();
    Notify(0);
}

bool CQuillsong3Doc::CanUndo() const {
    return m_history.CanUndo() && !SoundEngine::Instance().IsActive();
}

bool CQuillsong3Doc::CanRedo() const {
    return m_history.CanRedo() && !SoundEngine::Instance().IsActive();
}

bool CQuillsong3Doc::Undo() {
    if (!CanUndo() || !SongHistory(m_history).Undo(m_song)) {
        return false;
    }
    Notify(0);
    return true;
}

bool CQuillsong3Doc::Redo() {
    if (!CanRedo() || !SongHistory(m_history).Redo(m_song)) {
        return false;
    }
    Notify(0);
    return true;
}

bool CQuillsong3Doc::RevertToRecorded() {
    if (!SongHistory(m_history).Revert(m_song)) {
        return false;
    }
    Notify(0);
    return true;
}

bool CQuillsong3Doc::EditOwnedSong(const std::function<bool(std::unique_ptr<Song>&)>& edit) {
    const Song* before = m_song.get();
    const bool result = edit(m_song);
    if (m_song.get() != before) {
        Notify(0);
    }
    return result;
}

bool CQuillsong3Doc::Save(const std::string& path, Prompt& prompt) {
    if (m_song == nullptr || Playing()) {
        return false;
    }
    if (m_song->GetNumTracks() == 0) {
        prompt.Show(StringTable::Get(ids::kCannotSaveWithoutTracks), messages::kError,
                    Prompt::ErrorIcon);
        return false;
    }
    try {
        const std::lock_guard lock(m_docMutex);
        ToolsManager::Instance().SetDragState(0);
        SongFiles::Save(*m_song, path);
    } catch (const Exception& e) {
        prompt.Show(e.Message(), messages::kError, Prompt::ErrorIcon);
        return false;
    }
    SetPathName(path);
    SetModified(false);
    return true;
}

bool CQuillsong3Doc::ExportMidi(const std::string& path, Prompt& prompt) {
    if (m_song == nullptr || Playing()) {
        return false;
    }
    try {
        const std::lock_guard lock(m_docMutex);
        MidiExporter::WriteFile(*m_song, path);
    } catch (const Exception& e) {
        prompt.Show(e.Message(), messages::kError, Prompt::ErrorIcon);
        return false;
    }
    return true;
}

bool CQuillsong3Doc::ExportMusicXml(const std::string& path, Prompt& prompt) {
    if (m_song == nullptr || Playing()) {
        return false;
    }
    try {
        const std::lock_guard lock(m_docMutex);
        MusicXmlWriter::WriteFile(*m_song, path);
    } catch (const Exception& e) {
        prompt.Show(e.Message(), messages::kError, Prompt::ErrorIcon);
        return false;
    }
    return true;
}

std::string CQuillsong3Doc::GetTitle() const {
    if (m_path.empty()) {
        return "Untitled";
    }
    return std::filesystem::path(m_path).stem().string();
}

void CQuillsong3Doc::SetPathName(const std::string& path) {
    m_path = path;
    Notify(1);
}

void CQuillsong3Doc::SetModified(bool modified) {
    if (m_modified == modified) {
        return;
    }
    m_modified = modified;
    Notify(1);
}

void CQuillsong3Doc::Update(Subject* /*subject*/, int /*aspect*/) {
    // Every recorded edit (the base entry of a song is not announced).
    SetModified(true);
}
