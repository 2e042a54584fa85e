#pragma once

struct CommandContext;

// Copy, Paste and the Delete key. Copy and Paste work on the text of an open
// edit field (through the system clipboard) and otherwise on the selected
// block of bars (through the bar clipboard, which is not the system's). The
// Delete key erases the targeted notes, removes the targeted free text
// boxes, or clears the targeted bars.
class ClipboardCommands {
public:
    static bool Copy(CommandContext& context);
    // Records "Paste" when bars were pasted.
    static bool Paste(CommandContext& context);
    static bool DeleteKey(CommandContext& context);
};
