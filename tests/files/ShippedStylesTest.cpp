#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>

#include <unistd.h>

#include "files/PatternLibrary.h"
#include "model/ChordBar.h"
#include "model/ChordCombo.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/StyleCombo.h"
#include "platform/DirectoryListing.h"
#include "platform/ProgramPaths.h"
#include "support/EngineReset.h"
#include "tools/PatternLine.h"
#include "tools/StyleBuilder.h"
#include "tools/StyleCatalog.h"

namespace {

namespace fs = std::filesystem;

constexpr int kVariations = 15;
constexpr int kCrashKey = 49;
const char* const kQualitySuffix[] = {"", "m", "7"};
const char* const kSharpRoots[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

fs::path AssetsDir() {
    return fs::path(QUILLSONG_TEST_DATA).parent_path().parent_path() / "assets";
}

std::vector<std::string> StyleFiles(const fs::path& folder) {
    std::vector<std::string> files;
    for (const std::string& name : DirectoryListing::FileNames(folder.string())) {
        if (name.ends_with(".qsx")) {
            files.push_back(name);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One sounding note of a bar: where it starts, how long it lasts, its key.
struct Sound {
    int step;
    int length;
    int key;
    auto operator<=>(const Sound&) const = default;
};

std::vector<Sound> SoundsOf(const Bar& bar, int shift = 0) {
    const auto& notes = static_cast<const NoteBar&>(bar);
    std::vector<Sound> sounds;
    for (const auto& chord : notes.GetGrid()) {
        if (!chord || chord->IsRest()) {
            continue;
        }
        for (int i = 0; i < chord->GetNoteCount(); ++i) {
            sounds.push_back({chord->GetStep(), chord->GetLength(),
                              notes.MidiKeyOf(*chord->GetNote(i)) + shift});
        }
    }
    std::sort(sounds.begin(), sounds.end());
    return sounds;
}

// A chord of every quality and sub-style, one per bar, on roots that go
// round the octave: bar 5q + s holds quality q and sub-style s.
struct ChordOfBar {
    int quality;
    int subStyle;
    std::string name;
};
std::vector<ChordOfBar> EveryChordKind() {
    std::vector<ChordOfBar> chords;
    for (int quality = 0; quality < 3; ++quality) {
        for (int subStyle = ChordCombo::StyleA; subStyle <= ChordCombo::Ending; ++subStyle) {
            const size_t root = chords.size() % 12;
            chords.push_back(
                {quality, subStyle, std::string(kSharpRoots[root]) + kQualitySuffix[quality]});
        }
    }
    return chords;
}

class ShippedStylesTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        ProgramPaths::OverrideExecutableDir(AssetsDir().string());
        files = StyleFiles(AssetsDir() / "Pattern");
        ASSERT_FALSE(files.empty()) << "no styles in " << AssetsDir() / "Pattern";
    }
    void TearDown() override {
        ProgramPaths::OverrideExecutableDir("");
        EngineReset::TearDown();
    }

    std::unique_ptr<Song> Load(const std::string& file) {
        auto pattern = PatternLibrary::LoadStylePattern(file);
        EXPECT_NE(pattern, nullptr) << file;
        return pattern;
    }
    static Song::TimeSignature SignatureOf(const std::string& file) {
        return {file[0] - '0', file[1] - '0'};
    }
    // A song in the style's time signature whose chord bars hold every kind
    // of chord, expanded with the style.
    std::unique_ptr<Song> Accompany(const std::string& file) {
        auto song = std::make_unique<Song>("s", "a", kVariations, 100, SignatureOf(file), 0);
        song->AddAccompanimentTrack();
        const auto chords = EveryChordKind();
        for (int bar = 0; bar < kVariations; ++bar) {
            ChordCombo* box = static_cast<ChordBar*>(song->GetBar(0, bar))->GetBeatBox(0);
            box->SelectText(chords[static_cast<size_t>(bar)].name, false);
            box->SetSubStyle(chords[static_cast<size_t>(bar)].subStyle);
        }
        EXPECT_GT(PatternLibrary::ApplyStyle(*song, file), 0) << file;
        return song;
    }
    static const Bar& VariationBar(const Song& pattern, int track, int quality, int subStyle) {
        return *pattern.GetBar(track, ChordBar::PatternIndex(quality, subStyle));
    }

    std::vector<std::string> files;
};

TEST_F(ShippedStylesTest, TheStylesABeginnerNeedsAreShipped) {
    std::map<std::string, int> perSignature;
    for (const std::string& file : files) {
        ++perSignature[file.substr(0, 2)];
    }
    EXPECT_GE(perSignature["44"], 4);
    for (const char* signature : {"34", "68", "24", "22"}) {
        EXPECT_GE(perSignature[signature], 1) << signature;
    }
}

TEST_F(ShippedStylesTest, EveryStyleListsForItsTimeSignatureAndLoads) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const Song::TimeSignature signature = SignatureOf(file);
        const std::string name = file.substr(3, file.size() - 3 - 4);
        const auto listed =
            StyleCombo::StyleNamesFor(files, signature.numerator, signature.denominator);
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end());
        EXPECT_EQ(PatternLibrary::PatternFileName(signature.numerator, signature.denominator, name),
                  file);

        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        EXPECT_EQ(pattern->GetTimeSignature().numerator, signature.numerator);
        EXPECT_EQ(pattern->GetTimeSignature().denominator, signature.denominator);
        EXPECT_EQ(pattern->GetKeySignature(), 0) << "patterns are written on C";
        EXPECT_EQ(pattern->GetNumBars(), kVariations);
        for (int t = 0; t < pattern->GetNumTracks(); ++t) {
            EXPECT_EQ(pattern->GetTrack(t)->Bars().size(), static_cast<size_t>(kVariations))
                << pattern->GetTrack(t)->GetTitle();
        }
    }
}

