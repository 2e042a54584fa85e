#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "files/PatternLibrary.h"
#include "files/SongFiles.h"
#include "model/ChordBar.h"
#include "model/EditingState.h"
#include "model/InstrumentCombo.h"
#include "model/MelodicBar.h"
#include "model/PercussionBar.h"
#include "platform/ProgramPaths.h"
#include "support/PatternFolderTest.h"
#include "support/SongEquality.h"

namespace {

namespace fs = std::filesystem;

// Variation p of the test style plays one quarter note of its own pitch on
// the melodic track, and a drum note at a step of its own.
constexpr char kLetters[] = "CDEFGAB";
char LetterOf(int p) {
    return kLetters[p % 7];
}
int OctaveOf(int p) {
    return 4 + p / 7;
}
int DrumValueOf(int p) {
    return 1 << (p % 5);
}

class AccompanimentTest : public PatternFolderTest {
protected:
    AccompanimentTest() : PatternFolderTest("accomp") {}
    void WriteStyle(const std::string& file, int variations) {
        Song pattern("pattern", "test", variations, 100, {4, 4}, 0);
        pattern.AddTrebleTrack();
        pattern.AddPercussionTrack();
        pattern.GetTrack(0)->SetTitle("Keys");
        static_cast<InstrumentCombo*>(pattern.GetTrack(0)->GetSelector())->SetProgram(4, false);
        pattern.GetTrack(0)->GetVolumeSlider()->SetValue(70, false);
        static_cast<InstrumentCombo*>(pattern.GetTrack(1)->GetSelector())->SetProgram(42, false);
        for (int p = 0; p < variations; ++p) {
            static_cast<NoteBar*>(pattern.GetBar(0, p))
                ->InsertNote(0, LetterOf(p), OctaveOf(p), Note::NoAccidental, 4, false, false);
            static_cast<NoteBar*>(pattern.GetBar(1, p))
                ->InsertNote(0, 'C', 5, Note::NoAccidental, DrumValueOf(p), false, false);
        }
        SongFiles::Save(pattern, (dir / "Pattern" / file).string());
    }
    void MakeSong() {
        song = std::make_unique<Song>("s", "a", 3, 100, Song::TimeSignature{4, 4}, 0);
        song->AddAccompanimentTrack();
    }
    ChordCombo* Box(int bar, int beat) {
        return static_cast<ChordBar*>(song->GetBar(0, bar))->GetBeatBox(beat);
    }
    // The key number and step of each note (not rest) of an output bar.
    std::vector<std::pair<int, int>> NotesOf(int track, int bar) {
        const auto* out =
            static_cast<const NoteBar*>(song->GeneratedAccompaniment()[track]->GetBar(bar));
        std::vector<std::pair<int, int>> notes;
        for (const auto& chord : out->GetGrid()) {
            if (chord && !chord->IsRest()) {
                notes.emplace_back(chord->GetStep(), out->MidiKeyOf(*chord->First()));
            }
        }
        return notes;
    }
    static int KeyOf(int p) { return OctaveOf(p) * 12 + Note::SemitoneOf(LetterOf(p)); }

