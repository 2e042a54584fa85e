#pragma once

// The dynamics in force on a track while its steps are built: the level of
// the last level mark passed, and the accent of the current step.
struct TrackDynamics {
    static constexpr int kDefaultDynamicLevel = 4;  // MF
    static constexpr int kNoAccent = 12;            // NONE

    int dynamicLevel = kDefaultDynamicLevel;
    int accent = kNoAccent;
};
