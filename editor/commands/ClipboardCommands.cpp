#include "editor/commands/ClipboardCommands.h"

#include "editor/BarBlockCommands.h"
#include "editor/BarClipboard.h"
#include "editor/commands/CommandContext.h"
#include "editor/commands/CommandTargets.h"
#include "editor/commands/NoteCommands.h"
#include "editor/commands/TextCommands.h"
#include "model/ScoreWindow.h"
#include "model/Song.h"

bool ClipboardCommands::Copy(CommandContext& context) {
    if (context.window.EditFieldOpen()) {
        context.window.CopyFromEditField();
        return true;
    }
    return BarClipboard::Instance().Copy(context.prompt);
}

bool ClipboardCommands::Paste(CommandContext& context) {
    if (context.window.EditFieldOpen()) {
        context.window.PasteIntoEditField();
        return true;
    }
    Song* song = context.window.GetSong();
    if (song == nullptr ||
        !BarClipboard::Instance().Paste(*song, context.prompt, context.history)) {
        return false;
    }
    context.window.RedrawAll();
    return true;
}

bool ClipboardCommands::DeleteKey(CommandContext& context) {
    if (!CommandTargets::Notes().empty()) {
        return NoteCommands::Erase(context);
    }
    if (!CommandTargets::UserTexts().empty()) {
        return TextCommands::Delete(context);
    }
    Song* song = context.window.GetSong();
    if (song != nullptr && CommandTargets::FirstIsBar()) {
        return BarBlockCommands::Clear(*song, context.prompt, context.history);
    }
    return false;
}
