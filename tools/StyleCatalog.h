#pragma once

#include <vector>

#include "tools/StyleDescription.h"

// The accompaniment styles the program ships: thirty, from pop, rock, jazz,
// Latin and dance grooves in 4/4 to waltzes in 3/4, a slow rock and a jig in
// 6/8, polka, samba and tango in 2/4, march and country two-beat in 2/2.
class StyleCatalog {
public:
    static const std::vector<StyleDescription>& All();
};
