#include <gtest/gtest.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "files/MidiExportReader.h"
#include "files/SongFiles.h"
#include "model/Song.h"
#include "support/ImageDifference.h"

// quillsong -o OUT.png / OUT.pdf IN.qs, run as the user runs it, compared
// with reference pictures that were looked at and found right.
//
// Set QUILLSONG_UPDATE_REFERENCES=1 to rewrite the references after a
// deliberate change in drawing; then look at them before committing.
namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(QUILLSONG_TEST_DATA) / ".." / ".." / "examples";
const fs::path kReferences = fs::path(QUILLSONG_TEST_DATA) / "render";

// The pictures are drawn at 200 % so a symbol covers enough pixels to count.
// A pixel differs when a channel is off by more than kChannelTolerance;
// antialiasing and font rasterising wobble by less. Up to kAllowedPixels may
// differ: about three augmentation dots' worth, so a moved stem, a lost
// accidental or a few lost dots fail.
constexpr int kZoom = 200;
constexpr int kChannelTolerance = 64;
constexpr long kAllowedPixels = 100;

class ScoreRenderingTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("quillsong-render-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::pair<int, std::string> Run(const std::string& arguments) {
        int status = 0;
        std::string output = MidiExportReader::Shell(
            std::string(QUILLSONG_BINARY) + " " + arguments + " 2>&1", status);
        return {status, output};
    }
    static std::string ReadAll(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Page objects of a PDF ("/Type /Page", not the "/Type /Pages" tree).
    static int PdfPages(const std::string& pdf) {
        int pages = 0;
        for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
             at = pdf.find("/Type /Page", at + 1)) {
            pages += pdf.compare(at, 12, "/Type /Pages") != 0 ? 1 : 0;
        }
        return pages;
    }
    std::string SaveLongSong(int bars) const {
        Song song("Long", "Me", bars, 100, {4, 4}, 0);
        song.AddTrebleTrack();
        song.AddBassTrack();
        const std::string path = (dir / "long.qs").string();
        SongFiles::Save(song, path);
        return path;
    }

    fs::path dir;
};

class ExampleRenderingTest : public ScoreRenderingTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(ExampleRenderingTest, LooksLikeItsReferencePicture) {
    const std::string name = GetParam();
    const fs::path out = dir / (name + ".png");
    const auto [status, output] = Run("--zoom " + std::to_string(kZoom) + " -o " + out.string() +
                                      " " + (kExamples / (name + ".qs")).string());
    ASSERT_EQ(status, 0) << output;
    const QImage actual(QString::fromStdString(out.string()));
    ASSERT_FALSE(actual.isNull());
    const fs::path reference = kReferences / (name + ".png");
    if (std::getenv("QUILLSONG_UPDATE_REFERENCES") != nullptr) {
        fs::copy_file(out, reference, fs::copy_options::overwrite_existing);
        GTEST_SKIP() << "reference rewritten: " << reference;
    }
    const QImage expected(QString::fromStdString(reference.string()));
    ASSERT_FALSE(expected.isNull()) << "no reference picture " << reference;
    const ImageDifference difference = ImageDifference::Of(actual, expected, kChannelTolerance);
    const fs::path kept = fs::temp_directory_path() / ("quillsong-actual-" + name + ".png");
    if (!difference.sameSize || difference.differing > kAllowedPixels) {
        fs::copy_file(out, kept, fs::copy_options::overwrite_existing);
    }
    ASSERT_TRUE(difference.sameSize)
        << actual.width() << "x" << actual.height() << " against " << expected.width() << "x"
        << expected.height() << "; the new picture is kept as " << kept;
    EXPECT_LE(difference.differing, kAllowedPixels)
        << difference.differing << " of " << difference.total
        << " pixels differ; the new picture is kept as " << kept;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRenderingTest,
                         ::testing::Values("TwinkleTwinkle", "TripletsAndTies", "PianoMinuet",
                                           "ChordsAndDrums", "SixEightSong"));

TEST_F(ScoreRenderingTest, ZoomScalesThePicture) {
    const std::string input = (kExamples / "TwinkleTwinkle.qs").string();
    const fs::path normal = dir / "normal.png";
    const fs::path half = dir / "half.png";
    ASSERT_EQ(Run("-o " + normal.string() + " " + input).first, 0);
    ASSERT_EQ(Run("--zoom 50 -o " + half.string() + " " + input).first, 0);
    const QImage full(QString::fromStdString(normal.string()));
    const QImage small(QString::fromStdString(half.string()));
    // One page is 2165 x 3010 tenths of a millimetre: 819 x 1138 pixels at 96 dpi.
    EXPECT_EQ(full.width(), 819);
    EXPECT_EQ(full.height(), 1138);
    EXPECT_NEAR(small.width(), full.width() / 2, 1);
    EXPECT_NEAR(small.height(), full.height() / 2, 1);
}

