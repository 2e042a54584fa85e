#pragma once

#include <string_view>

class DeviceContext;

// The dynamic marks a note bar keeps per step: their codes, as song files and
// playback number them, and their names.
class DynamicMark {
public:
    enum Code {
        PPP = 0,
        PP = 1,
        P = 2,
        MP = 3,
        MF = 4,
        F = 5,
        FF = 6,
        FFF = 7,
        SF = 8,
        Accent = 9,
        Cresc = 10,
        Dim = 11,
        None = 12
    };
    static constexpr int kNumCodes = 13;

    // "PPP" ... "NONE", or null for a code outside 0 to 12.
    static const char* NameOf(int code);
    // The code of a name the editor offers (PPP to ACCENT), or -1.
    static int CodeOf(std::string_view name);

    // What a score shows for the mark: "ppp" ... "sf", or empty for the
    // marks drawn as shapes or by the note (crescendo, diminuendo, accent).
    static std::string_view TextOf(int code);
    // Draws the mark of a note at x: the text centred on x with its cell's
    // top at top, or a hairpin as high as that text from the note to endX.
    // Accents and "none" draw nothing; the note draws its accent itself.
    static void Draw(DeviceContext& dc, int code, int x, int top, int endX);

private:
    static void DrawHairpin(DeviceContext& dc, bool opening, int left, int right, int middle);
};
