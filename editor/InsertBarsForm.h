#pragma once

#include <string>

class Prompt;
class Song;
class UndoManager;

// The "Insert Bars" dialog: a number of bars to insert before or after a bar.
class InsertBarsForm {
public:
    std::string numberText = "1";
    bool before = true;
    int barIndex = 0;  // list item: bar barIndex + 1

    // Inserts on every track and records "Insert Bar"; false (the dialog stays
    // open) after a message.
    bool Ok(Song& song, Prompt& prompt, UndoManager& history) const;

    // The message for a count that would pass 64 bars.
    static std::string LimitMessage(int numBars);
};
