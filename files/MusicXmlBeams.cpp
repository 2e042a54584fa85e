#include "files/MusicXmlBeams.h"

#include "model/BeamedGroup.h"
#include "model/NoteBar.h"
#include "model/NoteBarPainter.h"

namespace {

// The value of one beam level at chord k of a group, as the painter draws
// that level: runs of neighbours that carry it, and a stub for a lone one,
// pointing right on the group's first chord and left elsewhere.
std::string LevelValue(const BeamedGroup& group, int k, int level) {
    const bool before = k > 0 && group.BeamsOf(k - 1) >= level;
    const bool after = k + 1 < group.Size() && group.BeamsOf(k + 1) >= level;
    if (before && after) {
        return "continue";
    }
    if (before) {
        return "end";
    }
    if (after) {
        return "begin";
    }
    return k == 0 ? "forward hook" : "backward hook";
}

}  // namespace

MusicXmlBeams::MusicXmlBeams(const NoteBar& bar) {
    NoteBarPainter(bar).VisitGroups([this](const BeamedGroup& group) {
        const bool down = group.StemsDown();
        for (int k = 0; k < group.Size(); ++k) {
            m_stemsDown[&group.At(k)] = down;
        }
        if (group.Size() < 2) {
            return;
        }
        for (int k = 0; k < group.Size(); ++k) {
            std::vector<std::string>& levels = m_beams[&group.At(k)];
            for (int level = 1; level <= group.BeamsOf(k); ++level) {
                levels.push_back(LevelValue(group, k, level));
            }
        }
    });
}

const std::vector<std::string>& MusicXmlBeams::At(const NoteChord& chord) const {
    static const std::vector<std::string> kNone;
    const auto found = m_beams.find(&chord);
    return found == m_beams.end() ? kNone : found->second;
}

bool MusicXmlBeams::StemsDown(const NoteChord& chord) const {
    const auto found = m_stemsDown.find(&chord);
    return found != m_stemsDown.end() && found->second;
}
