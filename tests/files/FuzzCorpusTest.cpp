#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "files/PatternLibrary.h"
#include "files/SongFiles.h"
#include "model/Song.h"
#include "platform/Exception.h"
#include "platform/ProgramPaths.h"
#include "support/EngineReset.h"

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::path(QUILLSONG_TEST_DATA) / ".." / ".." / "fuzz" / "corpus";

// Inputs with which fuzzing found a fault; each must now be refused cleanly.
const std::set<std::string> kFoundFaults = {"free-text-past-int.qs"};

// The song fuzzer's seeds, read as the fuzzer reads them: the first byte
// chooses the reader (odd: accompaniment pattern, even: song), the rest is
// the file. Replaying them here runs the found faults under every build's
// sanitizers, also where no clang is at hand.
class FuzzCorpusTest : public EngineReset {
protected:
    void SetUp() override {
        EngineReset::SetUp();
        dir = fs::temp_directory_path() / ("quillsong-corpus-" + std::to_string(::getpid()));
        fs::create_directories(dir / "Pattern");
    }
    void TearDown() override {
        ProgramPaths::OverrideExecutableDir("");
        fs::remove_all(dir);
        EngineReset::TearDown();
    }

    // Whether the seed reads without error; a song that reads must also save
    // and copy, as the fuzzer asks of it.
    bool Reads(const fs::path& seed) {
        std::ifstream in(seed, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        if (bytes.empty()) {
            ADD_FAILURE() << seed << " is empty";
            return false;
        }
        const bool pattern = bytes[0] & 1;
        const fs::path file = pattern ? dir / "Pattern" / "seed.qsx" : dir / "seed.qs";
        std::ofstream(file, std::ios::binary) << bytes.substr(1);
        if (pattern) {
            ProgramPaths::OverrideExecutableDir(dir.string());
            const bool read = PatternLibrary::LoadStylePattern("seed.qsx") != nullptr;
            ProgramPaths::OverrideExecutableDir("");
            return read;
        }
        try {
            const auto song = SongFiles::Load(file.string(), nullptr);
            SongFiles::Save(*song, (dir / "saved.qs").string());
            return song->Clone() != nullptr;
        } catch (const IOException&) {
            return false;
        }
    }

    fs::path dir;
};

// Seeds that are whole, rich songs start fuzzing deep in the reader; a seed
// the reader refuses would start it at the first error instead.
TEST_F(FuzzCorpusTest, SeedsReadAndFoundFaultsAreRefused) {
    std::vector<fs::path> seeds;
    for (const auto& entry : fs::directory_iterator(kCorpus)) {
        seeds.push_back(entry.path());
    }
    ASSERT_FALSE(seeds.empty()) << kCorpus;
    std::set<std::string> refused;
    for (const fs::path& seed : seeds) {
        const std::string name = seed.filename().string();
        const bool fault = kFoundFaults.count(name) > 0;
        EXPECT_EQ(Reads(seed), !fault) << name;
        if (fault) {
            refused.insert(name);
        }
    }
    EXPECT_EQ(refused, kFoundFaults) << "every found fault is in the corpus";
}

}  // namespace
