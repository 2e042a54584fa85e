#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "editor/ToolsManager.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;

// Thousands of random pencil and eraser edits on songs of several time
// signatures; after every edit the grid, triplet, mark, lyric and tie rules
// must hold, and an edit that refuses must leave its track as it was. A
// failure names the seed and the step so it can be replayed.
namespace {

constexpr int kStepsPerRun = 1500;
constexpr unsigned kSeeds[] = {11, 29, 47, 83};
constexpr int kBars = 3;

class Fuzzer {
public:
    Fuzzer(int numerator, int denominator, unsigned seed)
        : m_song(MakeSong(numerator, denominator, kBars)), m_random(seed) {}

    // Runs the edits; returns the first broken rule, or "".
    std::string Run() {
        for (int step = 0; step < kStepsPerRun; ++step) {
            const std::string what = EditOnce();
            for (int slot : {0, 2}) {
                const Track& track = *m_song->GetTrack(slot);
                for (int b = 0; b < kBars; ++b) {
                    const std::string broken = GridViolation(Bar(slot, b));
                    if (!broken.empty()) {
                        return Where(step, what, slot, b) + broken;
                    }
                }
                if (const std::string broken = TieViolation(track); !broken.empty()) {
                    return Where(step, what, slot, -1) + broken;
                }
            }
            if (!m_refusalChanged.empty()) {
                return Where(step, what, -1, -1) + m_refusalChanged;
            }
        }
        return "";
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }

    NoteBar& Bar(int slot, int index) {
        return static_cast<NoteBar&>(*m_song->GetTrack(slot)->GetBar(index));
    }

    static std::string Where(int step, const std::string& what, int slot, int bar) {
        return "step " + std::to_string(step) + " (" + what + "), track " + std::to_string(slot) +
               " bar " + std::to_string(bar) + ": ";
    }

    NoteChord* RandomChord(NoteBar& bar) {
        std::vector<NoteChord*> chords;
        for (NoteChord* c = bar.FirstChord(); c != nullptr; c = bar.ChordAfter(*c)) {
            chords.push_back(c);
        }
        return chords[static_cast<size_t>(Pick(0, static_cast<int>(chords.size()) - 1))];
    }

    Note* RandomNote(NoteBar& bar) {
        NoteChord* chord = RandomChord(bar);
        return chord->GetNote(Pick(0, chord->GetNoteCount() - 1));
    }

    // Mostly a note a tie would accept (the same pitch follows it) or, for
    // erasing, one that ties onwards; otherwise any note.
    Note* TieCandidate(int slot, bool tied) {
        std::vector<Note*> candidates;
        const Track& track = *m_song->GetTrack(slot);
        for (int b = 0; b < kBars; ++b) {
            NoteBar& bar = Bar(slot, b);
            for (NoteChord* c = bar.FirstChord(); c != nullptr; c = bar.ChordAfter(*c)) {
                for (int i = 0; i < c->GetNoteCount(); ++i) {
                    Note* note = c->GetNote(i);
                    const bool onwards = note->IsTieStart() || note->IsTieMiddle();
                    const NoteChord* next = ChordBeside(track, b, c->GetStep(), 1);
                    if (tied ? onwards
                             : !onwards && !note->IsRest() && next != nullptr &&
                                   next->FindPitch(note->GetOctave(), note->GetLetter())) {
                        candidates.push_back(note);
                    }
                }
            }
        }
        if (candidates.empty() || Chance(20)) {
            return RandomNote(Bar(slot, Pick(0, kBars - 1)));
        }
        return candidates[static_cast<size_t>(Pick(0, static_cast<int>(candidates.size()) - 1))];
    }

    // Runs an edit that may refuse; a refusal must leave the track as it was.
    void Refusable(int slot, const std::function<bool()>& edit) {
        const auto before = m_song->GetTrack(slot)->Clone();
        if (!edit()) {
            const std::string diff =
                TrackDifference(static_cast<const Track&>(*before), *m_song->GetTrack(slot));
            if (!diff.empty()) {
                m_refusalChanged = "refused, yet changed " + diff;
            }
        }
    }

