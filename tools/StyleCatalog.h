#pragma once

#include <vector>

#include "tools/StyleDescription.h"

// The accompaniment styles the program ships: four in 4/4 (pop, rock,
// ballad, swing), a 3/4 waltz, a 6/8 slow rock, a 2/4 polka and a 2/2 march.
class StyleCatalog {
public:
    static const std::vector<StyleDescription>& All();
};
