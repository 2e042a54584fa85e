#pragma once

// What the pencil writes, handed to the bar with each click: a note or a
// rest, its written value (1 whole to 32 thirty-second), a dot or triplet,
// and the accidental code chosen for notes (3: none written).
struct PencilSettings {
    bool rest = false;
    int noteValue = 8;
    bool dotted = false;
    bool triplet = false;
    int accidental = 3;
};
