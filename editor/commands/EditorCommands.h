#pragma once

#include "editor/commands/CommandId.h"

class Song;
struct CommandContext;

// The editor's commands by number: which are enabled and checked, and
// running the ones that need no dialog (the dialogs' commands are run by
// the window, which shows them). No Qt here; user-interface thread only.
class EditorCommands {
public:
    // Runs the command; false when it changed nothing, or is not one this
    // class runs (a dialog's, a help page's).
    static bool Execute(CommandContext& context, CommandId command);
    // Nothing that changes the song, the view or the sound is enabled while
    // music plays; some commands also need tracks of a kind.
    static bool IsEnabled(CommandId command, const Song* song, bool playing);
    // The zoom item equal to the zoom (Custom when none is), the bars-per-
    // line item equal to the song's.
    static bool IsChecked(CommandId command);
    // The dynamic code a dynamics command sets, or -1.
    static int DynamicCodeOf(CommandId command);
    // The accidental code an accidental command sets, or -1.
    static int AccidentalCodeOf(CommandId command);
};
