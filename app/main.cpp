#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/CQuillsong3App.h"
#include "app/CommandLine.h"
#include "app/CommandLinePlayer.h"
#include "app/SongConverter.h"
#include "app/crash/CrashReportApp.h"
#include "app/crash/CrashTrigger.h"
#include "app/menus/HelpPages.h"
#include "editor/CoreServices.h"
#include "platform/MiniDumper.h"

namespace {

void InstallCrashReporter(const std::string& name) {
    // Never destroyed, so that a crash while the program exits is reported too.
    [[maybe_unused]] static const MiniDumper* const dumper = new MiniDumper(name.c_str());
    CrashTrigger::FromEnvironment();
}

// Where the guide for beginners is, for a user at a terminal (and for
// checking that an installed program finds its data).
void PrintGuide(std::ostream& out) {
    const std::string guide = HelpPages::FileOf(CommandId::HelpContents);
    std::error_code error;
    if (std::filesystem::is_regular_file(guide, error)) {
        out << "\nThe guide for beginners: " << guide << "\n";
    } else {
        out << "\nThe guide for beginners is missing (" << guide << ").\n";
    }
}

int Run(const CommandLine& line, int argc, char** argv) {
    switch (line.action) {
        case CommandLine::Action::Help:
            std::cout << CommandLine::Usage();
            PrintGuide(std::cout);
            return 0;
        case CommandLine::Action::Version:
            std::cout << "quillsong " << QUILLSONG_VERSION << "\n";
            return 0;
        case CommandLine::Action::UsageError:
            std::cerr << "quillsong: " << line.error << "\n" << CommandLine::Usage();
            return 2;
        case CommandLine::Action::Convert:
            CoreServices::Install();
            return SongConverter::Run(line, std::cerr);
        case CommandLine::Action::Thumbnail:
            CoreServices::Install();
            return SongConverter::Thumbnail(line, std::cerr);
        case CommandLine::Action::Play:
            CoreServices::Install();
            return CommandLinePlayer::Run(line, std::cout, std::cerr);
        case CommandLine::Action::OpenEditor:
            break;
    }
    CoreServices::Install();
    return CQuillsong3App::Run(argc, argv, line.input);
}

}  // namespace

int main(int argc, char** argv) {
    if (CrashReportApp::IsReportCommand(argc, argv)) {
        return CrashReportApp::Run(argc, argv);
    }
    CQuillsong3App::SetCrashHandlerInstaller(InstallCrashReporter);
    return Run(CommandLine::Parse(std::vector<std::string>(argv + 1, argv + argc)), argc, argv);
}
