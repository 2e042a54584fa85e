#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/ProgramPaths.h"

namespace {

namespace fs = std::filesystem;

// Lays out folders under a scratch root, as a build tree, an installed
// program or an unpacked one would leave them.
class ProgramPathsTest : public ::testing::Test {
protected:
    void SetUp() override {
        workingDirectory = fs::current_path();
        root = fs::temp_directory_path() / ("quillsong-paths-" + std::to_string(getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override {
        fs::current_path(workingDirectory);
        fs::remove_all(root);
        ProgramPaths::OverrideExecutableDir("");
    }
    void MakeFolders(const std::vector<std::string>& folders) {
        for (const std::string& folder : folders) {
            fs::create_directories(root / folder);
        }
    }
    std::string At(const std::string& folder) const { return (root / folder).string() + "/"; }

    fs::path root;
    fs::path workingDirectory;
};

TEST_F(ProgramPathsTest, DataIsBesideTheProgramElseInShareBesideItsFolder) {
    struct Layout {
        const char* what;
        std::vector<std::string> folders;
        std::string executableDir;
        std::string dataDir;
    };
    const std::vector<Layout> layouts = {
        {"build tree", {"build/Pattern", "build/fonts"}, "build", "build"},
        {"installed", {"usr/bin", "usr/share/quillsong/Pattern"}, "usr/bin", "usr/share/quillsong"},
        {"installed, data folder without styles",
         {"opt/bin", "opt/share/quillsong"},
         "opt/bin",
         "opt/share/quillsong"},
        {"styles beside win over share",
         {"both/bin/Pattern", "both/share/quillsong/Pattern"},
         "both/bin",
         "both/bin"},
        {"another program's share",
         {"other/bin", "other/share/elsewhere/Pattern"},
         "other/bin",
         "other/bin"},
        {"nothing found", {"bare/bin"}, "bare/bin", "bare/bin"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        MakeFolders(layout.folders);
        EXPECT_EQ(ProgramPaths::DataDirFor(At(layout.executableDir)), At(layout.dataDir));
        // The trailing slash of the program's folder does not matter.
        EXPECT_EQ(ProgramPaths::DataDirFor((root / layout.executableDir).string()),
                  At(layout.dataDir));
    }
}

TEST_F(ProgramPathsTest, TheWorkingDirectoryIsNeverTheDataFolder) {
    // The working directory looks like both a build tree and an installed
    // program's bin/; the program's own folder has nothing.
    MakeFolders({"work/bin/Pattern", "work/share/quillsong/Pattern", "program"});
    fs::current_path(root / "work" / "bin");
    EXPECT_EQ(ProgramPaths::DataDirFor(At("program")), At("program"));
}

TEST_F(ProgramPathsTest, AnOverrideServesAsBothTheProgramAndTheDataFolder) {
    MakeFolders({"bin", "share/quillsong/Pattern"});
    ProgramPaths::OverrideExecutableDir((root / "bin").string());
    EXPECT_EQ(ProgramPaths::ExecutableDir(), At("bin"));
    EXPECT_EQ(ProgramPaths::DataDir(), At("bin"));
    ProgramPaths::OverrideExecutableDir("");
    EXPECT_NE(ProgramPaths::DataDir(), At("bin"));
}

}  // namespace
