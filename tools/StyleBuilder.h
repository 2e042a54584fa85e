#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "tools/PatternLine.h"
#include "tools/StyleDescription.h"

class Song;

// Turns a style description into the pattern song the accompaniment reads:
// key signature 0, one bar per variation, one track per part (a bass track
// for the bass, treble tracks for chords, a percussion track for each drum
// sound), and saves it as "<numerator><denominator>_<name>.qsx". Pitched
// notes are folded by octaves into their part's PitchRange, and dynamic marks
// carry each section's level and the lines' stresses.
class StyleBuilder {
public:
    struct Variation {
        PatternLine::Quality quality;
        // The section, as the chord box's sub-style: A 0, B 1, intro 2,
        // fill-in 3, ending 4.
        int section;
    };
    static constexpr int kNumVariations = 15;
    // What bar p of a pattern song holds: major and minor A, B, intro,
    // fill-in and ending in pairs, then the five seventh variations.
    static const std::array<Variation, kNumVariations>& Variations();

    // The pattern song of the style. Throws std::invalid_argument for a
    // description that cannot be written and std::logic_error when the
    // model refuses it.
    static std::unique_ptr<Song> Build(const StyleDescription& style);
    // The file the style is saved as, e.g. "34_Waltz.qsx".
    static std::string FileName(const StyleDescription& style);
    // Builds every style and saves it into the folder, which must exist.
    // Returns the paths written. Leaves the engine's tempo and the bars per
    // line as the files say, since saving writes them.
    static std::vector<std::string> WriteAll(const std::vector<StyleDescription>& styles,
                                             const std::string& folder);

private:
    static void AddPart(Song& song, const StyleDescription& style, const StylePart& part);
};
