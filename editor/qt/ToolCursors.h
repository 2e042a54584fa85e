#pragma once

#include <QCursor>
#include <QPoint>
#include <array>
#include <string_view>

// The pointer shapes over the score: our own pencil, eraser and playing
// pointers, drawn at 32 logical pixels with a 64-pixel copy for high-density
// screens, and Qt's arrow and open hand for selecting and navigating. Needs a
// QGuiApplication.
class ToolCursors {
public:
    // Pencil, Eraser and Select equal the tool indices of
    // ToolsManager::ToolIndex(); Playing is shown while music plays and the
    // mouse does not edit.
    enum Shape { Pencil = 0, Eraser = 1, Select = 2, Navigate = 3, Playing = 4 };

    // Logical size in pixels; the sharp copy has twice as many.
    static constexpr int kSize = 32;

    // The drawn pointers: image file under assets/icons and ":/icons" (without
    // ".png"; the sharp copy adds "@2x") and the hot spot in logical pixels of
    // the 32-pixel image. The hot spots are set here and only here: the drawing
    // program (tools/make_icons.cpp) puts the pencil's tip, the middle of the
    // eraser's rubbing edge and the arrow's tip on them.
    struct Picture {
        Shape shape;
        std::string_view name;
        QPoint hotSpot;
    };
    static constexpr std::array<Picture, 3> kPictures{{
        {Pencil, "pointer-pencil", QPoint(2, 29)},
        {Eraser, "pointer-eraser", QPoint(5, 26)},
        {Playing, "pointer-playing", QPoint(1, 1)},
    }};

    // The pointer for `shape` at the application's device pixel ratio; an
    // arrow for an unknown shape.
    static QCursor For(int shape);
    // The same for a screen of the given ratio: above 1 the 64-pixel image,
    // with the hot spot still in logical pixels, as QCursor takes it.
    static QCursor For(int shape, qreal devicePixelRatio);
};
