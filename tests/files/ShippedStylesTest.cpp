#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
#include "model/DynamicMark.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "model/StyleCombo.h"
#include "platform/DirectoryListing.h"
#include "platform/ProgramPaths.h"
#include "playback/NoteSoundEvent.h"
#include "playback/SoundEngine.h"
#include "support/EngineReset.h"
#include "tools/PatternBarWriter.h"
#include "tools/PatternLine.h"
#include "tools/PitchRange.h"
#include "tools/StyleBuilder.h"
#include "tools/StyleCatalog.h"

namespace {

namespace fs = std::filesystem;

constexpr int kVariations = 15;
constexpr int kCrashKey = 49;
const char* const kQualitySuffix[] = {"", "m", "7"};
const char* const kSharpRoots[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
const char* const kFlatRoots[] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
constexpr int kPercussionChannel = 9;
constexpr int kLowestDrumKey = 35;
constexpr int kHighestDrumKey = 81;

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

// Every variation on every root, in sharp names (key signature 0) or flat
// ones (key signature -1): between them they reach every root offset from
// Ab (-4) to G# (+8). Bar 15r + p holds root r and pattern row p.
struct RootedChord {
    int quality;
    int subStyle;
    int row;
    std::string name;
};
std::vector<RootedChord> EveryRootAndVariation(bool flats) {
    std::vector<RootedChord> chords;
    for (const char* root : flats ? kFlatRoots : kSharpRoots) {
        for (int quality = 0; quality < 3; ++quality) {
            for (int subStyle = ChordCombo::StyleA; subStyle <= ChordCombo::Ending; ++subStyle) {
                chords.push_back({quality, subStyle, ChordBar::PatternIndex(quality, subStyle),
                                  std::string(root) + kQualitySuffix[quality]});
            }
        }
    }
    return chords;
}

// The pitch classes sounding in a bar, counted from the chord's root.
std::set<int> PitchClassesAbove(const std::vector<Sound>& sounds, int rootOffset) {
    std::set<int> classes;
    for (const Sound& sound : sounds) {
        classes.insert(((sound.key - rootOffset) % 12 + 12) % 12);
    }
    return classes;
}

// A note playback sends, and which part of the style sent it: a pitched
// part by its channel, a drum by its key on the percussion channel.
struct Played {
    int bar;
    int step;
    int channel;
    int key;
    int velocity;

    std::pair<int, int> Part() const { return {channel, channel == kPercussionChannel ? key : -1}; }
};

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
    // A song whose chord bars hold the chords, one a bar on beat 0.
    static std::unique_ptr<Song> ChordSong(const std::string& file, int keySignature,
                                           const std::vector<std::string>& names,
                                           const std::vector<int>& subStyles) {
        auto song = std::make_unique<Song>("s", "a", static_cast<int>(names.size()), 100,
                                           SignatureOf(file), keySignature);
        song->AddAccompanimentTrack();
        for (size_t bar = 0; bar < names.size(); ++bar) {
            ChordCombo* box =
                static_cast<ChordBar*>(song->GetBar(0, static_cast<int>(bar)))->GetBeatBox(0);
            EXPECT_TRUE(box->SelectText(names[bar], false)) << names[bar];
            box->SetSubStyle(subStyles[bar]);
        }
        return song;
    }
    static std::string StyleName(const std::string& file) {
        return file.substr(3, file.size() - 3 - 4);
    }
    // Every note playback of the song sends, bar by bar and step by step,
    // through the sound engine as a play would build them.
    static std::vector<Played> PlayedNotes(Song& song, const std::string& file) {
        SoundEngine& engine = SoundEngine::Instance();
        engine.SetTimeSignature(song.GetTimeSignature().numerator,
                                song.GetTimeSignature().denominator);
        engine.SetStyleName(StyleName(file));
        EXPECT_EQ(engine.PrepareToPlay(song, 0), SoundEngine::NoError) << file;
        std::vector<Played> played;
        for (int bar = 0; bar < song.GetNumBars(); ++bar) {
            for (int step = 0; step < song.GetNumOfStepsPerBar(); ++step) {
                SoundEngine::EventList events;
                engine.CollectStepEvents(song, bar, step, events);
                for (const auto& event : events) {
                    if (const auto* sound = dynamic_cast<const NoteSoundEvent*>(event.get())) {
                        played.push_back({bar, step, sound->NoteOn().Channel(),
                                          sound->NoteOn().Data1(), sound->NoteOn().Data2()});
                    }
                }
            }
        }
        return played;
    }
    // The song of every chord kind (as Accompany makes it), played.
    std::vector<Played> PlayEveryChordKind(const std::string& file) {
        std::vector<std::string> names;
        std::vector<int> subStyles;
        for (const ChordOfBar& chord : EveryChordKind()) {
            names.push_back(chord.name);
            subStyles.push_back(chord.subStyle);
        }
        auto song = ChordSong(file, 0, names, subStyles);
        return PlayedNotes(*song, file);
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

TEST_F(ShippedStylesTest, ThirtyStylesInFiveTimeSignaturesWithTheGenresABeginnerAsksFor) {
    EXPECT_GE(files.size(), 30u);
    const std::map<std::string, size_t> atLeast = {
        {"44", 12}, {"34", 3}, {"68", 2}, {"24", 2}, {"22", 2}};
    for (const auto& [signature, count] : atLeast) {
        EXPECT_GE(std::count_if(
                      files.begin(), files.end(),
                      [&](const std::string& file) { return file.starts_with(signature + "_"); }),
                  static_cast<long>(count))
            << signature;
    }
    for (const char* wanted :
         {"44_Pop.qsx",          "44_Rock.qsx",         "44_Ballad.qsx",        "44_Swing.qsx",
          "34_Waltz.qsx",        "68_SlowRock.qsx",     "24_Polka.qsx",         "22_March.qsx",
          "44_BossaNova.qsx",    "24_Samba.qsx",        "44_ChaCha.qsx",        "44_Rumba.qsx",
          "24_Tango.qsx",        "44_Reggae.qsx",       "22_Country.qsx",       "44_Folk.qsx",
          "44_BluesShuffle.qsx", "44_Boogie.qsx",       "44_Gospel.qsx",        "44_Funk.qsx",
          "44_Disco.qsx",        "34_JazzWaltz.qsx",    "34_VienneseWaltz.qsx", "68_Jig.qsx",
          "44_SoftRock.qsx",     "44_HardRock.qsx",     "44_Soul.qsx",          "44_LatinPop.qsx",
          "34_Lullaby.qsx",      "44_ChildrensSong.qsx"}) {
        EXPECT_NE(std::find(files.begin(), files.end(), wanted), files.end()) << wanted;
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

// Every style, variation and root the chord names reach (Ab -4 to G# +8):
// the bass stays on a bass guitar (E1, key 28, to middle C), chord parts
// around middle C, and the chord sounds with its own third and seventh.
TEST_F(ShippedStylesTest, EveryRootKeepsThePartsInRangeAndPlaysTheChordTones) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        std::set<int> offsetsReached;
        for (const bool flats : {false, true}) {
            const auto chords = EveryRootAndVariation(flats);
            std::vector<std::string> names;
            std::vector<int> subStyles;
            for (const RootedChord& chord : chords) {
                names.push_back(chord.name);
                subStyles.push_back(chord.subStyle);
            }
            auto song = ChordSong(file, flats ? -1 : 0, names, subStyles);
            ASSERT_GT(PatternLibrary::ApplyStyle(*song, file), 0);
            for (size_t bar = 0; bar < chords.size(); ++bar) {
                const RootedChord& chord = chords[bar];
                const int offset = ChordCombo::RootOffsetOf(chord.name);
                offsetsReached.insert(offset);
                std::vector<Sound> heard;
                for (const auto& output : song->GeneratedAccompaniment()) {
                    if (output->IsPercussion()) {
                        continue;
                    }
                    const bool bass = output->GetTrackType() == BassTrack;
                    const auto sounds = SoundsOf(*output->GetBar(static_cast<int>(bar)));
                    for (const Sound& sound : sounds) {
                        EXPECT_GE(sound.key, bass ? 28 : 48)
                            << output->GetTitle() << " on " << chord.name << " row " << chord.row;
                        EXPECT_LE(sound.key, bass ? 60 : 84)
                            << output->GetTitle() << " on " << chord.name << " row " << chord.row;
                    }
                    heard.insert(heard.end(), sounds.begin(), sounds.end());
                }
                const std::set<int> classes = PitchClassesAbove(heard, offset);
                SCOPED_TRACE(chord.name + " row " + std::to_string(chord.row));
                EXPECT_TRUE(classes.count(0) && classes.count(7)) << "root and fifth";
                const int third = chord.quality == PatternLine::Minor ? 3 : 4;
                EXPECT_TRUE(classes.count(third)) << "its own third";
                EXPECT_FALSE(classes.count(7 - third)) << "not the other third";
                if (chord.quality == PatternLine::Seventh) {
                    EXPECT_TRUE(classes.count(10) && !classes.count(11)) << "the minor seventh";
                }
            }
        }
        EXPECT_EQ(offsetsReached.size(), 13u) << "every offset from -4 to +8";
    }
}

// Distorted guitars play power chords: a third under distortion turns to mud.
TEST_F(ShippedStylesTest, DistortedGuitarsPlayRootAndFifthOnly) {
    constexpr int kOverdriven = 29;
    constexpr int kDistortion = 30;
    int distorted = 0;
    for (const std::string& file : files) {
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        for (int t = 0; t < pattern->GetNumTracks(); ++t) {
            const Track& track = *pattern->GetTrack(t);
            const int program = track.GetMidiProgNum();
            if (track.IsPercussion() || (program != kOverdriven && program != kDistortion)) {
                continue;
            }
            ++distorted;
            for (int p = 0; p < kVariations; ++p) {
                EXPECT_EQ(PitchClassesAbove(SoundsOf(*track.GetBar(p)), 0), (std::set<int>{0, 7}))
                    << file << " " << track.GetTitle() << " bar " << p;
            }
        }
    }
    EXPECT_GE(distorted, 2) << "rock and hard rock have their distorted guitar";
}

// Drums reach the synthesizer on the percussion channel as General MIDI
// drum keys, and nothing else does.
TEST_F(ShippedStylesTest, DrumsPlayOnThePercussionChannelWithGeneralMidiKeys) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        std::set<int> drumKeys;
        for (int t = 0; t < pattern->GetNumTracks(); ++t) {
            if (pattern->GetTrack(t)->IsPercussion()) {
                drumKeys.insert(pattern->GetTrack(t)->GetMidiProgNum());
            }
        }
        const auto song = Accompany(file);
        size_t drumNotes = 0;
        for (const auto& output : song->GeneratedAccompaniment()) {
            for (int bar = 0; output->IsPercussion() && bar < kVariations; ++bar) {
                drumNotes += SoundsOf(*output->GetBar(bar)).size();
            }
        }
        size_t onPercussionChannel = 0;
        for (const Played& note : PlayEveryChordKind(file)) {
            if (note.channel == kPercussionChannel) {
                ++onPercussionChannel;
                EXPECT_GE(note.key, kLowestDrumKey);
                EXPECT_LE(note.key, kHighestDrumKey);
                EXPECT_TRUE(drumKeys.count(note.key)) << "key " << note.key;
            }
        }
        EXPECT_EQ(onPercussionChannel, drumNotes);
        EXPECT_GT(drumNotes, 0u);
    }
}

// The grooves breathe: in A and B every part that strikes more than once
// plays at more than one velocity (accents, backbeats, ghost notes). A held
// pad, one chord a bar, is one stroke.
TEST_F(ShippedStylesTest, EveryPartOfTheGroovesPlaysAtMoreThanOneVelocity) {
    const auto chords = EveryChordKind();
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        std::map<std::pair<int, std::pair<int, int>>, std::set<int>> velocities;
        std::map<std::pair<int, std::pair<int, int>>, std::set<int>> strokes;
        for (const Played& note : PlayEveryChordKind(file)) {
            const int subStyle = chords[static_cast<size_t>(note.bar)].subStyle;
            if (subStyle == ChordCombo::StyleA || subStyle == ChordCombo::StyleB) {
                velocities[{note.bar, note.Part()}].insert(note.velocity);
                strokes[{note.bar, note.Part()}].insert(note.step);
            }
        }
        ASSERT_FALSE(strokes.empty());
        for (const auto& [barAndPart, steps] : strokes) {
            if (steps.size() > 1) {
                EXPECT_GE(velocities[barAndPart].size(), 2u)
                    << chords[static_cast<size_t>(barAndPart.first)].name << " sub-style "
                    << chords[static_cast<size_t>(barAndPart.first)].subStyle << ", channel "
                    << barAndPart.second.first << " key " << barAndPart.second.second;
            }
        }
    }
}

