#include "app/CQuillsong3App.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>

#include "app/CMainFrame.h"
#include "app/CQuillsong3Doc.h"
#include "app/Languages.h"
#include "app/QtSettingsStore.h"
#include "app/SingleInstance.h"
#include "app/SplashWindow.h"
#include "app/menus/FileMenu.h"
#include "editor/UndoManager.h"
#include "editor/qt/NotationFonts.h"
#include "editor/qt/QtPrompt.h"
#include "platform/Prompt.h"
#include "platform/Settings.h"
#include "platform/StartupClock.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/SoundEngine.h"

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

std::function<void(const std::string&)>& CrashHandlerInstaller() {
    static std::function<void(const std::string&)> installer;
    return installer;
}

// Nobody can answer a message box on Qt's offscreen platform (tests and
// scripts run the program there): its messages go to standard error.
bool CanShowMessageBoxes() {
    return QGuiApplication::platformName() != QStringLiteral("offscreen");
}

void Tell(const std::string& text, const std::string& caption, Prompt::Icon icon) {
    std::cerr << "quillsong: " << text << (text.ends_with('\n') ? "" : "\n");
    if (CanShowMessageBoxes()) {
        QtPrompt().Show(text, caption, icon);
    }
}

// Opens the remembered MIDI output on a worker thread (a SoundFont takes a
// second or two to load) and sends every program from the user-interface
// thread once it is open.
class DeviceOpener {
public:
    void Start(QObject& receiver) {
        const int id = Settings::Instance().GetOutDevId();
        m_thread = std::thread([&receiver, id] {
            SoundEngine::Instance().OpenDevice(id, false);
            StartupClock::Report("MIDI output open");
            QMetaObject::invokeMethod(
                &receiver, [] { SoundEngine::Instance().SendAllPrograms(); }, Qt::QueuedConnection);
        });
    }
    ~DeviceOpener() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

private:
    std::thread m_thread;
};

void StartMidiOutput(QObject& receiver, DeviceOpener& opener) {
    if (SoundEngine::Instance().DeviceNames().empty()) {
        Tell(StringTable::Get(ids::kNoMidiOutput), StringTable::Get(ids::kWarning),
             Prompt::WarningIcon);
        return;
    }
    opener.Start(receiver);
}

}  // namespace

void CQuillsong3App::SetCrashHandlerInstaller(std::function<void(const std::string&)> installer) {
    CrashHandlerInstaller() = std::move(installer);
}

bool CQuillsong3App::HasDisplay() {
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

int CQuillsong3App::Run(int argc, char** argv, const std::string& file) {
    if (!HasDisplay()) {
        std::cerr << "quillsong: no display to open the editor window on (DISPLAY is not set).\n"
                     "To convert a song without a window, use: quillsong -o OUT.pdf|png|mid|wav "
                     "IN.qs\n";
        return 1;
    }
    if (CrashHandlerInstaller()) {
        CrashHandlerInstaller()("Quillsong");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillsong"));
    QApplication::setOrganizationName(QStringLiteral("Fernwick"));
    // Wayland compositors match the window to the installed desktop entry,
    // and so to its name and icon, by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.fernwick.Quillsong"));
    SingleInstance instance;
    if (!instance.Acquire()) {
        Tell(SingleInstance::kAlreadyRunning, "Quillsong", Prompt::ErrorIcon);
        return 1;
    }
    QPointer<SplashWindow> splash = new SplashWindow();
    if (CanShowMessageBoxes()) {
        splash->show();
        splash->ShowLoading(QObject::tr("Loading the notation font..."));
    }
    std::string error;
    if (!NotationFonts::Load(error)) {
        delete splash;
        std::cerr << "quillsong: " << error << "\n";
        return 1;
    }
    Settings::Instance().SetStore(std::make_unique<QtSettingsStore>());
    // Without its translation file the second language falls back to the
    // built-in texts.
    Languages::Apply(Settings::Instance().GetLang());
    CQuillsong3Doc document(UndoManager::Instance());
    document.NewFirstSong();
    CMainFrame frame(document);
    frame.show();
    // The splash took the keyboard when it showed; the window gets it back.
    QObject::connect(splash, &QObject::destroyed, &frame, [&frame] { frame.activateWindow(); });
    // Above the window once the window is up (a desktop without a window
    // manager stacks windows in the order they appear).
    QTimer::singleShot(50, splash, [splash] {
        if (splash) {
            splash->raise();
        }
    });
    if (!file.empty()) {
        // After the window shows, so a message box has a parent to sit on.
        QTimer::singleShot(
            0, &frame, [&frame, file] { frame.Files().OpenFile(QString::fromStdString(file)); });
    }
    DeviceOpener opener;
    QTimer::singleShot(0, &frame, [&frame, &opener, splash] {
        if (splash) {
            splash->ShowLoading(QObject::tr("Loading the instruments..."));
        }
        StartMidiOutput(frame, opener);
    });
    const int code = app.exec();
    Settings::Instance().SetStore(nullptr);
    return code;
}
