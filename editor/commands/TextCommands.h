#pragma once

#include "model/Geometry.h"

struct CommandContext;

// The free text boxes' commands: a new box where the empty paper was
// right-clicked, and deleting the targeted boxes.
class TextCommands {
public:
    // Adds a box with its top-left at the point and records "Add User Text".
    static bool Insert(CommandContext& context, Point at);
    // Removes every targeted free text box and records "Erase UserText";
    // nothing unless the first target is one.
    static bool Delete(CommandContext& context);
};
