#include "model/PercussionBar.h"

#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/NoteBarPainter.h"
#include "model/Palette.h"

namespace {
constexpr int kDrumLineDy = 85;
}  // namespace

PercussionBar::PercussionBar(Track* track, int index, const Box& box) : NoteBar(track, index, box) {
    PutWholeBarRest();
}

std::unique_ptr<SelObject> PercussionBar::Clone() const {
    return std::make_unique<PercussionBar>(*this);
}

bool PercussionBar::ChangeKey(int, bool) {
    return true;
}

int PercussionBar::MidiKeyOf(const Note& note) const {
    return note.IsRest() ? -1 : PropertyOr("MidiProgNum", kDefaultDrumKey);
}

NoteBar::Placement PercussionBar::PlaceNote(const Note& note) const {
    Placement placement;
    placement.x = StepX(note);
    const bool wholeBarRest = note.IsRest() && note.GetLength() == GetSteps();
    placement.y = GetBox().y + (wholeBarRest ? 100 : 80);
    placement.onLine = true;
    return placement;
}

NoteBar::Pitch PercussionBar::PitchAt(int, int, const PencilSettings&) const {
    return Pitch{'C', 5, Note::NoAccidental, false};
}

void PercussionBar::NormalizeEnteredPitch(char& letter, int& octave, int& accidental) const {
    letter = 'C';
    octave = 5;
    accidental = Note::NoAccidental;
}

void PercussionBar::NormalizeLoadedNote(Note& note) const {
    if (!note.IsRest()) {
        note.SetPitch(5, 'C');
    }
}

void PercussionBar::DrawStaffLines(DeviceContext& dc, bool header) const {
    dc.SelectPen(DrawResources::Instance().blackPen);
    NoteBarPainter(*this).DrawStaffLine(dc, GetBox().y + kDrumLineDy, header);
}

void PercussionBar::DrawHeader(DeviceContext& dc) const {
    dc.SelectFont(DrawResources::Instance().scoreFont);
    dc.SetTextColor(Palette::kInk);
    NoteBarPainter(*this).DrawTimeSignature(dc);
}
