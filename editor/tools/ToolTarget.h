#pragma once

#include "model/Geometry.h"

class FloatingCombo;
class FloatingText;
class Note;
class NoteBar;
class ScoreWindow;
class SelObject;
class VolumeSlider;

// The object under the pointer, sorted into the kinds the editing tools tell
// apart: a note, a rest, a bar of a pitched or percussion track, a text box
// (song title or author, free text, track title, lyric), a selector
// (instrument, chord or style), a volume slider, anything else, or nothing.
// It does not own the object and is meant for the one event that found it.
class ToolTarget {
public:
    enum class Kind { Nothing, Note, Rest, Bar, TextBox, Selector, Slider, Other };

    explicit ToolTarget(SelObject* object);
    // What the window's hit test finds at the point.
    static ToolTarget At(ScoreWindow& window, Point at);

    Kind GetKind() const { return m_kind; }
    bool Is(Kind kind) const { return m_kind == kind; }
    SelObject* Object() const { return m_object; }
    bool IsUserText() const;

    // The note or rest; null for other kinds.
    Note* AsNote() const;
    // The bar holding the note or rest, or the bar itself; null otherwise.
    NoteBar* HoldingBar() const;
    FloatingText* AsTextBox() const;
    FloatingCombo* AsSelector() const;
    VolumeSlider* AsSlider() const;

private:
    static Kind KindOf(const SelObject* object);

    SelObject* m_object;
    Kind m_kind;
};
