#pragma once

#include <array>

#include "model/Color.h"
#include "model/DeviceContext.h"

// The fonts, pens and brushes the score and its controls draw with, shared by
// the whole process. Heights and widths are in score units.
class DrawResources {
public:
    static const DrawResources& Instance();

    // A font of the shared cache: the same face, height, weight and
    // underline give the same font.
    static FontSpec Font(const char* face, int height, int weight = 400, bool underline = false);

    static constexpr const char* kNotationFace = "LarkNotation";

    FontSpec scoreFont{kNotationFace, 170};
    FontSpec smallScoreFont{kNotationFace, 110};
    FontSpec labelFont{"Arial", 30};
    FontSpec textFont{"Tahoma", 28};
    FontSpec smallTextFont{"Tahoma", 13};
    FontSpec headingFont{"Tahoma", 26};
    FontSpec headingItalicFont{"Tahoma", 26, 400, true};
    // Dynamics (p, mf, ...) are set in a bold italic serif, as engravers do.
    FontSpec dynamicsFont{"Times New Roman", 34, 700, true};

    PenSpec blackPen{{0, 0, 0}, 2};
    PenSpec secondBlackPen{{0, 0, 0}, 2};
    PenSpec greenPen{{17, 170, 0}, 5};
    PenSpec whitePen{{255, 255, 255}, 4};
    // Blue, orange, green, brown and red: one per accompaniment sub-style.
    std::array<PenSpec, 5> colourPens{{{{113, 164, 240}, 2},
                                       {{250, 124, 12}, 2},
                                       {{87, 193, 23}, 2},
                                       {{162, 104, 26}, 2},
                                       {{226, 7, 7}, 2}}};

    Color paleGreenBrush{250, 255, 250};
    Color blackBrush{0, 0, 0};
    Color paleBlueBrush{240, 240, 255};
    Color lightBlueBrush{220, 220, 255};
    std::array<Color, 5> subStyleBrushes{
        {{113, 164, 240}, {250, 124, 12}, {87, 193, 23}, {162, 104, 26}, {226, 7, 7}}};

private:
    DrawResources() = default;
};
