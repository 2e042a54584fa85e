#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <iterator>
#include <random>
#include <string>

#include "editor/SongHistory.h"
#include "editor/UndoManager.h"
#include "model/ChordBar.h"
#include "model/DynamicMark.h"
#include "support/NoteBarTestKit.h"
#include "support/SongFidelity.h"

// Thousands of random edits of every kind (notes, ties, accidentals, marks,
// lyrics, chord boxes, track controls, texts, bar ranges, tracks,
// transpositions), each recorded as the editor records it, interleaved with
// undo, redo and revert. Beside the history the run keeps a deep copy of the
// song made by its copy constructor at every record, and every song that undo,
// redo or revert brings back must equal that copy in every field (parents,
// observers and geometry included) and give its sound settings to the engine.
namespace {

using namespace notebar_test;

class Ignoring : public Observer {
public:
    void Update(Subject*, int) override {}
};

class HistoryRun {
public:
    explicit HistoryRun(unsigned seed) : m_random(seed), m_song(MakeSong(4, 4, 5)) {
        m_song->AddAccompanimentTrack();
        m_song->GetTrack(1)->ShowLyrics();
        Watch();
        Record(UndoManager::kInitTag);
    }

    void Step() {
        const int roll = Pick(0, 99);
        if (roll < 12) {
            Restore(Pick(0, 1) == 0 ? "undo" : "redo");
        } else if (roll < 16) {
            RevertAfterUnrecordedChange();
        } else if (Edit()) {
            Record("edit");
        }
    }

    const std::string& Failure() const { return m_failure; }
    int Records() const { return m_records; }
    int Restores() const { return m_restores; }

private:
    // As the window does it: the change recorder and the view listen to
    // everything in the song.
    void Watch() {
        for (const int aspect : {8, 9, 10}) {
            m_song->Attach(&m_window, aspect);
        }
    }

    void Record(const std::string& name) {
        const int current = m_history.CurrentIndex();
        m_history.Record(*m_song, name, name);
        m_states.resize(static_cast<size_t>(current + 1));
        auto copy = std::make_unique<Song>(*m_song);
        copy->Relayout();
        m_states.push_back(std::move(copy));
        while (static_cast<int>(m_states.size()) > UndoManager::kLimit) {
            m_states.pop_front();
        }
        ++m_records;
        if (static_cast<int>(m_states.size()) != m_history.Count()) {
            Fail("the history holds " + std::to_string(m_history.Count()) + " entries");
        }
    }

    void Restore(const std::string& what) {
        SongHistory actions(m_history);
        const bool undo = what == "undo";
        const bool possible = undo ? m_history.CanUndo() : m_history.CanRedo();
        const Song* before = m_song.get();
        const bool done = undo ? actions.Undo(m_song) : actions.Redo(m_song);
        if (done != possible || (done && m_song.get() == before)) {
            Fail(what + " did not replace the song as the history allows");
        }
        if (done) {
            Check(what);
        }
    }

    void RevertAfterUnrecordedChange() {
        // A command that fails half-way has changed the song without recording.
        Put(static_cast<NoteBar&>(*m_song->GetBar(1, 0)), 0, "E5", 2);
        m_song->GetTitleText()->SetText("half-done");
        m_song->InsertBars(1, 0, true);
        const int current = m_history.CurrentIndex();
        if (!SongHistory(m_history).Revert(m_song) || m_history.CurrentIndex() != current) {
            Fail("revert moved in the history");
        }
        Check("revert");
    }

    void Check(const std::string& what) {
        ++m_restores;
        const Song& expected = *m_states.at(static_cast<size_t>(m_history.CurrentIndex()));
        const std::string difference = SongFidelity().Difference(expected, *m_song);
        if (!difference.empty()) {
            Fail(what + " after " + std::to_string(m_records) + " records: " + difference);
        }
        for (int slot = 0; slot < m_song->GetNumTracks(); ++slot) {
            const Track& track = *m_song->GetTrack(slot);
            if (SoundEngine::Instance().TrackVolume(slot) != track.GetVolume()) {
                Fail(what + ": the engine did not get track " + std::to_string(slot) + "'s volume");
            }
        }
        Watch();
    }

    // One random edit; false when the model refused it, so nothing is recorded.
    bool Edit() {
        switch (Pick(0, 11)) {
            case 0:
            case 1:
                return WriteNote();
            case 2:
                return EraseNote();
            case 3:
                return TieOrAccidental();
            case 4:
                return MarkOrLyric();
            case 5:
                return ChordBox();
            case 6:
                return TrackControl();
            case 7:
                return Texts();
            case 8:
                return BarRange();
            case 9:
                return Tracks();
            case 10:
                return m_song->Transpose(Pick(-6, 6), Pick(0, 1) == 0) || Revert();
            default:
                return Lyrics();
        }
    }