// The intro comes in under the groove; the ending's final chord is the
// loudest its part plays.
TEST_F(ShippedStylesTest, IntrosStartSofterThanTheGrooveAndEndingsLand) {
    const auto chords = EveryChordKind();
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        const auto played = PlayEveryChordKind(file);
        for (int quality = 0; quality < 3; ++quality) {
            SCOPED_TRACE("quality " + std::to_string(quality));
            // Bar 5q + s of the song holds quality q and sub-style s.
            const auto barOf = [&](int subStyle) { return 5 * quality + subStyle; };
            std::map<std::pair<int, int>, int> introOnOne, grooveOnOne, grooveLoudest, last;
            int finalStep = -1;
            for (const Played& note : played) {
                if (note.bar == barOf(ChordCombo::Intro) && note.step == 0) {
                    introOnOne[note.Part()] = note.velocity;
                } else if (note.bar == barOf(ChordCombo::StyleA)) {
                    if (note.step == 0) {
                        grooveOnOne[note.Part()] = note.velocity;
                    }
                    grooveLoudest[note.Part()] =
                        std::max(grooveLoudest[note.Part()], note.velocity);
                } else if (note.bar == barOf(ChordCombo::Ending) &&
                           note.channel != kPercussionChannel && note.step >= finalStep) {
                    if (note.step > finalStep) {
                        last.clear();
                        finalStep = note.step;
                    }
                    last[note.Part()] = std::max(last[note.Part()], note.velocity);
                }
            }
            int softer = 0;
            for (const auto& [part, velocity] : introOnOne) {
                if (const auto groove = grooveOnOne.find(part); groove != grooveOnOne.end()) {
                    EXPECT_LE(velocity, groove->second)
                        << "channel " << part.first << " key " << part.second;
                    softer += velocity < groove->second ? 1 : 0;
                }
            }
            EXPECT_GT(softer, 0) << "some part comes in softer than the groove";
            bool lands = false;
            for (const auto& [part, velocity] : last) {
                lands |= velocity > grooveLoudest[part];
            }
            EXPECT_TRUE(lands) << "the final chord outplays the groove";
        }
    }
}