TEST_F(ShippedStylesTest, EveryStyleHasABassAChordPartAndOneTrackPerDrum) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        int basses = 0;
        int chordParts = 0;
        int loudestPitched = 0;
        std::set<int> drums;
        for (int t = 0; t < pattern->GetNumTracks(); ++t) {
            const Track& track = *pattern->GetTrack(t);
            EXPECT_FALSE(track.GetTitle().empty());
            const int program = track.GetMidiProgNum();
            if (track.IsPercussion()) {
                EXPECT_TRUE(drums.insert(program).second) << "two tracks for drum " << program;
                continue;
            }
            loudestPitched = std::max(loudestPitched, track.GetVolume());
            if (track.GetTrackType() == BassTrack) {
                ++basses;
            } else if (program <= 7 || (program >= 24 && program <= 31) ||
                       (program >= 40 && program <= 51)) {
                ++chordParts;  // piano, guitar or strings
            }
        }
        EXPECT_EQ(basses, 1);
        EXPECT_GE(chordParts, 1);
        EXPECT_FALSE(drums.empty());
        EXPECT_TRUE(drums.count(kCrashKey)) << "endings need a crash";
        for (int t = 0; t < pattern->GetNumTracks(); ++t) {
            if (pattern->GetTrack(t)->IsPercussion()) {
                EXPECT_LT(pattern->GetTrack(t)->GetVolume(), loudestPitched)
                    << "drums sit under the band: " << pattern->GetTrack(t)->GetTitle();
            }
        }
    }
}

TEST_F(ShippedStylesTest, NotesStayWhereTheInstrumentsAreComfortable) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        for (int t = 0; t < pattern->GetNumTracks(); ++t) {
            const Track& track = *pattern->GetTrack(t);
            if (track.IsPercussion()) {
                continue;
            }
            // On C: bass from the E string's G to the octave above middle C's
            // neighbourhood, chords around middle C (key 60).
            const bool bass = track.GetTrackType() == BassTrack;
            const int lowest = bass ? 28 : 48;
            const int highest = bass ? 52 : 79;
            for (int p = 0; p < kVariations; ++p) {
                for (const Sound& sound : SoundsOf(*track.GetBar(p))) {
                    EXPECT_GE(sound.key, lowest) << track.GetTitle() << " bar " << p;
                    EXPECT_LE(sound.key, highest) << track.GetTitle() << " bar " << p;
                }
            }
        }
    }
}

TEST_F(ShippedStylesTest, EveryChordPlaysItsOwnVariationMovedToItsRoot) {
    const auto chords = EveryChordKind();
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto pattern = Load(file);
        const auto song = Accompany(file);
        ASSERT_NE(pattern, nullptr);
        const auto& outputs = song->GeneratedAccompaniment();
        ASSERT_EQ(outputs.size(), static_cast<size_t>(pattern->GetNumTracks()));
        for (int bar = 0; bar < kVariations; ++bar) {
            const ChordOfBar& chord = chords[static_cast<size_t>(bar)];
            const int row = ChordBar::PatternIndex(chord.quality, chord.subStyle);
            const int root = ChordCombo::RootOffsetOf(chord.name);
            bool differsFromRowZero = false;
            for (size_t t = 0; t < outputs.size(); ++t) {
                const Track& source = *pattern->GetTrack(static_cast<int>(t));
                const int shift = source.IsPercussion() ? 0 : root;
                const auto expected = SoundsOf(*source.GetBar(row), shift);
                EXPECT_EQ(SoundsOf(*outputs[t]->GetBar(bar)), expected)
                    << chord.name << " sub-style " << chord.subStyle << ", " << source.GetTitle();
                differsFromRowZero |= expected != SoundsOf(*source.GetBar(0), shift);
            }
            // Otherwise a fall-back to variation 0 could pass unnoticed.
            EXPECT_EQ(differsFromRowZero, row != 0) << chord.name << " row " << row;
        }
    }
}

