#pragma once

#include <memory>
#include <vector>

#include "model/Bar.h"
#include "model/ChordCombo.h"
#include "model/Observer.h"

// A bar of the accompaniment track: one chord box per beat. The bar observes
// its boxes (aspects 8 and 10) and passes their notifications on as its own,
// so a change of chord reaches the view as a change of the bar.
class ChordBar : public Bar, public Observer {
public:
    ChordBar(Track* track, int index, const Box& box);
    ChordBar(const ChordBar& other);
    ChordBar& operator=(const ChordBar&) = delete;

    const char* GetClassName() const override { return "ChordBar"; }
    std::unique_ptr<SelObject> Clone() const override;
    SelObject* HitTest(int x, int y) override;
    Rect GetBoundingRect() const override;
    bool SameKindAs(const SelObject& source) const override;
    // Every box draws itself while the bar is in the area being painted.
    void Draw(DeviceContext& dc) override;
    // Chord bars have no ties, so the edges do not matter.
    void PasteIfSameKind(const SelObject& source, int edges) override;

    void PlaceNotes(const Box& box) override;
    void ClearContent() override;
    // Boxes from the beat on become copies of the source's boxes from its start.
    void PasteFrom(const Bar& source, int beatOffset) override;
    // Respells the boxes for the new key and moves every chord by the distance
    // between the two keys' tonics. Always succeeds.
    bool ChangeKey(int newKey, bool upward) override;
    // One bar element per box in step order. Reading puts each box read at
    // its step, replacing the box there; bar 0's first box keeps a sub-style.
    void Serialize(Archive& archive) override;
    void Update(Subject* subject, int aspect) override;

    // The variations of an accompaniment style: row p holds bar p of every
    // pattern track (p = 0 ... 14).
    using PatternRows = std::vector<std::vector<const Bar*>>;
    // Fills this bar's output bars (one per pattern track) from the chords of
    // its beats: every chord restarts its variation's pattern, moved to the
    // chord's root on melodic tracks and copied whole on drum tracks. The last
    // box with a sub-style is shared by every bar of one generation.
    void FillAccompaniment(const PatternRows& rows, const std::vector<Bar*>& outputBars,
                           const ChordCombo*& lastStyled) const;
    // Which variation a chord of the quality (0 major, 1 minor, 2 seventh)
    // plays with the sub-style.
    static int PatternIndex(int quality, int subStyle);

    int GetNumBeats() const { return m_beats; }
    // The box of the beat starting at the step, or null.
    ChordCombo* GetBoxAt(int step) const;
    // The box of beat i, or null.
    ChordCombo* GetBeatBox(int beat) const;

    // Replaces any box at the step by this one, owned by and reporting to the bar.
    void AdoptBox(std::unique_ptr<ChordCombo> box, int step);

private:
    // Rebuilding from an undo record replaces the boxes directly.
    friend class SongRecordReader;

    static void PlayPattern(const Bar& pattern, int rootOffset, int beat, Bar& output);

    int m_beats;
    std::vector<std::unique_ptr<ChordCombo>> m_boxes;
};
