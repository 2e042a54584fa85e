#pragma once

// Connects the model to the process-wide services that live above it: the
// tool manager becomes the model's editing state and the sound engine its
// sound settings. Called once at start-up, before the first song is made,
// by the program and by every test and benchmark program that uses them.
class CoreServices {
public:
    static void Install();
};
