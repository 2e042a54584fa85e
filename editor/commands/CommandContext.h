#pragma once

class Prompt;
class ScoreWindow;
class SongDocument;
class UndoManager;

// Everything an editor command works with: the document and its song, the
// view it refreshes, where its messages go and where its undo entry goes.
// The referenced objects outlive the command.
struct CommandContext {
    SongDocument& document;
    ScoreWindow& window;
    Prompt& prompt;
    UndoManager& history;
};