    bool Revert() {
        // A transposition that fails half-way is taken back, not recorded.
        if (!SongHistory(m_history).Revert(m_song)) {
            Fail("nothing to revert to");
        }
        Check("revert after a failed transposition");
        return false;
    }

    int NoteTrack() {
        const int first = m_song->HasAccompaniment() ? 1 : 0;
        return Pick(first, m_song->GetNumTracks() - 1);
    }
    NoteBar& AnyNoteBar() {
        Track& track = *m_song->GetTrack(NoteTrack());
        return static_cast<NoteBar&>(*track.GetBar(Pick(0, track.GetNumBars() - 1)));
    }
    NoteChord& AnyChord(const NoteBar& bar) {
        std::vector<NoteChord*> chords;
        for (NoteChord* chord = bar.FirstChord(); chord != nullptr;
             chord = bar.ChordAfter(*chord)) {
            chords.push_back(chord);
        }
        return *chords[static_cast<size_t>(Pick(0, static_cast<int>(chords.size()) - 1))];
    }

    bool WriteNote() {
        NoteBar& bar = AnyNoteBar();
        const NoteChord& chord = AnyChord(bar);
        static constexpr int kValues[] = {1, 2, 4, 8, 16};
        const bool rest = Pick(0, 9) == 0;
        const bool triplet = Pick(0, 9) == 0;
        const Note* written = bar.InsertNote(
            chord.GetStep(), rest ? Note::kRestLetter : "CDEFGAB"[Pick(0, 6)], Pick(4, 6),
            Pick(0, 3) == 0 ? Pick(Note::Sharp, Note::DoubleFlat) : Note::NoAccidental,
            kValues[Pick(0, 4)], !triplet && Pick(0, 7) == 0, triplet);
        if (written != nullptr) {
            bar.NotifyChanged();
        }
        return written != nullptr;
    }

    bool EraseNote() {
        NoteBar& bar = AnyNoteBar();
        NoteChord& chord = AnyChord(bar);
        return bar.EraseNote(chord.GetNote(Pick(0, chord.GetNoteCount() - 1)));
    }

    // Ties need the same pitch next: it is written there first, as a user
    // would, so that most tries succeed.
    bool TieOrAccidental() {
        const int slot = NoteTrack();
        Track& track = *m_song->GetTrack(slot);
        const int index = Pick(0, track.GetNumBars() - 1);
        auto& bar = static_cast<NoteBar&>(*track.GetBar(index));
        Note* note = AnyChord(bar).First();
        if (Pick(0, 2) == 0) {
            return track.ApplyAccidental(note, Pick(Note::Sharp, Note::DoubleFlat));
        }
        NoteChord* next = bar.ChordAfter(*note->GetChord());
        NoteBar* nextBar = &bar;
        if (next == nullptr && index + 1 < track.GetNumBars()) {
            nextBar = static_cast<NoteBar*>(track.GetBar(index + 1));
            next = nextBar->FirstChord();
        }
        bool wrote = false;
        if (next != nullptr && !note->IsRest()) {
            wrote =
                nextBar->InsertNote(next->GetStep(), note->GetLetter(), note->GetOctave(),
                                    Note::NoAccidental, static_cast<int>(next->GetTimeValue(true)),
                                    next->IsDotted(), next->IsTriplet()) != nullptr;
        }
        return track.AddTie(note) || wrote;
    }

    bool MarkOrLyric() {
        NoteBar& bar = AnyNoteBar();
        const int step = AnyChord(bar).GetStep();
        if (Pick(0, 2) == 0) {
            bar.RemoveMarks(step);
            return true;
        }
        return bar.AddMark(step, Pick(0, DynamicMark::kNumCodes - 1));
    }

    bool Lyrics() {
        Track& track = *m_song->GetTrack(NoteTrack());
        if (Pick(0, 5) == 0) {
            if (track.IsLyricShown()) {
                track.HideLyrics();
                return true;
            }
            return track.ShowLyrics();
        }
        NoteBar& bar = static_cast<NoteBar&>(*track.GetBar(Pick(0, track.GetNumBars() - 1)));
        if (bar.GetLyrics().empty()) {
            return false;
        }
        auto entry = bar.GetLyrics().begin();
        std::advance(entry, Pick(0, static_cast<int>(bar.GetLyrics().size()) - 1));
        entry->second->SetText("la" + std::to_string(Pick(0, 999)));
        if (Pick(0, 1) == 0) {
            entry->second->Measure();
        }
        return true;
    }

