#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DiagnosticLog.h"
#include "platform/MemorySettingsStore.h"
#include "platform/Settings.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<MemorySettingsStore>();
        store = owned.get();
        settings.SetStore(std::move(owned));
    }
    void TearDown() override { settings.SetStore(nullptr); }

    Settings& settings = Settings::Instance();
    MemorySettingsStore* store = nullptr;
};

TEST_F(SettingsTest, NothingStoredMeansTheBuiltInLanguageAndTheFirstDevice) {
    EXPECT_EQ(settings.GetLang(), 1);
    EXPECT_EQ(settings.GetOutDevId(), 0);
}

TEST_F(SettingsTest, ValuesAreKeptUnderTheNamesTheApplicationStores) {
    settings.SetOutDevId(3);
    settings.SetLang(2);
    EXPECT_EQ(store->ReadInt("OutDevId"), 3);
    EXPECT_EQ(store->ReadInt("Lang"), 2);

    // As a previous run would have left them.
    store->WriteInt("OutDevId", 5);
    store->WriteInt("Lang", 1);
    EXPECT_EQ(settings.GetOutDevId(), 5);
    EXPECT_EQ(settings.GetLang(), 1);
    EXPECT_EQ(&settings.Store(), store);
}

TEST_F(SettingsTest, DroppingTheStoreStartsAfreshInMemory) {
    settings.SetOutDevId(4);
    settings.SetStore(nullptr);
    EXPECT_EQ(settings.GetOutDevId(), 0);
    settings.SetOutDevId(2);
    EXPECT_EQ(settings.GetOutDevId(), 2);
}

TEST(MemorySettingsStore, RemembersTheLastValuePerKey) {
    MemorySettingsStore store;
    EXPECT_FALSE(store.ReadInt("Lang").has_value());
    store.WriteInt("Lang", 2);
    store.WriteInt("Lang", 1);
    store.WriteInt("OutDevId", 0);
    EXPECT_EQ(store.ReadInt("Lang"), 1);
    EXPECT_EQ(store.ReadInt("OutDevId"), 0);
    EXPECT_FALSE(store.ReadInt("lang").has_value()) << "keys are case-sensitive, as in QSettings";
}

TEST(DiagnosticLog, LinesGoToTheSinkAndOtherwiseToStandardError) {
    std::vector<std::string> lines;
    DiagnosticLog::SetSink(
        [](void* context, std::string_view line) {
            static_cast<std::vector<std::string>*>(context)->emplace_back(line);
        },
        &lines);
    DiagnosticLog::Write("port gone");
    DiagnosticLog::SetSink(nullptr, nullptr);
    EXPECT_EQ(lines, std::vector<std::string>{"port gone"});

    ::testing::internal::CaptureStderr();
    DiagnosticLog::Write("no sound");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "quillsong: no sound\n");
    EXPECT_EQ(lines.size(), 1u);
}

}  // namespace
