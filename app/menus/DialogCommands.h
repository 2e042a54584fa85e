#pragma once

#include <QDialog>
#include <functional>

#include "editor/commands/CommandId.h"

class CommandActions;

// The commands that open a dialog over the document's song: Delete Track,
// Organize Tracks, Lyrics, Shift Notes, Copy, Insert, Delete and Clear
// Bar(s), and Transpose. The dialog records its undo entry when it changes
// the song; afterwards the view is laid out and repainted as the change needs.
class DialogCommands {
public:
    // Runs the dialog of the command modally; false for other commands.
    static bool Run(CommandId command, CommandActions& actions);
    // Tests answer a dialog instead of a person: the hook gets the dialog
    // before it would be shown and returns its result (null: show it).
    static void SetExecHook(std::function<int(QDialog&)> hook);

    // Shows the dialog modally, or hands it to the test's hook.
    static int Exec(QDialog& dialog);

private:
    static void Finish(CommandId command, bool accepted, CommandActions& actions);
};
