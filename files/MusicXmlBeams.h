#pragma once

#include <string>
#include <unordered_map>
#include <vector>

class NoteBar;
class NoteChord;

// The beams of a note bar's chords as the score draws them (the same
// grouping by beats and triplet groups), in MusicXML's terms: for a chord of
// a beamed group, one value per beam level from the eighth's beam down,
// "begin", "continue", "end", or a "forward hook" / "backward hook" for a
// lone shorter note's stub. Chords drawn alone have no beams. Also keeps
// which way each chord's stem points as drawn, found in the same pass.
class MusicXmlBeams {
public:
    explicit MusicXmlBeams(const NoteBar& bar);

    // Empty when the chord is not beamed.
    const std::vector<std::string>& At(const NoteChord& chord) const;
    // Whether the chord's stem points down, alone or with its beamed group.
    bool StemsDown(const NoteChord& chord) const;

private:
    std::unordered_map<const NoteChord*, std::vector<std::string>> m_beams;
    std::unordered_map<const NoteChord*, bool> m_stemsDown;
};
