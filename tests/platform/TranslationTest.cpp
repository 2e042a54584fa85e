#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/TranslatableText.h"
#include "platform/Translation.h"

namespace {

// A translator that knows a few texts by context, as a loaded language would.
std::string Known(const char* context, const char* source) {
    static const std::map<std::pair<std::string, std::string>, std::string> known = {
        {{"StringTable", "Error"}, "Fehler"},
        {{"StringTable", "[1]Acoustic Grand Piano"}, "[1]Flügel"},
        {{"Table", "Tie"}, "Haltebogen"},
    };
    const auto found = known.find({context, source});
    return found != known.end() ? found->second : source;
}

class TranslationTest : public ::testing::Test {
protected:
    void TearDown() override { Translation::Install(nullptr); }
};

TEST_F(TranslationTest, FillPutsThePiecesInOrderAndNeverReadsPastThem) {
    struct Case {
        const char* pattern;
        std::initializer_list<std::string_view> pieces;
        const char* filled;
    };
    const Case cases[] = {
        {"Page %d of %d", {"2", "7"}, "Page 2 of 7"},
        {"%s [%s] ?", {"Delete", "Track 1"}, "Delete [Track 1] ?"},
        // A language may put the pieces in other words around them.
        {"第 %d 頁，共 %d 頁", {"2", "7"}, "第 2 頁，共 7 頁"},
        {"100%% of %d", {"9"}, "100% of 9"},
        // A piece is never read as a pattern itself.
        {"%s!", {"50%s %d"}, "50%s %d!"},
        // A translation with more placeholders than pieces keeps them.
        {"%s and %s", {"one"}, "one and %s"},
        {"only %s", {"one", "two"}, "only one"},
        {"a lone % sign, %x and a last %", {"unused"}, "a lone % sign, %x and a last %"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Translation::Fill(c.pattern, c.pieces), c.filled) << c.pattern;
    }
}

TEST_F(TranslationTest, TextsFollowTheInstalledTranslatorAndComeBackWithoutIt) {
    constexpr TranslatableText tie = QS_TRANSLATABLE("Table", "Tie");
    EXPECT_FALSE(Translation::IsInstalled());
    EXPECT_EQ(StringTable::Get(ids::kError), "Error");
    EXPECT_EQ(std::string(tie), "Tie");

    Translation::Install(&Known);
    EXPECT_TRUE(Translation::IsInstalled());
    EXPECT_EQ(StringTable::Get(ids::kError), "Fehler");
    EXPECT_EQ(StringTable::Get(ids::kFirstProgramName), "[1]Flügel");
    // Texts the translator does not know stay English; unknown numbers empty.
    EXPECT_EQ(StringTable::Get(ids::kWarning), "Warning");
    EXPECT_EQ(StringTable::Get(999), "");
    EXPECT_EQ(std::string(tie), "Haltebogen");
    EXPECT_STREQ(tie.Source(), "Tie");
    // The same source under another context is another text.
    EXPECT_EQ(Translation::Text("Other", "Tie"), "Tie");

    Translation::Install(nullptr);
    EXPECT_EQ(StringTable::Get(ids::kError), "Error");
    EXPECT_EQ(std::string(tie), "Tie");
}

}  // namespace
