#pragma once

#include <string>

// The tool bar's commands, in the tool bar's order: the three tools, then
// what the pencil writes (note values, accidentals, rest values, dot and
// triplet, tie). Executing one changes the tool manager's state and tells
// its observers (aspect 0); every command but the three tools then makes the
// pencil the current tool. No Qt here: the window's tool bar and menus call
// these and ask for the check marks. User-interface thread only.
class InputCommands {
public:
    enum Command {
        Pencil,
        Eraser,
        Select,
        WholeNote,
        HalfNote,
        QuarterNote,
        EighthNote,
        SixteenthNote,
        Sharp,
        Flat,
        Natural,
        WholeRest,
        HalfRest,
        QuarterRest,
        EighthRest,
        SixteenthRest,
        Dot,
        Triplet,
        Tie,
        kCount
    };

    static void Execute(Command command);
    // Whether the command's button and menu item show as checked.
    static bool IsChecked(Command command);
    // The tool bar leaves a gap before the command: it starts a group.
    static bool StartsGroup(Command command);
    // The status-bar prompt and, after "\n", the tooltip, in the user's
    // language; empty for the commands that have none.
    static std::string Prompt(Command command);
    // The button's short name, its tooltip: the prompt's after "\n" where
    // there is one, else the name of the value or sign it writes.
    static std::string Name(Command command);

private:
    // The written value (1 whole to 16 sixteenth) of a note or rest command.
    static int ValueOf(Command command);
    static void ChooseNote(int value);
    static void ChooseRest(int value);
    // A whole note cannot be dotted or a triplet; a tie gives way to notes.
    static void ToggleLength(int modifier);
    // The same accidental again takes it away.
    static void ToggleAccidental(int accidental);
    static void ChooseTie();
};
