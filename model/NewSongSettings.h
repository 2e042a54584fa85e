#pragma once

#include <string>

// What the New Music Wizard hands over: the four track counts and the tempo as
// typed, and the list positions of the time and key signature.
struct NewSongSettings {
    std::string trebleCount = "1";
    std::string bassCount = "0";
    std::string accompanimentCount = "0";
    std::string percussionCount = "0";
    // 0 2/2, 1 2/4, 2 3/4, 3 4/4, 4 6/8.
    int timeSignatureIndex = 3;
    // 0 six sharps ... 6 none ... 12 six flats.
    int keyIndex = 6;
    std::string tempo = "114";
};
