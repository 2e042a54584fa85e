#include "editor/tools/ToolTarget.h"

#include <initializer_list>

#include "model/FloatingCombo.h"
#include "model/FloatingText.h"
#include "model/Note.h"
#include "model/NoteBar.h"
#include "model/NoteChord.h"
#include "model/ScoreWindow.h"
#include "model/VolumeSlider.h"

namespace {

bool IsAnyOf(const SelObject& object, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (object.IsA(name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

ToolTarget::ToolTarget(SelObject* object) : m_object(object), m_kind(KindOf(object)) {}

ToolTarget ToolTarget::At(ScoreWindow& window, Point at) {
    return ToolTarget(window.HitTest(at));
}

ToolTarget::Kind ToolTarget::KindOf(const SelObject* object) {
    if (object == nullptr) {
        return Kind::Nothing;
    }
    if (object->IsA("Note")) {
        return static_cast<const Note*>(object)->IsRest() ? Kind::Rest : Kind::Note;
    }
    if (IsAnyOf(*object, {"MelodicBar", "PercussionBar"})) {
        return Kind::Bar;
    }
    if (IsAnyOf(*object, {"SongText", "UserText", "LyricText", "TrackTitle"})) {
        return Kind::TextBox;
    }
    if (IsAnyOf(*object, {"InstrumentCombo", "ChordCombo", "StyleCombo"})) {
        return Kind::Selector;
    }
    if (object->IsA("VolumeSlider")) {
        return Kind::Slider;
    }
    return Kind::Other;
}

bool ToolTarget::IsUserText() const {
    return m_object != nullptr && m_object->IsA("UserText");
}

Note* ToolTarget::AsNote() const {
    return Is(Kind::Note) || Is(Kind::Rest) ? static_cast<Note*>(m_object) : nullptr;
}

NoteBar* ToolTarget::HoldingBar() const {
    if (Is(Kind::Bar)) {
        return static_cast<NoteBar*>(m_object);
    }
    const Note* note = AsNote();
    const NoteChord* chord = note != nullptr ? note->GetChord() : nullptr;
    return chord != nullptr ? dynamic_cast<NoteBar*>(chord->GetParent()) : nullptr;
}

FloatingText* ToolTarget::AsTextBox() const {
    return Is(Kind::TextBox) ? static_cast<FloatingText*>(m_object) : nullptr;
}

FloatingCombo* ToolTarget::AsSelector() const {
    return Is(Kind::Selector) ? static_cast<FloatingCombo*>(m_object) : nullptr;
}

VolumeSlider* ToolTarget::AsSlider() const {
    return Is(Kind::Slider) ? static_cast<VolumeSlider*>(m_object) : nullptr;
}
