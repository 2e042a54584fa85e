#pragma once

#include <QPointF>

class QPainter;

// The transport and navigation panels' buttons, drawn from shapes of our
// own on a 24-pixel square: a rounded face whose look tells the button's
// state, and on it the symbol of the button. Sizes are in the painter's
// logical pixels.
class PanelShapes {
public:
    enum State { Up, Pressed, Focused, Disabled };
    enum Symbol { Rewind, Play, Pause, Stop, MetronomeOff, MetronomeOn, ZoomOut, ZoomIn };

    // The face and the symbol; a pressed button's symbol sits one pixel
    // lower and to the right, a disabled one's is grey.
    static void Button(QPainter& painter, Symbol symbol, State state);

private:
    static void Face(QPainter& painter, State state);
    static void DrawSymbol(QPainter& painter, Symbol symbol, bool enabled);
    static void Metronome(QPainter& painter, bool on, bool enabled);
    static void Magnifier(QPainter& painter, bool plus, bool enabled);
};
