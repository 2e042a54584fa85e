#pragma once

#include <QSplashScreen>

// The picture shown while the program starts, 623 x 419 pixels, with a line
// saying what is loading. It closes itself on the fourth second, or at once
// when a mouse button is let go over it; it never holds up the main window.
class SplashWindow : public QSplashScreen {
    Q_OBJECT

public:
    static constexpr int kShownMilliseconds = 4000;

    SplashWindow();
    void ShowLoading(const QString& what);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