// Intro, fill-in and ending are bars of their own, not the groove again.
TEST_F(ShippedStylesTest, EverySectionSoundsDifferentFromTheGrooves) {
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        for (int quality = 0; quality < 3; ++quality) {
            std::array<std::vector<std::vector<Sound>>, 5> sections;
            for (int subStyle = ChordCombo::StyleA; subStyle <= ChordCombo::Ending; ++subStyle) {
                for (int t = 0; t < pattern->GetNumTracks(); ++t) {
                    sections[static_cast<size_t>(subStyle)].push_back(
                        SoundsOf(VariationBar(*pattern, t, quality, subStyle)));
                }
            }
            EXPECT_NE(sections[0], sections[1]) << "A and B, quality " << quality;
            for (const int subStyle : {ChordCombo::Intro, ChordCombo::FillIn, ChordCombo::Ending}) {
                for (const int groove : {ChordCombo::StyleA, ChordCombo::StyleB}) {
                    EXPECT_NE(sections[static_cast<size_t>(subStyle)],
                              sections[static_cast<size_t>(groove)])
                        << "sub-style " << subStyle << " against " << groove << ", quality "
                        << quality;
                }
            }
        }
    }
}

// Two styles of one time signature are told apart by their groove: the
// rhythm of their bass, chord parts and drums in variation A differs.
TEST_F(ShippedStylesTest, StylesOfOneTimeSignatureHaveGroovesOfTheirOwn) {
    std::map<std::string, std::map<std::vector<std::pair<int, std::vector<int>>>, std::string>>
        grooves;
    for (const std::string& file : files) {
        const auto pattern = Load(file);
        ASSERT_NE(pattern, nullptr);
        // Per part: its kind (bass -1, chords -2) or drum key, and its onsets.
        std::vector<std::pair<int, std::vector<int>>> groove;
        for (int t = 0; t < pattern->GetNumTracks(); ++t) {
            const Track& track = *pattern->GetTrack(t);
            const int part = track.IsPercussion()                ? track.GetMidiProgNum()
                             : track.GetTrackType() == BassTrack ? -1
                                                                 : -2;
            std::vector<int> onsets;
            for (const Sound& sound : SoundsOf(*track.GetBar(0))) {
                if (onsets.empty() || onsets.back() != sound.step) {
                    onsets.push_back(sound.step);
                }
            }
            groove.emplace_back(part, onsets);
        }
        std::sort(groove.begin(), groove.end());
        auto& same = grooves[file.substr(0, 2)];
        const auto [earlier, added] = same.emplace(groove, file);
        EXPECT_TRUE(added) << file << " grooves like " << earlier->second;
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

// Stress marks belong to the sound after them; a slip must stop the tool.
TEST(StyleDescriptionTest, StressMarksStandBeforeASound) {
    using Q = PatternLine::Quality;
    for (const char* line : {"x>..", "xx!-", "xxx~", ">Xxx", "~oxx", ">>xx"}) {
        EXPECT_THROW(PatternLine::Parse(line, "", Q::Major, 96, true), std::invalid_argument)
            << line;
    }
    const auto events = PatternLine::Parse(">1 ~3 !5 8", "", Q::Minor, 96, false);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].stress, PatternLine::Accent);
    EXPECT_EQ(events[1].stress, PatternLine::Ghost);
    EXPECT_EQ(events[1].semitones, std::vector<int>{3});
    EXPECT_EQ(events[2].stress, PatternLine::Strong);
    EXPECT_EQ(events[3].stress, PatternLine::Plain);
}