    std::unique_ptr<Song> song;
};

TEST_F(AccompanimentTest, OutputTracksCopyThePatternTracks) {
    WriteStyle("44_Test.qsx", 15);
    MakeSong();
    Box(0, 0)->SelectText("C", false);
    ASSERT_EQ(PatternLibrary::ApplyStyle(*song, "44_Test.qsx"), 2);
    const auto& outputs = song->GeneratedAccompaniment();
    EXPECT_EQ(outputs[0]->GetTrackNum(), 24);
    EXPECT_EQ(outputs[1]->GetTrackNum(), 25);
    EXPECT_EQ(outputs[0]->GetTrackType(), TrebleTrack);
    EXPECT_EQ(outputs[1]->GetTrackType(), PercussionTrack);
    EXPECT_EQ(outputs[0]->GetMidiProgNum(), 4);
    EXPECT_EQ(outputs[1]->GetMidiProgNum(), 42);
    EXPECT_EQ(outputs[0]->GetTitle(), "Keys");
    EXPECT_EQ(outputs[0]->GetVolume(), 70);
    EXPECT_EQ(outputs[0]->GetNumBars(), 3);
    // Playback and export give the expanded tracks channels of their own; the
    // expansion leaves the engine's table, the user interface's, alone.
    EXPECT_EQ(SoundEngine::Instance().TrackChannel(24), -1);
    EXPECT_EQ(SoundEngine::Instance().TrackChannel(25), -1);
    song->FreeAccompaniment();
    EXPECT_TRUE(song->GeneratedAccompaniment().empty());
}

TEST_F(AccompanimentTest, EveryChordRestartsItsVariationAtItsBeat) {
    WriteStyle("44_Test.qsx", 15);
    MakeSong();
    Box(0, 0)->SelectText("C", false);
    Box(0, 0)->SetSubStyle(ChordCombo::StyleB);
    Box(0, 2)->SelectText("G7", false);
    Box(1, 1)->SelectText("Am", false);  // no sub-style: the last one (B) goes on
    ASSERT_EQ(PatternLibrary::ApplyStyle(*song, "44_Test.qsx"), 2);

    // Bar 0: variation 2 (B major) at C from beat 0, variation 11 (B seventh)
    // seven semitones up from beat 2.
    EXPECT_EQ(NotesOf(0, 0),
              (std::vector<std::pair<int, int>>{{0, KeyOf(2)}, {48, KeyOf(11) + 7}}));
    // Drums are copied whole from the bar's start at every chord.
    const auto* drums = static_cast<const NoteBar*>(song->GeneratedAccompaniment()[1]->GetBar(0));
    EXPECT_EQ(drums->GetChordAt(0)->GetLength(), 96 / DrumValueOf(11));
    EXPECT_EQ(NotesOf(1, 0), (std::vector<std::pair<int, int>>{{0, 42}}));
    // Bar 1: variation 3 (B minor) at A, three semitones down, from beat 1.
    EXPECT_EQ(NotesOf(0, 1), (std::vector<std::pair<int, int>>{{24, KeyOf(3) - 3}}));
    // Bar 2 has no chord and keeps its whole-bar rests.
    EXPECT_TRUE(NotesOf(0, 2).empty());
    EXPECT_TRUE(NotesOf(1, 2).empty());
}

TEST_F(AccompanimentTest, TheSpellingDecidesTheOctave) {
    WriteStyle("44_Test.qsx", 15);
    MakeSong();
    Box(0, 0)->SelectText("G#", false);
    Box(1, 0)->SetSharps(false);
    Box(1, 0)->SelectText("Ab", false);
    ASSERT_EQ(PatternLibrary::ApplyStyle(*song, "44_Test.qsx"), 2);
    EXPECT_EQ(NotesOf(0, 0).at(0).second, KeyOf(0) + 8);
    EXPECT_EQ(NotesOf(0, 1).at(0).second, KeyOf(0) - 4);
}

TEST_F(AccompanimentTest, MissingVariationsFallBackToTheFirst) {
    WriteStyle("44_Short.qsx", 10);
    MakeSong();
    Box(0, 0)->SelectText("D7", false);
    Box(1, 0)->SelectText("Dm", false);
    Box(1, 0)->SetSubStyle(ChordCombo::Ending);
    ASSERT_EQ(PatternLibrary::ApplyStyle(*song, "44_Short.qsx"), 2);
    EXPECT_EQ(NotesOf(0, 0).at(0).second, KeyOf(0) + 2)
        << "seventh chords ask for variations 10-14";
    EXPECT_EQ(NotesOf(0, 1).at(0).second, KeyOf(9) + 2) << "minor ending is variation 9";
}

TEST_F(AccompanimentTest, StylesThatCannotBeUsed) {
    MakeSong();
    EXPECT_EQ(PatternLibrary::ApplyStyle(*song, "44_Missing.qsx"), -1);
    EXPECT_EQ(PatternLibrary::ApplyStyle(*song, PatternLibrary::PatternFileName(4, 4, "[N/A]")),
              -2);
    std::ofstream((dir / "Pattern" / "44_Broken.qsx").string()) << "<LarkSong";
    EXPECT_EQ(PatternLibrary::ApplyStyle(*song, "44_Broken.qsx"), -1);
    Song plain("p", "a", 2, 100, {4, 4}, 0);
    plain.AddTrebleTrack();
    EXPECT_EQ(PatternLibrary::ApplyStyle(plain, "44_Missing.qsx"), 0);
    EXPECT_EQ(PatternLibrary::PatternFileName(3, 4, "Waltz"), "34_Waltz.qsx");
}

// Counts what the layout reports, as the score window's state would hear it.
class PageCounterLog : public EditingState {
public:
    SelObject* Hover() const override { return nullptr; }
    void SetHover(SelObject*) override {}
    bool IsSelected(const SelObject*) const override { return false; }
    bool HasSelection() const override { return false; }
    void ClearSelection(bool) override {}
    void ForgetInside(const SelObject*) override {}
    void ForgetOwnedBy(const SelObject*) override {}
    void AddDirtyRect(const Rect&) override {}
    void SetPageCounters(int totalBars, int) override { reportedBars.push_back(totalBars); }
    std::vector<int> reportedBars;
};

TEST_F(AccompanimentTest, LoadingAPatternLeavesTheEngineAndLayoutAlone) {
    WriteStyle("44_Test.qsx", 3);
    // The song on screen counts its pages from what the layout reports; a
    // pattern loaded for playback must not report its own bars.
    PageCounterLog pageCounters;
    EditingState::SetInstance(&pageCounters);
    SoundEngine::Instance().SetTempo(90, false);
    SoundEngine::Instance().SetKeySignature(2);
    Track::SetBarsPerLine(3);
    const auto pattern = PatternLibrary::LoadStylePattern("44_Test.qsx");
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->GetNumBars(), 3);
    EXPECT_EQ(SoundEngine::Instance().GetTempo(), 90);
    EXPECT_EQ(SoundEngine::Instance().KeySignature(), 2);
    EXPECT_EQ(Track::GetBarsPerLine(), 3);
    EditingState::SetInstance(nullptr);
    EXPECT_EQ(pageCounters.reportedBars, std::vector<int>{});
}

}  // namespace
