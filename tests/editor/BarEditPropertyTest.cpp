#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "editor/BarClipboard.h"
#include "editor/ShiftNotesForm.h"
#include "editor/SongHistory.h"
#include "editor/UndoManager.h"
#include "model/ChordBar.h"
#include "platform/FixedPrompt.h"
#include "support/NoteBarTestKit.h"
#include "support/SongEquality.h"

// Random sequences of whole-song edits (bar insertion, deletion, clearing and
// copying, clipboard pastes, transpositions, shifts, note entry) on a song
// with every kind of track. After each: every track has the song's bar
// count, ties pair up across every bar line, the chord track's first box is
// styled; and undo and redo bring back exactly the recorded states.
namespace {

using namespace notebar_test;

class BarEditRun {
public:
    explicit BarEditRun(unsigned seed) : m_random(seed), m_song(MakeSong(4, 4, 6)) {
        m_song->AddAccompanimentTrack();
        Record("Init");
    }

    void Step() {
        switch (Pick(0, 8)) {
            case 0:
                InsertBars();
                break;
            case 1:
                DeleteBars();
                break;
            case 2:
                ClearBars();
                break;
            case 3:
                CopyBars();
                break;
            case 4:
                CopyAndPaste();
                break;
            case 5:
                Transpose();
                break;
            case 6:
                Shift();
                break;
            case 7:
                UndoAndRedo();
                break;
            default:
                WriteNotes();
                break;
        }
    }

    std::string Violation() const {
        for (int t = 0; t < m_song->GetNumTracks(); ++t) {
            const Track& track = *m_song->GetTrack(t);
            if (track.GetNumBars() != m_song->GetNumBars() ||
                static_cast<int>(track.Bars().size()) != m_song->GetNumBars()) {
                return "track " + std::to_string(t) + " has another bar count";
            }
            if (const std::string ties = TieViolation(track); !ties.empty()) {
                return "track " + std::to_string(t) + ": " + ties;
            }
            for (int b = 0; b < track.GetNumBars(); ++b) {
                if (const auto* bar = dynamic_cast<const NoteBar*>(track.GetBar(b))) {
                    if (const std::string grid = GridViolation(*bar); !grid.empty()) {
                        return "track " + std::to_string(t) + " bar " + std::to_string(b) + ": " +
                               grid;
                    }
                }
            }
        }
        const auto* first = static_cast<const ChordBar*>(m_song->GetBar(0, 0));
        if (first->GetBoxAt(0)->GetSubStyle() == ChordCombo::NoSubStyle) {
            return "the chord track's first box lost its sub-style";
        }
        return m_undoFailure;
    }

    int Records() const { return m_records; }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    int Bars() const { return m_song->GetNumBars(); }

    void Record(const std::string& name) {
        const int before = m_history.CurrentIndex();
        m_history.Record(*m_song, name, name);
        Remember(before);
    }
    // Keeps a copy of every recorded state, as the history holds them: the
    // redo branch after the entry that was current goes, the oldest falls off.
    void Remember(int previousCurrent) {
        while (static_cast<int>(m_states.size()) > previousCurrent + 1) {
            m_states.pop_back();
        }
        m_states.push_back(std::make_unique<Song>(*m_song));
        while (static_cast<int>(m_states.size()) > m_history.Count()) {
            m_states.pop_front();
        }
        ++m_records;
    }

