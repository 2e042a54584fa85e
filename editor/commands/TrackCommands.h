#pragma once

#include "editor/commands/CommandId.h"
#include "platform/Translation.h"

struct CommandContext;

// Inserting a track of the Track menu: treble, bass, percussion or the
// accompaniment track. A refusal shows the limit it hit and records nothing;
// a success lays the score out, repaints and records its undo entry.
class TrackCommands {
public:
    // False for a command that inserts no track.
    static bool Insert(CommandContext& context, CommandId command);
    // The refusals in English; they are shown in the user's language.
    static constexpr const char* kAccompanimentExists =
        QS_TRANSLATE_NOOP("TrackCommands", "Accompaniment track already exists");
    static constexpr const char* kTooManyTracks = QS_TRANSLATE_NOOP(
        "TrackCommands",
        "Maximum number of tracks reached.\n\nYou can have\n(1) at most 9 (treble + bass) "
        "tracks.\n(2) at most 16 (treble + bass + percussion) tracks.");
};
