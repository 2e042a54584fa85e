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

std::string ProgramPaths::DataDir() {
    if (!Override().empty()) {
        return Override();
    }
    return DataDirFor(ExecutableDir());
}

std::string ProgramPaths::DataDirFor(const std::string& executableDir) {
    namespace fs = std::filesystem;
    const fs::path beside(executableDir);
    std::error_code error;
    if (fs::is_directory(beside / "Pattern", error)) {
        return WithSlash(executableDir);
    }
    const fs::path installed = beside / ".." / "share" / "quillsong";
    if (fs::is_directory(installed, error)) {
        return WithSlash(installed.lexically_normal().string());
    }
    return WithSlash(executableDir);
}

std::string ProgramPaths::TempDir() {
    const char* tmp = std::getenv("TMPDIR");
    return WithSlash(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp");
}

void ProgramPaths::OverrideExecutableDir(const std::string& dir) {
    Override() = dir.empty() ? std::string() : WithSlash(dir);
}
