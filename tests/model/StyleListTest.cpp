#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "model/Song.h"
#include "model/StyleCombo.h"
#include "platform/ProgramPaths.h"
#include "support/EngineReset.h"

namespace {

using Names = std::vector<std::string>;

TEST(StyleListTest, StylesMatchTheTimeSignatureAndSortByteWise) {
    const Names files = {"44_Rock.qsx",   "44_Ballad.qsx", "34_Waltz.qsx",
                         "44_Zydeco.qsx", "44_ballad.qsx", "readme.txt"};
    EXPECT_EQ(StyleCombo::StyleNamesFor(files, 4, 4),
              (Names{"Ballad", "Rock", "Zydeco", "ballad"}));
    EXPECT_EQ(StyleCombo::StyleNamesFor(files, 3, 4), (Names{"Waltz"}));
    EXPECT_EQ(StyleCombo::StyleNamesFor(files, 6, 8), (Names{"[N/A]"}));
}

TEST(StyleListTest, OnlyQsxFilesWithANameAreStyles) {
    const Names files = {"44_Pop.qsx.bak", "44_.qsx",     "44_A.qs", "44.qsx",
                         "44-Pop.qsx",     "44_Folk.qsx", "44_x"};
    EXPECT_EQ(StyleCombo::StyleNamesFor(files, 4, 4), (Names{"Folk"}));
}

TEST(StyleListTest, TwoDigitSignaturesNeverMatch) {
    EXPECT_EQ(StyleCombo::StyleNamesFor({"12_Shuffle.qsx", "128_Slow.qsx"}, 12, 8),
              (Names{"[N/A]"}));
    EXPECT_EQ(StyleCombo::StyleNamesFor({"12_Shuffle.qsx"}, 1, 2), (Names{"Shuffle"}));
}

class StyleFolderTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        dir = std::filesystem::temp_directory_path() /
              ("quillsong-styles-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir / "Pattern" / "44_Old.qsx");
        for (const char* name : {"44_Rock.qsx", "44_Ballad.qsx", "34_Waltz.qsx"}) {
            std::ofstream(dir / "Pattern" / name) << "<LarkSong/>";
        }
        ProgramPaths::OverrideExecutableDir(dir.string());
    }
    void TearDown() override {
        ProgramPaths::OverrideExecutableDir("");
        std::filesystem::remove_all(dir);
        EngineReset::TearDown();
    }
    std::filesystem::path dir;
};

TEST_F(StyleFolderTest, TheListComesFromThePatternFolderAndSelectsTheFirstStyle) {
    Song song("t", "a", 1, 100, {4, 4}, 0);
    song.AddAccompanimentTrack();
    auto* styles = static_cast<StyleCombo*>(song.GetTrack(0)->GetSelector());
    styles->FillStyleList();
    ASSERT_EQ(styles->ItemCount(), 2) << "the folder named like a style is skipped";
    EXPECT_EQ(styles->ItemText(0), "Ballad");
    EXPECT_EQ(styles->ItemText(1), "Rock");
    EXPECT_EQ(styles->GetStyleName(), "Ballad");
    EXPECT_EQ(SoundEngine::Instance().GetStyleName(), "Ballad");

    std::filesystem::remove(dir / "Pattern" / "44_Ballad.qsx");
    styles->FillStyleList();
    EXPECT_EQ(styles->ItemCount(), 2) << "a filled list is kept";
}

TEST_F(StyleFolderTest, AMissingFolderListsNoStyle) {
    std::filesystem::remove_all(dir / "Pattern");
    Song song("t", "a", 1, 100, {3, 4}, 0);
    song.AddAccompanimentTrack();
    auto* styles = static_cast<StyleCombo*>(song.GetTrack(0)->GetSelector());
    styles->FillStyleList();
    ASSERT_EQ(styles->ItemCount(), 1);
    EXPECT_EQ(styles->GetStyleName(), "[N/A]");
}

}  // namespace
