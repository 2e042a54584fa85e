#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "model/SelObject.h"
#include "model/SongText.h"
#include "model/Track.h"
#include "model/Undoable.h"
#include "model/UserText.h"

// The root of the model: one piece of music with its texts, time and key
// signature, tempo, length in bars and up to 64 tracks in slots 0 to count-1.
// The accompaniment track, when there is one, is always in slot 0; every
// track has exactly the song's number of bars.
class Song : public Undoable, public SelObject {
public:
    static constexpr int kMaxTracks = 64;
    static constexpr int kMaxPitchedTracks = 9;
    static constexpr int kMaxNonAccompanimentTracks = 16;

    struct TimeSignature {
        int numerator = 4;
        int denominator = 4;
    };

    // An empty song that a file is read into.
    Song();
    // Sets the fields and the sound engine's tempo; creates no tracks.
    Song(const std::string& title, const std::string& author, int numBars, int tempo,
         TimeSignature timeSignature, int keySignature);
    // A deep copy that starts with no observers of its own and no generated
    // accompaniment; its children keep their registrations.
    Song(const Song& other);
    // A new song equal to a snapshot taken by the undo history (a SongRecord,
    // or a whole Song); null for anything else.
    static std::unique_ptr<Song> CopyOf(const Undoable& snapshot);
    Song& operator=(const Song&) = delete;
    ~Song() override;

    const char* GetClassName() const override { return "Song"; }
    std::unique_ptr<SelObject> Clone() const override;
    // A SongRecord of the song as it stands: a flat record that costs a walk
    // over the song, not a copy of it.
    std::unique_ptr<Undoable> Snapshot() const override;
    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override { return {}; }
    const int* GetProperty(std::string_view name) const override;
    // Itself, then every track, the title, the author and every user text.
    void Attach(Observer* observer, int aspect) override;

    // Each returns the new track's slot, or -1 when a limit refuses it.
    int AddAccompanimentTrack();
    int AddTrebleTrack();
    int AddBassTrack();
    int AddPercussionTrack();
    void DeleteTrack(int slot);
    void SwapTracks(int a, int b);

    Track* GetTrack(int slot) const;
    int GetNumTracks() const { return m_numTracks; }
    int GetNumBars() const { return m_numBars; }
    void SetNumBars(int numBars) { m_numBars = numBars; }
    Bar* GetBar(int trackSlot, int barIndex) const;
    int CountPitchedTracks() const;
    int CountNonAccompanimentTracks() const;
    int CountPercussionTracks() const;
    bool HasAccompaniment() const;

    // Only while the song is built or read: bars take their length from it.
    void SetTimeSignature(TimeSignature timeSignature);
    TimeSignature GetTimeSignature() const { return {m_timeSignature[0], m_timeSignature[1]}; }
    int GetNumOfStepsPerBar() const { return m_stepsPerBar; }
    int GetNumOfBeats() const { return m_numBeats; }
    int GetNumOfStepsPerBeat() const { return m_stepsPerBeat; }
    int GetKeySignature() const { return m_keySignature; }
    void SetKeySignature(int key) { m_keySignature = key; }
    int GetTempo() const { return m_tempo; }
    void SetTempo(int tempo) { m_tempo = tempo; }

    SongText* GetTitleText() const { return m_title.get(); }
    SongText* GetAuthorText() const { return m_author.get(); }
    UserText* AddUserText(int x, int y);
    void RemoveUserText(UserText* text);
    const std::vector<std::unique_ptr<UserText>>& GetUserTexts() const { return m_userTexts; }

    // Every track changes key in slot order; at the first that cannot, false
    // without storing the key (the caller restores the song from its undo
    // history). Otherwise the key is stored.
    bool Transpose(int newKey, bool upward);
    // Bar ranges on every track (insert, delete) or one (clear); each keeps
    // the song's bar count equal to every track's and lays the score out
    // again. False, with nothing changed, when the range or count is refused.
    bool InsertBars(int count, int bar, bool before);
    bool DeleteBars(int first, int last);
    bool ClearBars(int trackSlot, int first, int last);

    // Sets the class-wide bars per line and lays the score out again.
    void SetBarsPerLine(int barsPerLine);
    void Relayout();
    // Gives the sound engine every track's channel, instrument and volume; the
    // accompaniment track gives its style and volume and holds no channel.
    void ApplyTrackSoundSettings();

    // Tracks generated from the accompaniment style; owned.
    std::vector<std::unique_ptr<Track>>& GeneratedAccompaniment() { return m_accompaniment; }
    const std::vector<std::unique_ptr<Track>>& GeneratedAccompaniment() const {
        return m_accompaniment;
    }
    // Deletes the generated tracks.
    void FreeAccompaniment() { m_accompaniment.clear(); }

    // Places a track read from a file in the next slot; false when full.
    bool AppendTrack(std::unique_ptr<Track> track);

    // Writes the whole song, or reads it into this new, empty song. Reading a
    // song (not a pattern) also gives the sound engine its key, time signature
    // and tempo and sets the bars per line. A file that does not fit the
    // program's limits throws IOException("Read file error") and leaves a
    // song the caller must discard.
    void Serialize(Archive& archive);

    static constexpr int kMaxBars = 64;

    const Box& GetBox() const { return m_box; }

private:
    // Rebuilding from an undo record sets the texts and the box directly.
    friend class SongRecordReader;

    void Store(Archive& archive);
    void Load(Archive& archive);
    void LoadTracks(Archive& archive, int count);
    bool HasValidTrackSet() const;
    int AddNoteTrack(int trackType);
    std::unique_ptr<Track> MakeTrack(int trackType);

    std::unique_ptr<SongText> m_title;
    std::unique_ptr<SongText> m_author;
    std::vector<std::unique_ptr<UserText>> m_userTexts;
    std::array<std::unique_ptr<Track>, kMaxTracks> m_tracks;
    int m_numTracks = 0;
    int m_numBars = 0;
    // numerator, denominator: GetProperty("TimeSignature") points at the pair.
    int m_timeSignature[2] = {4, 4};
    int m_stepsPerBar = 96;
    int m_numBeats = 4;
    int m_stepsPerBeat = 24;
    int m_keySignature = 0;
    int m_tempo = 60;
    std::vector<std::unique_ptr<Track>> m_accompaniment;
    Box m_box{100, 100, 400, 60};
};