    // Short values and a few pitches, so that notes fit often and neighbours
    // share pitches to tie.
    int RandomValue() {
        static constexpr int kValues[] = {1, 2, 2, 4, 4, 4, 4, 8, 8, 8, 8, 8, 16, 16, 16, 32};
        return kValues[Pick(0, 15)];
    }
    char RandomLetter() { return Chance(70) ? "CEG"[Pick(0, 2)] : "CDEFGAB"[Pick(0, 6)]; }
    int RandomOctave() { return Chance(70) ? 5 : Pick(4, 6); }
    int RandomAccidental() { return Chance(70) ? Note::NoAccidental : Pick(0, 2); }

    std::string EditOnce() {
        const int slot = Chance(75) ? 0 : 2;
        Track& track = *m_song->GetTrack(slot);
        NoteBar& bar = Bar(slot, Pick(0, kBars - 1));
        const int value = RandomValue();
        const bool triplet = Chance(20);
        const bool dotted = !triplet && Chance(20);
        const int roll = Pick(1, 100);
        if (roll <= 30) {
            const bool rest = Chance(20);
            const char letter = rest ? Note::kRestLetter : RandomLetter();
            const int step = RandomChord(bar)->GetStep();
            const int octave = RandomOctave();
            const int accidental = RandomAccidental();
            Refusable(slot, [&] {
                return bar.InsertNote(step, letter, octave, accidental, value, dotted, triplet) !=
                       nullptr;
            });
            return "insert";
        }
        if (roll <= 40) {
            ToolsManager& tools = ToolsManager::Instance();
            tools.SetInputKind(Chance(20) ? ToolsManager::RestInput : ToolsManager::NoteInput);
            tools.SetNoteValue(value);
            tools.SetAccidental(Chance(80) ? RandomAccidental() : Pick(0, 5));
            if (tools.IsTriplet() != triplet) {
                tools.ToggleLengthModifier(ToolsManager::Triplet);
            }
            const Box box = bar.GetBox();
            const int x = Pick(box.x, box.x + box.width);
            const int y = Pick(box.y, box.y + box.height);
            Refusable(slot, [&] { return bar.InsertNoteAt(x, y, Pencil()) != nullptr; });
            return "pencil";
        }
        if (roll <= 63) {
            bar.EraseNote(RandomNote(bar));
            bar.NotifyChanged();
            return "erase";
        }
        if (roll <= 68) {
            const Box box = bar.GetBox();
            bar.EraseNoteAt(Pick(box.x, box.x + box.width), Pick(box.y, box.y + box.height));
            return "eraser";
        }
        if (roll <= 80) {
            Note* note = TieCandidate(slot, false);
            Refusable(slot, [&] { return track.AddTie(note); });
            return "tie";
        }
        if (roll <= 85) {
            Note* note = TieCandidate(slot, true);
            Refusable(slot, [&] { return track.EraseTie(note); });
            return "erase tie";
        }
        if (roll <= 90) {
            const int step = Chance(80) ? RandomChord(bar)->GetStep() : Pick(0, bar.GetSteps());
            const int code = Pick(0, 13);
            Refusable(slot, [&] { return bar.AddMark(step, code); });
            return "mark";
        }
        if (roll <= 93) {
            Note* note = RandomNote(bar);
            const int accidental = Pick(0, 6);
            Refusable(slot, [&] { return track.ApplyAccidental(note, accidental); });
            return "accidental";
        }
        if (roll <= 96) {
            if (track.IsLyricShown()) {
                track.HideLyrics();
            } else {
                track.ShowLyrics();
            }
            return "lyrics";
        }
        if (bar.IsLyricShown()) {
            const int step = RandomChord(bar)->GetStep();
            bar.GetLyrics().at(step)->SetText(std::string(1, static_cast<char>('a' + Pick(0, 25))));
        }
        return "syllable";
    }

    std::unique_ptr<Song> m_song;
    std::mt19937 m_random;
    std::string m_refusalChanged;
};

class NoteBarPropertyTest : public EngineReset,
                            public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(NoteBarPropertyTest, RandomEditsKeepEveryRuleOfTheGrid) {
    const auto [numerator, denominator] = GetParam();
    for (unsigned seed : kSeeds) {
        ResetServices();
        const std::string broken = Fuzzer(numerator, denominator, seed).Run();
        ASSERT_EQ(broken, "") << numerator << "/" << denominator << " seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(TimeSignatures, NoteBarPropertyTest,
                         ::testing::Values(std::pair{2, 4}, std::pair{3, 4}, std::pair{4, 4},
                                           std::pair{6, 8}),
                         [](const auto& info) {
                             return std::to_string(info.param.first) + "_" +
                                    std::to_string(info.param.second);
                         });

}  // namespace
