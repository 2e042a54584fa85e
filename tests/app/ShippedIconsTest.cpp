#include <gtest/gtest.h>
#include <unistd.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "files/MidiExportReader.h"
#include "support/ImageDifference.h"

// quillsong_make_icons draws every image in assets/icons; the committed files
// must be what it draws now, so an image never drifts from its drawing.
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(QUILLSONG_TEST_DATA) / ".." / ".." / "assets" / "icons";

// A pixel differs when a premultiplied channel is off by more than
// kChannelTolerance, more than rasterising wobbles between machines. Up to one
// pixel in a hundred may differ: a symbol or stem moved by a pixel changes
// several times that many.
constexpr int kChannelTolerance = 48;
constexpr int kAllowedPerHundred = 1;

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".png" || entry.path().extension() == ".qrc") {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

long DifferingPixels(const QImage& actual, const QImage& expected) {
    return ImageDifference::Of(actual, expected, kChannelTolerance).differing;
}

class ShippedIconsTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawn = fs::temp_directory_path() / ("quillsong-icons-" + std::to_string(getpid()));
        fs::remove_all(drawn);
    }
    void TearDown() override { fs::remove_all(drawn); }

    fs::path drawn;
};

TEST_F(ShippedIconsTest, CommittedImagesAreWhatTheProgramDraws) {
    int status = 0;
    const std::string output = MidiExportReader::Shell(
        std::string(QUILLSONG_MAKE_ICONS) + " '" + drawn.string() + "'", status);
    ASSERT_EQ(status, 0) << output;

    const std::set<std::string> names = FileNames(drawn);
    ASSERT_EQ(names, FileNames(kShipped)) << "regenerate assets/icons (see its README)";
    EXPECT_EQ(Bytes(drawn / "icons.qrc"), Bytes(kShipped / "icons.qrc"));
    for (const std::string& name : names) {
        if (!name.ends_with(".png")) {
            continue;
        }
        SCOPED_TRACE(name);
        const QImage actual(QString::fromStdString((drawn / name).string()));
        const QImage expected(QString::fromStdString((kShipped / name).string()));
        ASSERT_FALSE(actual.isNull());
        ASSERT_EQ(actual.size(), expected.size());
        const long allowed = actual.width() * actual.height() * kAllowedPerHundred / 100;
        EXPECT_LE(DifferingPixels(actual, expected), allowed)
            << "assets/icons/" << name << " differs from what quillsong_make_icons draws";
    }
}

}  // namespace
