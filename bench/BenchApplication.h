#pragma once

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "editor/qt/NotationFonts.h"

// The one Qt application of the benchmark program, with the notation font
// loaded; a QApplication, so the window's benchmarks can make widgets.
inline QApplication& BenchApplication() {
    static int argc = 1;
    static char name[] = "quillsong_bench";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Never destroyed: Qt must not be torn down among the other statics at exit.
    static QApplication* application = [] {
        auto* made = new QApplication(argc, argv);
        // Other benchmarks point the program folder at scratch folders; the
        // font stands beside this program.
        const std::string font = (std::filesystem::read_symlink("/proc/self/exe").parent_path() /
                                  "fonts" / "LarkNotation.otf")
                                     .string();
        std::string error;
        if (!NotationFonts::LoadFrom(font, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
        }
        return made;
    }();
    return *application;
}