TEST_F(ShippedStylesTest, EveryVariationSoundsItsChordsQuality) {
    const auto chords = EveryChordKind();
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto song = Accompany(file);
        for (int bar = 0; bar < kVariations; ++bar) {
            const ChordOfBar& chord = chords[static_cast<size_t>(bar)];
            std::set<int> heard;  // semitones above the chord's root
            for (const auto& output : song->GeneratedAccompaniment()) {
                if (output->IsPercussion()) {
                    continue;
                }
                for (const Sound& sound : SoundsOf(*output->GetBar(bar))) {
                    heard.insert(((sound.key - ChordCombo::RootOffsetOf(chord.name)) % 12 + 12) %
                                 12);
                }
            }
            SCOPED_TRACE(chord.name + " sub-style " + std::to_string(chord.subStyle));
            EXPECT_TRUE(heard.count(0)) << "the root";
            EXPECT_TRUE(heard.count(7)) << "the fifth";
            if (chord.quality == PatternLine::Minor) {
                EXPECT_TRUE(heard.count(3)) << "the minor third";
                EXPECT_FALSE(heard.count(4)) << "no major third";
            } else {
                EXPECT_TRUE(heard.count(4)) << "the major third";
                EXPECT_FALSE(heard.count(3)) << "no minor third";
            }
            if (chord.quality == PatternLine::Seventh) {
                EXPECT_TRUE(heard.count(10)) << "the minor seventh";
                EXPECT_FALSE(heard.count(11)) << "no major seventh";
            }
        }
    }
}

TEST_F(ShippedStylesTest, IntrosLeadInFillsFillAndEndingsEnd) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        const int steps = pattern->GetNumOfStepsPerBar();
        const int beat = pattern->GetNumOfStepsPerBeat();
        for (int quality = 0; quality < 3; ++quality) {
            SCOPED_TRACE("quality " + std::to_string(quality));
            size_t grooveDrums = 0, introDrums = 0, fillDrums = 0, grooveBass = 0, fillBass = 0;
            bool pickUp = false, crash = false;
            int finalStep = -1, lastStart = -1;
            for (int t = 0; t < pattern->GetNumTracks(); ++t) {
                const Track& track = *pattern->GetTrack(t);
                const auto groove = SoundsOf(VariationBar(*pattern, t, quality, 0));
                const auto fill = SoundsOf(VariationBar(*pattern, t, quality, 3));
                const auto intro = SoundsOf(VariationBar(*pattern, t, quality, 2));
                const auto ending = SoundsOf(VariationBar(*pattern, t, quality, 4));
                if (track.IsPercussion()) {
                    grooveDrums += groove.size();
                    introDrums += intro.size();
                    fillDrums += fill.size();
                    pickUp |= !intro.empty() && intro.back().step >= steps - beat;
                    crash |= track.GetMidiProgNum() == kCrashKey && !ending.empty();
                } else {
                    if (track.GetTrackType() == BassTrack) {
                        grooveBass += groove.size();
                        fillBass += fill.size();
                    }
                    if (!ending.empty()) {
                        finalStep = std::max(finalStep, ending.back().step);
                    }
                }
                if (!ending.empty()) {
                    lastStart = std::max(lastStart, ending.back().step);
                }
            }
            EXPECT_TRUE(pickUp) << "a drum leads into the groove on the intro's last beat";
            EXPECT_GT(fillDrums, grooveDrums) << "the fill-in's drums are busier";
            EXPECT_LT(introDrums, fillDrums) << "the intro builds up, the fill-in lets go";
            EXPECT_GT(fillBass, grooveBass) << "the bass runs in the fill-in";
            EXPECT_TRUE(crash) << "the ending has a crash";
            ASSERT_GE(finalStep, 0);
            EXPECT_EQ(lastStart, finalStep) << "nothing starts after the final chord";
            // The final chord is held: a chord part sounds from there for a beat or more.
            bool held = false;
            for (int t = 0; t < pattern->GetNumTracks(); ++t) {
                const Track& track = *pattern->GetTrack(t);
                if (track.GetTrackType() != TrebleTrack) {
                    continue;
                }
                for (const Sound& sound : SoundsOf(VariationBar(*pattern, t, quality, 4))) {
                    held |= sound.step == finalStep && sound.length >= beat;
                }
            }
            EXPECT_TRUE(held);
        }
    }
}

