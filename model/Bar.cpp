#include "model/Bar.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "model/DeviceContext.h"
#include "model/DrawResources.h"
#include "model/EditingState.h"
#include "model/Note.h"
#include "model/Track.h"

namespace {
constexpr int kMaxKey = 6;
// Letters in the order a key signature adds them.
constexpr std::string_view kSharpOrder = "FCGDAE";
constexpr std::string_view kFlatOrder = "BEADGC";

bool IsKey(int key) {
    return key >= -kMaxKey && key <= kMaxKey;
}
}  // namespace

Bar::Bar(Track* track, int index, const Box& box)
    : SelObject(track, false),
      m_index(index),
      m_steps(std::max(1, PropertyOr("NumOfStepsPerBar", 96))),
      m_box(box) {}

Track* Bar::GetTrack() const {
    return static_cast<Track*>(GetParent());
}

void Bar::PasteFrom(const Bar&, int) {}

bool Bar::ChangeKey(int, bool) {
    return true;
}

void Bar::NotifyChanged() {
    Repaint();
    Notify(8);
    Notify(10);
}

void Bar::Repaint() const {
    EditingState::Instance().AddDirtyRect(GetBoundingRect());
}

void Bar::DrawSelection(DeviceContext& dc) const {
    if (dc.IsPrinting() || !EditingState::Instance().IsSelected(this)) {
        return;
    }
    const DrawResources& resources = DrawResources::Instance();
    dc.SelectPen(resources.colourPens[0]);
    dc.SelectBrush(resources.paleBlueBrush);
    dc.Rectangle(m_box.ToRect());
}

int Bar::KeyOfTonic(int pitchClass) {
    static constexpr std::array<int, 12> kKeys = {0, -5, 2, -3, 4, -1, 6, 1, -4, 3, -2, 5};
    return pitchClass >= 0 && pitchClass < 12 ? kKeys[static_cast<size_t>(pitchClass)] : 0;
}

int Bar::TonicOfKey(int keySignature) {
    static constexpr std::array<int, 13> kTonics = {6, 1, 8, 3, 10, 5, 0, 7, 2, 9, 4, 11, 6};
    return IsKey(keySignature) ? kTonics[static_cast<size_t>(keySignature + kMaxKey)] : 0;
}

int Bar::TonicLetterOfKey(int keySignature) {
    static constexpr std::array<int, 13> kRanks = {4, 1, 5, 2, 6, 3, 0, 4, 1, 5, 2, 6, 3};
    return IsKey(keySignature) ? kRanks[static_cast<size_t>(keySignature + kMaxKey)] : 0;
}

int Bar::KeyAccidentalFor(int keySignature, char letter) {
    if (!IsKey(keySignature) || keySignature == 0) {
        return Note::NoAccidental;
    }
    if (Note::SemitoneOf(letter) < 0) {
        letter = 'C';
    }
    const std::string_view order = keySignature > 0 ? kSharpOrder : kFlatOrder;
    const size_t count = static_cast<size_t>(keySignature > 0 ? keySignature : -keySignature);
    const size_t at = order.find(letter);
    if (at == std::string_view::npos || at >= count) {
        return Note::NoAccidental;
    }
    return keySignature > 0 ? Note::Sharp : Note::Flat;
}
