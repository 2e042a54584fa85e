#include "app/menus/HelpPages.h"

#include <QDesktopServices>
#include <QUrl>
#include <filesystem>

#include "editor/EditorMessages.h"
#include "platform/ProgramPaths.h"
#include "platform/Prompt.h"
#include "platform/Translation.h"

namespace {

// The message in the user's language with the page's file in it.
std::string Message(const char* pattern, const std::filesystem::path& file) {
    return Translation::Fill(Translation::Text("HelpPages", pattern), {file.string()});
}

}  // namespace

bool HelpPages::Handles(CommandId command) {
    return !PageOf(command).empty();
}

std::string HelpPages::PageOf(CommandId command) {
    switch (command) {
        case CommandId::HelpContents:
            return "help/index.html";
        case CommandId::OnlineSupport:
        case CommandId::PublishToWeb:
            return "help/support.html#online-support";
        case CommandId::ReportBugs:
            return "help/support.html#report-bugs";
        default:
            return {};
    }
}

std::string HelpPages::FileOf(CommandId command) {
    const std::string page = PageOf(command);
    if (page.empty()) {
        return {};
    }
    return (std::filesystem::path(ProgramPaths::DataDir()) / page.substr(0, page.find('#')))
        .string();
}

bool HelpPages::Open(CommandId command, Prompt& prompt) {
    const std::string page = PageOf(command);
    const std::string::size_type hash = page.find('#');
    const std::filesystem::path file = FileOf(command);
    if (!std::filesystem::exists(file)) {
        prompt.Show(
            Message(QT_TRANSLATE_NOOP("HelpPages", "The help pages are missing:\n%s"), file),
            messages::kError, Prompt::ErrorIcon);
        return false;
    }
    QUrl url = QUrl::fromLocalFile(QString::fromStdString(file.string()));
    if (hash != std::string::npos) {
        url.setFragment(QString::fromStdString(page.substr(hash + 1)));
    }
    if (!QDesktopServices::openUrl(url)) {
        prompt.Show(
            Message(QT_TRANSLATE_NOOP("HelpPages", "No web browser could open the help page:\n%s"),
                    file),
            messages::kError, Prompt::ErrorIcon);
        return false;
    }
    return true;
}