TEST_F(ShippedStylesTest, GeneratingTwiceGivesTheSameAccompaniment) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto first = Accompany(file);
        const auto second = Accompany(file);
        ASSERT_EQ(first->GeneratedAccompaniment().size(), second->GeneratedAccompaniment().size());
        for (size_t t = 0; t < first->GeneratedAccompaniment().size(); ++t) {
            for (int bar = 0; bar < kVariations; ++bar) {
                EXPECT_EQ(SoundsOf(*first->GeneratedAccompaniment()[t]->GetBar(bar)),
                          SoundsOf(*second->GeneratedAccompaniment()[t]->GetBar(bar)));
            }
        }
    }
}

TEST_F(ShippedStylesTest, TheShippedFilesAreWhatTheToolWrites) {
    const fs::path scratch =
        fs::temp_directory_path() / ("quillsong-styles-" + std::to_string(getpid()));
    fs::create_directories(scratch / "a");
    fs::create_directories(scratch / "b");
    StyleBuilder::WriteAll(StyleCatalog::All(), (scratch / "a").string());
    StyleBuilder::WriteAll(StyleCatalog::All(), (scratch / "b").string());
    const auto written = StyleFiles(scratch / "a");
    EXPECT_EQ(written, files) << "regenerate: quillsong_make_styles assets/Pattern";
    for (const std::string& file : written) {
        const std::string bytes = Bytes(scratch / "a" / file);
        EXPECT_EQ(bytes, Bytes(scratch / "b" / file)) << file << " differs between two runs";
        EXPECT_TRUE(bytes == Bytes(AssetsDir() / "Pattern" / file))
            << file << " is not what the tool writes; regenerate with quillsong_make_styles";
    }
    fs::remove_all(scratch);
}

// The descriptions are data a person edits; a slip must stop the tool, not
// ship a bar that sounds otherwise.
TEST(StyleDescriptionTest, LinesThatCannotBeWrittenAreRefused) {
    using Q = PatternLine::Quality;
    EXPECT_THROW(PatternLine::Parse("xxxxx", "", Q::Major, 96, true), std::invalid_argument)
        << "five cells do not divide a 4/4 bar";
    EXPECT_THROW(PatternLine::Parse("1----...", "", Q::Major, 96, false), std::invalid_argument)
        << "five eighths are no written value";
    EXPECT_THROW(PatternLine::Parse("x-. ... ... ...", "", Q::Major, 96, true),
                 std::invalid_argument)
        << "a triplet member cannot be held";
    EXPECT_THROW(PatternLine::Parse("1...", "", Q::Major, 96, true), std::invalid_argument)
        << "drums have no degrees";
    EXPECT_THROW(PatternLine::Parse("x,..", "1 3 5", Q::Major, 96, false), std::invalid_argument)
        << "an octave mark needs a degree";
    EXPECT_THROW(PatternLine::Parse("x...", "", Q::Major, 96, false), std::invalid_argument)
        << "a chord needs a voicing";
    EXPECT_THROW(PatternLine::Parse("-x..", "", Q::Major, 96, true), std::invalid_argument)
        << "nothing to hold";
}

// What Build reports for a description: the kind of error and its text.
std::string BuildError(const StyleDescription& style) {
    try {
        StyleBuilder::Build(style);
    } catch (const std::invalid_argument& e) {
        return std::string("description: ") + e.what();
    } catch (const std::logic_error& e) {
        return std::string("model: ") + e.what();
    }
    return "";
}

TEST(StyleDescriptionTest, TheToolNamesTheBarItCannotWrite) {
    StyleDescription style{"Broken", "Broken", 4, 4, 100, {}};
    // Two notes of one pitch in a chord: note entry refuses the second.
    style.parts.push_back({"Piano", PartKind::Chords, 0, 70, 5, "1 8,", {"x...", "", "", "", ""}});
    EXPECT_EQ(BuildError(style).rfind("model: Broken, Piano, bar 0: ", 0), 0u) << BuildError(style);
    style.parts.back().voicing = "1 3 5";
    style.parts.back().sections[1] = "x---- ...";
    EXPECT_EQ(BuildError(style).rfind("description: Broken, Piano, bar 2: ", 0), 0u)
        << "B is bar 2: " << BuildError(style);
    style.parts.back().sections[1] = "x--- ....";
    EXPECT_EQ(BuildError(style), "");
}

TEST(StyleDescriptionTest, AGroupOfTripletCellsIsOneNoteOrThreeMembers) {
    // A swung beat: a quarter, then the last third of the next beat.
    const auto events = PatternLine::Parse("x-- ..x ... ...", "", PatternLine::Major, 96, true);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], (PatternLine::Event{0, 24, false, {0}}));
    EXPECT_EQ(events[1], (PatternLine::Event{40, 8, true, {0}}));
}

}  // namespace