    void InsertBars() {
        const int count = Pick(1, 3);
        if (Bars() + count <= Song::kMaxBars &&
            m_song->InsertBars(count, Pick(0, Bars() - 1), Pick(0, 1))) {
            Record("Insert Bar");
        }
    }
    void DeleteBars() {
        if (Bars() < 2) {
            return;
        }
        const int first = Pick(0, Bars() - 2);
        if (m_song->DeleteBars(first, Pick(first, Bars() - 2))) {
            Record("Delete Bar");
        }
    }
    void ClearBars() {
        const int first = Pick(0, Bars() - 1);
        if (m_song->ClearBars(Pick(0, m_song->GetNumTracks() - 1), first,
                              Pick(first, Bars() - 1))) {
            Record("Clear Bar");
        }
    }
    void CopyBars() {
        const int slot = Pick(0, m_song->GetNumTracks() - 1);
        const int first = Pick(0, Bars() - 1);
        const int last = Pick(first, std::min(Bars() - 1, first + 2));
        const int destination = Pick(0, Bars() - 1);
        if (m_song->GetTrack(slot)->CopyBars(*m_song->GetTrack(slot), first, last, destination,
                                             Pick(1, 2))) {
            Record("Copy Tracks");
        }
    }
    void CopyAndPaste() {
        ToolsManager& tools = ToolsManager::Instance();
        const int firstTrack = Pick(1, m_song->GetNumTracks() - 1);
        const int firstBar = Pick(0, Bars() - 1);
        tools.SelectRange(m_song->GetBar(firstTrack, firstBar),
                          m_song->GetBar(Pick(firstTrack, m_song->GetNumTracks() - 1),
                                         Pick(firstBar, Bars() - 1)));
        FixedPrompt prompt(Prompt::Ok);
        if (!BarClipboard::Instance().Copy(prompt)) {
            return;
        }
        tools.SelectSingle(
            m_song->GetBar(Pick(1, m_song->GetNumTracks() - 1), Pick(0, Bars() - 1)));
        const int before = m_history.CurrentIndex();
        if (BarClipboard::Instance().Paste(*m_song, prompt, m_history)) {
            Remember(before);
        }
        tools.ClearSelection(false);
    }
    void Transpose() {
        if (m_song->Transpose(Pick(-6, 6), Pick(0, 1))) {
            Record("Transpose Song");
        } else {
            SongHistory(m_history).Revert(m_song);
            Check(*m_states.back(), "revert after a failed transposition");
        }
    }
    void Shift() {
        ShiftNotesForm form(*m_song);
        form.SetTrackIndex(Pick(0, 1));
        form.SetFirstBar(Pick(0, Bars() - 1));
        form.SetLastBar(Pick(form.FirstBar(), Bars() - 1));
        form.SetStepsText(std::to_string(Pick(0, 8)));
        form.SetUpward(Pick(0, 1));
        FixedPrompt prompt(Prompt::Ok);
        const int before = m_history.CurrentIndex();
        if (form.Ok(*m_song, prompt, m_history)) {
            Remember(before);
        }
    }
    void WriteNotes() {
        const int slot = Pick(1, m_song->GetNumTracks() - 1);
        Track& track = *m_song->GetTrack(slot);
        auto* bar = static_cast<NoteBar*>(track.GetBar(Pick(0, Bars() - 1)));
        for (int i = 0; i < 4; ++i) {
            const NoteChord* chord = bar->GetChordAt(Pick(0, bar->GetSteps() - 1));
            if (chord == nullptr) {
                continue;
            }
            Note* note = bar->InsertNote(chord->GetStep(), "CDEFGAB"[Pick(0, 6)], Pick(4, 5),
                                         Pick(0, 3), 1 << Pick(1, 4), false, false);
            if (note != nullptr && Pick(0, 1)) {
                track.AddTie(note);
            }
        }
        if (Bars() > 1) {
            TieAcrossBarLine(track, Pick(0, Bars() - 2));
        }
        if (auto* chords = dynamic_cast<ChordBar*>(m_song->GetBar(0, Pick(0, Bars() - 1)))) {
            chords->GetBeatBox(Pick(0, 3))->SetChordNumber(Pick(0, 36), false);
        }
        Record("Bar data changed");
    }
    // Ends bar b and starts the next one with the same pitch, tied over the line.
    void TieAcrossBarLine(Track& track, int b) {
        auto* bar = static_cast<NoteBar*>(track.GetBar(b));
        auto* next = static_cast<NoteBar*>(track.GetBar(b + 1));
        const char letter = "CDEFGAB"[Pick(0, 6)];
        Note* last = nullptr;
        for (int value : {4, 8, 16}) {
            if (last == nullptr && bar->LastChord() != nullptr) {
                last = bar->InsertNote(bar->LastChord()->GetStep(), letter, 5, Note::NoAccidental,
                                       value, false, false);
            }
        }
        for (int value : {4, 8, 16}) {
            if (last != nullptr && next->InsertNote(0, letter, 5, Note::NoAccidental, value, false,
                                                    false) != nullptr) {
                break;
            }
        }
        if (last != nullptr) {
            track.AddTie(last);
        }
    }

    void UndoAndRedo() {
        SongHistory actions(m_history);
        const int depth = Pick(1, 3);
        int undone = 0;
        while (undone < depth && actions.Undo(m_song)) {
            ++undone;
            Check(*m_states[static_cast<size_t>(m_history.CurrentIndex())], "undo");
        }
        for (int i = 0; i < undone; ++i) {
            ASSERT_TRUE(actions.Redo(m_song));
            Check(*m_states[static_cast<size_t>(m_history.CurrentIndex())], "redo");
        }
    }
    void Check(const Song& expected, const char* what) {
        const std::string difference = SongEquality().Difference(expected, *m_song);
        if (!difference.empty() && m_undoFailure.empty()) {
            m_undoFailure = std::string(what) + ": " + difference;
        }
    }

    std::mt19937 m_random;
    std::unique_ptr<Song> m_song;
    UndoManager m_history;
    std::deque<std::unique_ptr<Song>> m_states;
    std::string m_undoFailure;
    int m_records = 0;
};

class BarEditPropertyTest : public EngineReset {
    void TearDown() override {
        BarClipboard::Instance().Clear();
        EngineReset::TearDown();
    }
};

TEST_F(BarEditPropertyTest, RandomEditsKeepTheSongConsistentAndUndoable) {
    for (unsigned seed : {11u, 23u, 37u, 51u}) {
        BarEditRun run(seed);
        for (int step = 0; step < 250; ++step) {
            run.Step();
            const std::string violation = run.Violation();
            ASSERT_EQ(violation, "") << "seed " << seed << ", step " << step;
        }
        EXPECT_GT(run.Records(), 100) << "seed " << seed << ": too few edits took place";
    }
}

}  // namespace
