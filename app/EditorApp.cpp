#include "app/EditorApp.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "app/CMainFrame.h"
#include "app/CQuillsong3Doc.h"
#include "editor/UndoManager.h"
#include "editor/qt/NotationFonts.h"
#include "playback/SoundEngine.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool EditorApp::HasDisplay() {
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

int EditorApp::Run(int argc, char** argv, const std::string& file) {
    if (!HasDisplay()) {
        std::cerr << "quillsong: no display to open the editor window on (DISPLAY is not set).\n"
                     "To convert a song without a window, use: quillsong -o OUT.pdf|png|mid|wav "
                     "IN.qs\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillsong"));
    QApplication::setOrganizationName(QStringLiteral("Fernwick"));
    std::string error;
    if (!NotationFonts::Load(error)) {
        std::cerr << "quillsong: " << error << "\n";
        return 1;
    }
    CQuillsong3Doc document(UndoManager::Instance());
    document.NewFirstSong();
    CMainFrame frame(document);
    frame.show();
    if (!file.empty()) {
        // After the window shows, so the message box has a parent to sit on.
        QTimer::singleShot(
            0, &frame, [&document, &frame, file] { document.Open(file, frame.MessagePrompt()); });
    }
    // The built-in synthesizer; its SoundFont takes a moment to load.
    QTimer::singleShot(0, &frame, [] { SoundEngine::Instance().OpenDevice(0, true); });
    return app.exec();
}
