#include "editor/PrintMapping.h"

#include <cmath>

#include "model/PageGeometry.h"

PrintMapping PrintMapping::ForPage(int page, double paperWidth, double paperHeight, double offsetX,
                                   double offsetY) {
    const double pageRatio =
        static_cast<double>(PageGeometry::kPageHeight) / PageGeometry::kPageWidth;
    const double paperRatio = paperWidth > 0 ? paperHeight / paperWidth : pageRatio;
    // Taller paper than A4 fits the width; wider paper (Letter) fits the height.
    const double viewportHeight =
        std::trunc(pageRatio > paperRatio ? paperHeight : paperWidth * pageRatio);
    PrintMapping mapping;
    mapping.scale = viewportHeight / PageGeometry::kPageHeight;
    const Point origin = PageGeometry::PageOrigin(page - 1);
    mapping.pageLeft = origin.x;
    mapping.pageTop = origin.y;
    mapping.originX = -offsetX;
    mapping.originY = -offsetY;
    return mapping;
}
