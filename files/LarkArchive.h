#pragma once

#include <libxml/tree.h>

#include <memory>
#include <optional>
#include <string>

#include "model/Archive.h"

class MidiFile;
class MidiTrack;
class Prompt;

// The song file: an XML document read and written with libxml2, and the
// cursors the model's Serialize operations move through it. One archive
// serves one operation: Open, one Serialize, Close. Saving writes to a
// temporary file beside the target and renames it over the target only
// after the whole document was written, so a failed save leaves the old
// file as it was. In ExportMidi mode it holds the MIDI file being built
// instead of a document; the exporter fills it and Close writes it.
class LarkArchive : public Archive {
public:
    // The prompt answers the question asked for files of a newer layout; without
    // one the answer is No.
    explicit LarkArchive(Prompt* prompt = nullptr);
    ~LarkArchive() override;
    LarkArchive(const LarkArchive&) = delete;
    LarkArchive& operator=(const LarkArchive&) = delete;

    // Store and ExportMidi prepare an empty document; Load parses the file;
    // LoadPattern parses Pattern/<fileName> in the program's data folder. Throws
    // IOException with "File do not exists", "Read file error" or "File
    // format is new and user aborted".
    void Open(const std::string& fileName, Mode mode);
    // Store and ExportMidi: write the file ("Write file error" when that
    // fails, the target left as it was). The others free the document.
    void Close();

    const std::string& FileName() const { return m_fileName; }

    Mode GetMode() const override { return m_mode; }
    void CreateRoot() override;
    void NewTrack() override;
    void NewBar() override;
    void NewBarElem() override;
    void NewUserText() override;
    void WriteText(Cursor cursor, const char* name, const std::string& value) override;

    bool Has(Cursor cursor) const override { return Element(cursor) != nullptr; }
    std::optional<std::string> ReadText(Cursor cursor, const char* name) const override;
    bool NextTrack() override;
    bool NextBar() override;
    bool NextBarElem() override;
    bool FirstUserText() override;
    bool NextUserText() override;

    // ExportMidi only: the file being built (null in other modes), the track
    // that the track being exported fills, and the accompaniment track's
    // volume in percent, which scales the tracks expanded from it (100 after
    // Open).
    MidiFile* GetMidiFile() const { return m_midiFile.get(); }
    MidiTrack* CurrentMidiTrack() const { return m_currentMidiTrack; }
    void SetCurrentMidiTrack(MidiTrack* track) { m_currentMidiTrack = track; }
    int AccompanimentVolume() const { return m_accompanimentVolume; }
    void SetAccompanimentVolume(int percent) { m_accompanimentVolume = percent; }

    // The path of the pattern file named, in the program's data folder.
    static std::string PatternPath(const std::string& fileName);

private:
    void OpenForReading(const std::string& path);
    bool AcceptsVersion() const;
    void Save();
    void WriteMidiFile();
    xmlNodePtr Element(Cursor cursor) const;
    xmlNodePtr AppendChild(xmlNodePtr parent, const char* name);
    void FreeDocument();

    Prompt* m_prompt;
    Mode m_mode = Load;
    std::string m_fileName;
    xmlDocPtr m_document = nullptr;
    xmlNodePtr m_root = nullptr;
    xmlNodePtr m_track = nullptr;
    xmlNodePtr m_bar = nullptr;
    xmlNodePtr m_barElem = nullptr;
    xmlNodePtr m_userText = nullptr;
    std::unique_ptr<MidiFile> m_midiFile;
    MidiTrack* m_currentMidiTrack = nullptr;
    int m_accompanimentVolume = 100;
};
