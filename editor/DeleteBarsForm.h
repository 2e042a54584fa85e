#pragma once

class Prompt;
class Song;
class UndoManager;

// The "Delete Bars" dialog: a range of bars removed from every track.
class DeleteBarsForm {
public:
    int firstBar = 0;  // list items: bar index + 1
    int lastBar = 0;

    // Deletes and records "Delete Bar"; false (the dialog stays open) after a message.
    bool Ok(Song& song, Prompt& prompt, UndoManager& history) const;
};