TEST_F(ScoreRenderingTest, PdfHasOneA4PagePerScorePage) {
    // Treble and bass: 6 systems of 4 bars a page, so 50 bars take 3 pages.
    const std::string input = SaveLongSong(50);
    const fs::path out = dir / "long.pdf";
    const auto [status, output] = Run("-o " + out.string() + " " + input);
    ASSERT_EQ(status, 0) << output;
    const std::string pdf = ReadAll(out);
    ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(PdfPages(pdf), 3);
    // A4 in points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);
}

// The first page as printed, its height the size asked for, as file managers
// show songs; compared with a reference picture like the screen pictures.
TEST_F(ScoreRenderingTest, ThumbnailIsTheFirstPrintedPageAtTheAskedSize) {
    const std::string input = (kExamples / "TwinkleTwinkle.qs").string();
    struct Size {
        int asked;
        int width;  // the A4 page's proportions, 2100 x 2970
    };
    for (const Size size : {Size{16, 11}, Size{128, 91}, Size{256, 181}, Size{1024, 724}}) {
        SCOPED_TRACE(size.asked);
        const fs::path out = dir / ("thumbnail-" + std::to_string(size.asked) + ".png");
        const auto [status, output] =
            Run("--thumbnail " + input + " " + out.string() + " " + std::to_string(size.asked));
        ASSERT_EQ(status, 0) << output;
        const QImage image(QString::fromStdString(out.string()));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.height(), size.asked);
        EXPECT_EQ(image.width(), size.width);
        // White paper to the edges, not the screen's grey desk.
        EXPECT_EQ(image.pixelColor(0, image.height() - 1), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::white));
    }

    const fs::path out = dir / "thumbnail-256.png";
    const fs::path reference = kReferences / "TwinkleTwinkle-thumbnail.png";
    if (std::getenv("QUILLSONG_UPDATE_REFERENCES") != nullptr) {
        fs::copy_file(out, reference, fs::copy_options::overwrite_existing);
        GTEST_SKIP() << "reference rewritten: " << reference;
    }
    const QImage expected(QString::fromStdString(reference.string()));
    ASSERT_FALSE(expected.isNull()) << "no reference picture " << reference;
    const ImageDifference difference = ImageDifference::Of(
        QImage(QString::fromStdString(out.string())), expected, kChannelTolerance);
    ASSERT_TRUE(difference.sameSize);
    // A lost staff, title or note changes far more pixels than this.
    EXPECT_LE(difference.differing, kAllowedPixels / 4) << difference.differing;
}

// Rows of the picture with a pixel darker than light grey, in thirds of its
// height.
std::vector<int> InkedRowsPerThird(const QImage& image) {
    std::vector<int> thirds(3, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 192) {
                ++thirds[static_cast<size_t>(y * 3 / image.height())];
                break;
            }
        }
    }
    return thirds;
}

TEST_F(ScoreRenderingTest, ThumbnailOfALongSongIsItsFullFirstPage) {
    // Treble and bass, 50 bars: the first of three pages is full of systems
    // from top to bottom.
    const std::string input = SaveLongSong(50);
    const fs::path out = dir / "long.png";
    const auto [status, output] = Run("--thumbnail " + input + " " + out.string() + " 512");
    ASSERT_EQ(status, 0) << output;
    const QImage image(QString::fromStdString(out.string()));
    ASSERT_EQ(image.size(), QSize(362, 512));
    const std::vector<int> thirds = InkedRowsPerThird(image);
    for (size_t third = 0; third < thirds.size(); ++third) {
        EXPECT_GE(thirds[third], 20) << "third " << third;
    }
}

TEST_F(ScoreRenderingTest, BadInputWritesNothing) {
    const fs::path broken = dir / "broken.qs";
    std::ofstream(broken) << "<LarkSong><Track";
    for (const char* name : {"out.png", "out.pdf"}) {
        const fs::path out = dir / name;
        const auto [status, output] = Run("-o " + out.string() + " " + broken.string());
        EXPECT_EQ(status, 1) << name;
        EXPECT_FALSE(output.empty());
        EXPECT_FALSE(fs::exists(out)) << name;
    }
    {
        const fs::path out = dir / "thumbnail.png";
        const auto [status, output] =
            Run("--thumbnail " + broken.string() + " " + out.string() + " 128");
        EXPECT_EQ(status, 1);
        EXPECT_EQ(output, "Read file error\n");
        EXPECT_FALSE(fs::exists(out));
    }
    const auto [status, output] = Run("-o " + (dir / "missing" / "out.pdf").string() + " " +
                                      (kExamples / "TwinkleTwinkle.qs").string());
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("cannot write"), std::string::npos) << output;
}

}  // namespace
