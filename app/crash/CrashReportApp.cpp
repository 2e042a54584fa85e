#include "app/crash/CrashReportApp.h"

#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>

#include "app/CQuillsong3App.h"
#include "app/Languages.h"
#include "app/QtSettingsStore.h"
#include "app/crash/CrashReport.h"
#include "app/menus/HelpPages.h"
#include "editor/qt/QtPrompt.h"
#include "platform/MiniDumper.h"
#include "platform/Settings.h"

namespace {

bool InTestMode() {
    const char* mode = std::getenv(CrashReportApp::kTestVariable);
    return mode != nullptr && std::strcmp(mode, "quit") == 0;
}

// Line breaks written as "\n", so each text stays on its line.
std::string OneLine(const QString& text) {
    std::string line = text.toStdString();
    for (std::string::size_type at = line.find('\n'); at != std::string::npos;
         at = line.find('\n', at + 2)) {
        line.replace(at, 1, "\\n");
    }
    return line;
}

std::string TextOf(const CrashReport& dialog, const char* name) {
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label != nullptr ? OneLine(label->text()) : std::string();
}

void Describe(const CrashReport& dialog) {
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            std::cout << "window: " << OneLine(window->windowTitle()) << "\n";
        }
    }
    std::cout << "message: " << TextOf(dialog, "message") << "\n";
    std::cout << "dump: " << TextOf(dialog, "dumpPath") << "\n";
    std::cout << "buttons: " << OneLine(dialog.ReportButton()->text()) << "|"
              << OneLine(dialog.QuitButton()->text()) << "\n";
    if (dialog.ReportButton()->isDefault()) {
        std::cout << "default: " << OneLine(dialog.ReportButton()->text()) << "\n";
    }
    std::cout << std::flush;
}

}  // namespace

bool CrashReportApp::IsReportCommand(int argc, char** argv) {
    return argc == 3 && std::strcmp(argv[1], MiniDumper::kReportOption) == 0;
}

int CrashReportApp::Run(int argc, char** argv) {
    const std::string dump = argv[2];
    const bool testing = InTestMode();
    if (testing) {
        std::cout << "pid: " << getpid() << std::endl;
    }
    if (!CQuillsong3App::HasDisplay()) {
        std::cerr << "quillsong: the program crashed; "
                  << (dump.empty() ? "no crash dump could be written" : "its crash dump is " + dump)
                  << "\n";
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillsong"));
    QApplication::setOrganizationName(QStringLiteral("Fernwick"));
    Settings::Instance().SetStore(std::make_unique<QtSettingsStore>());
    Languages::Apply(Settings::Instance().GetLang());
    CrashReport dialog(QString::fromStdString(dump));
    if (testing) {
        QTimer::singleShot(0, &dialog, [&dialog] {
            Describe(dialog);
            dialog.QuitButton()->click();
        });
    }
    const int result = dialog.exec();
    if (testing) {
        std::cout << "closed: " << (result == QDialog::Accepted ? "report" : "quit") << std::endl;
    }
    if (result == QDialog::Accepted) {
        QtPrompt prompt;
        HelpPages::Open(CommandId::ReportBugs, prompt);
    }
    Settings::Instance().SetStore(nullptr);
    return 0;
}
