#pragma once

#include <array>

#include "model/Color.h"
#include "model/DeviceContext.h"
#include "model/Palette.h"

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

    PenSpec blackPen{Palette::kInk, 2};
    PenSpec secondBlackPen{Palette::kInk, 2};
    PenSpec greenPen{Palette::kSelected, 5};
    PenSpec whitePen{Palette::kPaper, 4};
    // Blue, orange, green, brown and red: one per accompaniment sub-style.
    std::array<PenSpec, 5> colourPens{{{Palette::kSubStyleA, 2},
                                       {Palette::kSubStyleB, 2},
                                       {Palette::kSubStyleIntro, 2},
                                       {Palette::kSubStyleFillIn, 2},
                                       {Palette::kSubStyleEnding, 2}}};

    Color paleGreenBrush{Palette::kPaleGreen};
    Color blackBrush{Palette::kInk};
    Color paleBlueBrush{Palette::kSelectedBar};
    Color lightBlueBrush{Palette::kBarNumber};
    std::array<Color, 5> subStyleBrushes{{Palette::kSubStyleA, Palette::kSubStyleB,
                                          Palette::kSubStyleIntro, Palette::kSubStyleFillIn,
                                          Palette::kSubStyleEnding}};

private:
    DrawResources() = default;
};
