#pragma once

#include <vector>

class Note;
class NoteBar;
class SelObject;
class UserText;

// What a pop-up command or the Delete key works on: the selection, or the
// hovered object when nothing is selected. A command runs only when the
// first target is of its kind; the rest are filtered to that kind.
class CommandTargets {
public:
    // A note or rest with the bar holding it.
    struct NoteTarget {
        Note* note;
        NoteBar* bar;
    };

    static std::vector<SelObject*> Current();
    // The notes and rests among the targets; empty unless the first is one.
    static std::vector<NoteTarget> Notes();
    // The free text boxes among the targets; empty unless the first is one.
    static std::vector<UserText*> UserTexts();
    // Whether the first target is a bar.
    static bool FirstIsBar();
};