    bool ChordBox() {
        if (!m_song->HasAccompaniment()) {
            return m_song->AddAccompanimentTrack() == 0;
        }
        auto& bar = static_cast<ChordBar&>(
            *m_song->GetBar(0, Pick(0, m_song->GetTrack(0)->GetNumBars() - 1)));
        ChordCombo* box = bar.GetBeatBox(Pick(0, bar.GetNumBeats() - 1));
        switch (Pick(0, 2)) {
            case 0:
                box->SetChordNumber(Pick(0, 36), false);
                break;
            case 1:
                box->OnActivate(nullptr, 0, 0, 0);
                break;
            default:
                box->SetSharps(Pick(0, 1) == 0);
                break;
        }
        return true;
    }

    bool TrackControl() {
        Track& track = *m_song->GetTrack(Pick(0, m_song->GetNumTracks() - 1));
        switch (Pick(0, 4)) {
            case 0:
                track.SetVolume(Pick(0, 100));
                break;
            case 1:
                track.SetProgram(Pick(0, 127));
                break;
            case 2:
                track.SetTitle("Voice " + std::to_string(Pick(0, 99)));
                break;
            case 3:
                track.GetVolumeSlider()->SetChanged(Pick(0, 1) == 0);
                break;
            default:
                track.SetMuted(!track.IsMuted());
                break;
        }
        return true;
    }

    bool Texts() {
        const auto& texts = m_song->GetUserTexts();
        switch (Pick(0, 4)) {
            case 0:
                m_song->AddUserText(Pick(0, 4000), Pick(0, 2900))->SetText("note");
                return true;
            case 1:
                if (texts.empty()) {
                    return false;
                }
                texts[static_cast<size_t>(Pick(0, static_cast<int>(texts.size()) - 1))]->MoveTo(
                    Pick(0, 4000), Pick(0, 2900));
                return true;
            case 2:
                if (texts.empty()) {
                    return false;
                }
                m_song->RemoveUserText(
                    texts[static_cast<size_t>(Pick(0, static_cast<int>(texts.size()) - 1))].get());
                return true;
            case 3:
                m_song->GetTitleText()->SetText("Song " + std::to_string(Pick(0, 99)));
                m_song->GetTitleText()->Measure();
                return true;
            default:
                m_song->SetTempo(Pick(20, 208));
                return true;
        }
    }

    bool BarRange() {
        const int bars = m_song->GetNumBars();
        const int first = Pick(0, bars - 1);
        const int last = Pick(first, std::min(bars - 1, first + 2));
        switch (Pick(0, 3)) {
            case 0:
                return m_song->InsertBars(Pick(1, 2), first, Pick(0, 1) == 0);
            case 1:
                return m_song->DeleteBars(first, last);
            case 2:
                return m_song->ClearBars(Pick(0, m_song->GetNumTracks() - 1), first, last);
            default: {
                Track& track = *m_song->GetTrack(Pick(0, m_song->GetNumTracks() - 1));
                return track.CopyBars(track, first, last, Pick(0, bars - 1), 1);
            }
        }
    }

    bool Tracks() {
        switch (Pick(0, 4)) {
            case 0:
                return m_song->AddTrebleTrack() >= 0;
            case 1:
                return m_song->AddBassTrack() >= 0;
            case 2:
                return m_song->AddPercussionTrack() >= 0;
            case 3:
                if (m_song->GetNumTracks() <= 2) {
                    return false;
                }
                m_song->DeleteTrack(Pick(0, m_song->GetNumTracks() - 1));
                return true;
            default: {
                const int first = m_song->HasAccompaniment() ? 1 : 0;
                if (m_song->GetNumTracks() - first < 2) {
                    return false;
                }
                m_song->SwapTracks(Pick(first, m_song->GetNumTracks() - 1),
                                   Pick(first, m_song->GetNumTracks() - 1));
                m_song->ApplyTrackSoundSettings();
                m_song->Relayout();
                return true;
            }
        }
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    void Fail(const std::string& what) {
        if (m_failure.empty()) {
            m_failure = what;
        }
    }

    std::mt19937 m_random;
    Ignoring m_window;
    std::unique_ptr<Song> m_song;
    UndoManager m_history;
    // A deep copy of the song at each entry of the history, laid out.
    std::deque<std::unique_ptr<Song>> m_states;
    std::string m_failure;
    int m_records = 0;
    int m_restores = 0;
};

class UndoHistoryRandomTest : public EngineReset {};

TEST_F(UndoHistoryRandomTest, EveryRestoredSongIsTheSongRecorded) {
    int records = 0;
    int restores = 0;
    for (unsigned seed : {3u, 17u, 29u, 71u}) {
        HistoryRun run(seed);
        for (int step = 0; step < 1000 && run.Failure().empty(); ++step) {
            run.Step();
        }
        EXPECT_EQ(run.Failure(), "") << "seed " << seed;
        records += run.Records();
        restores += run.Restores();
    }
    EXPECT_GT(records, 1500) << "too few edits took place";
    EXPECT_GT(restores, 300) << "too few songs were restored";
}

}  // namespace
