#pragma once

// The score view's keys that choose the tool and what the pencil writes,
// given as the character the key types: "1" to "5" choose the whole to the
// sixteenth value (a rest while rests are written, else a note), "S" swaps
// rests and notes, "T" steps from pencil to eraser to select and round
// again, "P" is the triplet and "." the dot. Letters count in either case.
// The view keeps the scrolling keys, Delete and the space bar.
// User-interface thread only.
class ScoreKeys {
public:
    // Handles the key; false when it is not one of these.
    static bool Press(char key);

private:
    static void ChooseValue(int index);
    static void NextTool();
};
