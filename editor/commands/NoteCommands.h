#pragma once

struct CommandContext;

// The note pop-up's commands on the targets (the selection, or the hovered
// note): erase, tie to the next note, erase the tie, set an accidental, set
// or clear a dynamic mark. Each does nothing unless the first target is a
// note or rest, clears the selection first, records its undo entry when it
// changed the song and shows its message when it could change nothing.
class NoteCommands {
public:
    // Accidental codes as the notes take them.
    enum Accidental {
        Sharp = 0,
        Flat = 1,
        Natural = 2,
        Normal = 3,
        DoubleSharp = 4,
        DoubleFlat = 5
    };
    // The dynamic code that clears a step's marks instead of setting one.
    static constexpr int kClearMarks = 12;

    static bool Erase(CommandContext& context);
    static bool AddTie(CommandContext& context);
    static bool EraseTie(CommandContext& context);
    static bool SetAccidental(CommandContext& context, int accidental);
    // Codes 0 (ppp) to 11 set a mark on each target's step; any target that
    // is a rest refuses, and then the song goes back to its last recorded
    // state with a message. kClearMarks clears the marks of the notes' steps.
    static bool SetDynamic(CommandContext& context, int code);
};
