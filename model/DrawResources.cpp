#include "model/DrawResources.h"

const DrawResources& DrawResources::Instance() {
    static const DrawResources resources;
    return resources;
}

FontSpec DrawResources::Font(const char* face, int height, int weight, bool underline) {
    return FontSpec{face, height, weight, false, underline};
}
