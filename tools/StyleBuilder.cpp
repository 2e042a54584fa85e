#include "tools/StyleBuilder.h"

#include <stdexcept>

#include "files/PatternLibrary.h"
#include "files/SongFiles.h"
#include "model/DynamicMark.h"
#include "model/InstrumentCombo.h"
#include "model/NoteBar.h"
#include "model/Song.h"
#include "playback/SoundEngine.h"
#include "tools/PatternBarWriter.h"
#include "tools/PitchRange.h"

namespace {

constexpr const char* kAuthor = "Quillsong";
// Two bars to a line put each major variation beside its minor one when the
// file is opened in the editor.
constexpr int kBarsPerLine = 2;

// The level plain sounds play at in each section, in sub-style order: the
// grooves at mezzo-forte, the intro softer so that it can build, the fill-in
// and the ending louder so that they push and land.
constexpr std::array<int, 5> kSectionLevels = {DynamicMark::MF, DynamicMark::MF, DynamicMark::MP,
                                               DynamicMark::F, DynamicMark::F};

int AddTrack(Song& song, PartKind kind) {
    switch (kind) {
        case PartKind::Bass:
            return song.AddBassTrack();
        case PartKind::Chords:
            return song.AddTrebleTrack();
        case PartKind::Drum:
            return song.AddPercussionTrack();
    }
    return -1;
}

std::string Where(const StyleDescription& style, const StylePart& part, int bar) {
    return std::string(style.name) + ", " + part.title + ", bar " + std::to_string(bar) + ": ";
}

}  // namespace

const std::array<StyleBuilder::Variation, StyleBuilder::kNumVariations>&
StyleBuilder::Variations() {
    using Q = PatternLine::Quality;
    static const std::array<Variation, kNumVariations> kOrder = {{{Q::Major, 0},
                                                                  {Q::Minor, 0},
                                                                  {Q::Major, 1},
                                                                  {Q::Minor, 1},
                                                                  {Q::Major, 2},
                                                                  {Q::Minor, 2},
                                                                  {Q::Major, 3},
                                                                  {Q::Minor, 3},
                                                                  {Q::Major, 4},
                                                                  {Q::Minor, 4},
                                                                  {Q::Seventh, 0},
                                                                  {Q::Seventh, 1},
                                                                  {Q::Seventh, 2},
                                                                  {Q::Seventh, 3},
                                                                  {Q::Seventh, 4}}};
    return kOrder;
}

std::unique_ptr<Song> StyleBuilder::Build(const StyleDescription& style) {
    auto song = std::make_unique<Song>(style.title, kAuthor, kNumVariations, style.tempo,
                                       Song::TimeSignature{style.numerator, style.denominator}, 0);
    if (song->GetNumOfStepsPerBar() <= 0) {
        throw std::invalid_argument(std::string(style.name) + ": no such time signature");
    }
    for (const StylePart& part : style.parts) {
        AddPart(*song, style, part);
    }
    return song;
}

void StyleBuilder::AddPart(Song& song, const StyleDescription& style, const StylePart& part) {
    const int slot = AddTrack(song, part.kind);
    if (slot < 0) {
        throw std::invalid_argument(std::string(style.name) + ": no room for " + part.title);
    }
    Track& track = *song.GetTrack(slot);
    track.SetTitle(part.title);
    static_cast<InstrumentCombo*>(track.GetSelector())->SetProgram(part.program, false);
    track.GetVolumeSlider()->SetValue(part.volume, false);
    if (track.GetMidiProgNum() != part.program || track.GetVolume() != part.volume) {
        throw std::invalid_argument(std::string(style.name) + ": " + part.title +
                                    " has no such program or volume");
    }
    const bool drums = part.kind == PartKind::Drum;
    const int rootKey = 12 * part.rootOctave;
    for (int p = 0; p < kNumVariations; ++p) {
        const Variation& variation = Variations()[static_cast<size_t>(p)];
        const auto section = static_cast<size_t>(variation.section);
        auto& bar = static_cast<NoteBar&>(*track.GetBar(p));
        try {
            auto events = PatternLine::Parse(part.sections[section], part.voicing,
                                             variation.quality, song.GetNumOfStepsPerBar(), drums);
            if (!drums) {
                PitchRange::For(part.kind).Fold(events, rootKey);
            }
            PatternBarWriter(bar, rootKey, drums).Write(events, kSectionLevels[section]);
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument(Where(style, part, p) + e.what());
        } catch (const std::logic_error& e) {
            throw std::logic_error(Where(style, part, p) + e.what());
        }
    }
}

std::string StyleBuilder::FileName(const StyleDescription& style) {
    return PatternLibrary::PatternFileName(style.numerator, style.denominator, style.name);
}

std::vector<std::string> StyleBuilder::WriteAll(const std::vector<StyleDescription>& styles,
                                                const std::string& folder) {
    std::vector<std::string> written;
    for (const StyleDescription& style : styles) {
        const std::unique_ptr<Song> song = Build(style);
        // Saving takes both from the program's state rather than the song.
        SoundEngine::Instance().SetTempo(style.tempo, false);
        Track::SetBarsPerLine(kBarsPerLine);
        const std::string path = folder + "/" + FileName(style);
        SongFiles::Save(*song, path);
        written.push_back(path);
    }
    return written;
}
