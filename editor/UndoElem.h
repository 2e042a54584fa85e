#pragma once

#include <memory>
#include <string>

#include "model/Undoable.h"

// One recorded state of the history: the song's record (a SongRecord, from
// which undo makes the song again), with the name of the action that led to
// it. The tag "Init" marks a song's base entry.
struct UndoElem {
    std::unique_ptr<Undoable> snapshot;
    std::string name;
    std::string tag;
};
