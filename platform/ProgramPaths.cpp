#include "platform/ProgramPaths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

std::string& Override() {
    static std::string dir;
    return dir;
}

std::string WithSlash(std::string dir) {
    if (dir.empty() || dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

}  // namespace

std::string ProgramPaths::ExecutableDir() {
    if (!Override().empty()) {
        return Override();
    }
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !exe.has_parent_path()) {
        return "./";
    }
    return WithSlash(exe.parent_path().string());
}

std::string ProgramPaths::TempDir() {
    const char* tmp = std::getenv("TMPDIR");
    return WithSlash(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp");
}

void ProgramPaths::OverrideExecutableDir(const std::string& dir) {
    Override() = dir.empty() ? std::string() : WithSlash(dir);
}
