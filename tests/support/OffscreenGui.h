#pragma once

#include <QApplication>
#include <QGuiApplication>

// The test program's one QGuiApplication, on Qt's offscreen platform so the
// tests need no display and every screen has a device pixel ratio of 1. It
// lives to the end of the process: pixmaps and cursors made by a test must
// not outlive it.
inline QGuiApplication& OffscreenGui() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *application;
}

// The window tests' one QApplication (a program holds either this or
// OffscreenGui, never both), without a display unless QT_QPA_PLATFORM asks
// for one.
inline QApplication& OffscreenWidgets() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "gui_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt must not be torn down among the other statics at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
