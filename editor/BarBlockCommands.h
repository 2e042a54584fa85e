#pragma once

class Prompt;
class Song;
class UndoManager;

// The commands on a selected block of bars: clear it, delete its bars from
// every track, or insert as many bars before or after it. Each does nothing
// when nothing is selected, shows a message when the selection is not one
// block, and records its undo entry when it changed the song.
class BarBlockCommands {
public:
    static bool Clear(Song& song, Prompt& prompt, UndoManager& history);
    static bool Delete(Song& song, Prompt& prompt, UndoManager& history);
    static bool InsertBefore(Song& song, Prompt& prompt, UndoManager& history);
    static bool InsertAfter(Song& song, Prompt& prompt, UndoManager& history);

private:
    struct Block {
        int firstTrack;
        int firstBar;
        int tracks;
        int bars;
    };
    // The selected block, or false (after a message when there is a selection).
    static bool SelectedBlock(Prompt& prompt, Block& block);
    static bool Insert(Song& song, Prompt& prompt, UndoManager& history, bool before);
};