// Whatever octave a line names, the folded key keeps its pitch class and
// stays in the part's range under every chord root from Ab to G#.
TEST(StyleDescriptionTest, FoldingKeepsEveryKeyInRangeForEveryRoot) {
    for (const PartKind kind : {PartKind::Bass, PartKind::Chords}) {
        const PitchRange range = PitchRange::For(kind);
        for (int key = 0; key < 128; ++key) {
            const int folded = range.Fold(key);
            EXPECT_EQ((folded - key) % 12, 0) << key;
            for (int offset = PitchRange::kLowestRootOffset;
                 offset <= PitchRange::kHighestRootOffset; ++offset) {
                EXPECT_GE(folded + offset, range.Lowest()) << key << " " << offset;
                EXPECT_LE(folded + offset, range.Highest()) << key << " " << offset;
            }
        }
    }
    EXPECT_EQ(PitchRange::For(PartKind::Bass).Lowest(), 28) << "a bass guitar's low E";
}

// A bar may follow any other, so its first sound names its level; a ghost
// note takes the level down and the next plain sound brings it back, and an
// accent on a plain level is an accent mark.
TEST(StyleDescriptionTest, MarksGiveEverySoundItsStressAtTheSectionsLevel) {
    const auto events = PatternLine::Parse("x ~x x >x", "", PatternLine::Major, 96, true);
    EXPECT_EQ(PatternBarWriter::MarksFor(events, DynamicMark::MF),
              (std::map<int, int>{{0, DynamicMark::MF},
                                  {24, DynamicMark::P},
                                  {48, DynamicMark::MF},
                                  {72, DynamicMark::Accent}}));
    const auto accentFirst = PatternLine::Parse("!x x", "", PatternLine::Major, 96, true);
    EXPECT_EQ(PatternBarWriter::MarksFor(accentFirst, DynamicMark::F),
              (std::map<int, int>{{0, DynamicMark::FFF}, {48, DynamicMark::F}}))
        << "one mark to a step: the accent becomes a louder level";
}

}  // namespace
