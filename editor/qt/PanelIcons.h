#pragma once

#include <QIcon>
#include <array>
#include <string>
#include <string_view>

// The button images of the transport and navigation panels, compiled into
// the program from assets/icons: each picture in four states (up, pressed,
// focused, disabled), 24 logical pixels with a 48-pixel copy that
// high-density screens show. Needs a QGuiApplication.
class PanelIcons {
public:
    enum Picture { Rewind, Play, Pause, Stop, MetronomeOff, MetronomeOn, ZoomOut, ZoomIn };
    enum State { Up, Pressed, Focused, Disabled };
    static constexpr int kPictureCount = 8;
    static constexpr int kStateCount = 4;
    // Logical size in pixels; the sharp copy has twice as many.
    static constexpr int kSize = 24;

    static constexpr std::array<std::string_view, kPictureCount> kNames{
        "rewind", "play", "pause", "stop", "metronome-off", "metronome-on", "zoom-out", "zoom-in"};
    static constexpr std::array<std::string_view, kStateCount> kStateNames{"up", "down", "focus",
                                                                           "disabled"};

    // The image file under assets/icons and ":/icons", without ".png" (the
    // sharp copy adds "@2x"): "panel-play-down".
    static std::string FileName(Picture picture, State state) {
        return "panel-" + std::string(kNames[static_cast<size_t>(picture)]) + "-" +
               std::string(kStateNames[static_cast<size_t>(state)]);
    }

    // The picture in the state, with both sizes.
    static QIcon For(Picture picture, State state);
};
