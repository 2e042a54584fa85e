#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/ProgramPaths.h"
#include "support/EngineReset.h"

// A test whose program folder is a fresh temporary one holding an empty
// Pattern folder, so styles come only from what the test writes there.
class PatternFolderTest : public EngineReset {
protected:
    explicit PatternFolderTest(const std::string& name)
        : dir(std::filesystem::temp_directory_path() /
              ("quillsong-" + name + "-" + std::to_string(getpid()))) {}

    void SetUp() override {
        EngineReset::SetUp();
        std::filesystem::create_directories(dir / "Pattern");
        ProgramPaths::OverrideExecutableDir(dir.string());
    }
    void TearDown() override {
        ProgramPaths::OverrideExecutableDir("");
        std::filesystem::remove_all(dir);
        EngineReset::TearDown();
    }

    std::filesystem::path dir;
};
