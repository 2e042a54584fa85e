#pragma once

#include <string>

#include "editor/commands/CommandId.h"

class Prompt;

// The Help menu's pages: our own HTML guide in help/ of the program's data
// folder (beside the program, or share/quillsong/ when installed), opened in
// the user's browser. The support commands open its Support page
// (there is no web service behind the program).
class HelpPages {
public:
    static bool Handles(CommandId command);
    // The page's file and anchor ("help/support.html#report-bugs"), relative
    // to the program's data folder; empty for other commands.
    static std::string PageOf(CommandId command);
    // The page's file in the data folder, without the anchor; empty for
    // other commands. It may be missing.
    static std::string FileOf(CommandId command);
    // Opens the page; a message when it is missing or no browser opens it.
    static bool Open(CommandId command, Prompt& prompt);
};
