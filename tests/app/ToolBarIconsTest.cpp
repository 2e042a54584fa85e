#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "editor/qt/ToolBarIcons.h"
#include "support/OffscreenGui.h"

namespace {

class ToolBarIconsTest : public ::testing::Test {
protected:
    void SetUp() override { OffscreenGui(); }

    // Pixels with some ink in them: a blank or missing image has none.
    static int InkedPixels(const QPixmap& pixmap) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                inked += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
            }
        }
        return inked;
    }
};

TEST_F(ToolBarIconsTest, EveryButtonHasItsImageInBothSizes) {
    for (int index = 0; index < ToolBarIcons::kCount; ++index) {
        SCOPED_TRACE(ToolBarIcons::kNames[static_cast<size_t>(index)].data());
        const QIcon icon = ToolBarIcons::For(index);
        ASSERT_FALSE(icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(24, 24)));
        EXPECT_TRUE(sizes.contains(QSize(48, 48)));

        const QPixmap normal = icon.pixmap(QSize(24, 24), 1.0);
        const QPixmap sharp = icon.pixmap(QSize(24, 24), 2.0);
        EXPECT_EQ(normal.size(), QSize(24, 24));
        EXPECT_EQ(sharp.size(), QSize(48, 48)) << "a high-density screen gets the sharp copy";
        EXPECT_GT(InkedPixels(normal), 10);
        EXPECT_GT(InkedPixels(sharp), 40);
    }
}

TEST_F(ToolBarIconsTest, IndicesOutsideTheToolBarGiveNullIcons) {
    for (int index : {-1, ToolBarIcons::kCount, 100}) {
        SCOPED_TRACE(index);
        const QIcon icon = ToolBarIcons::For(index);
        EXPECT_TRUE(icon.isNull());
        EXPECT_TRUE(icon.availableSizes().isEmpty());
    }
}

TEST_F(ToolBarIconsTest, ButtonsHaveDifferentImages) {
    // A name listed twice, or images mixed up when regenerated, shows here.
    for (int a = 0; a < ToolBarIcons::kCount; ++a) {
        const QImage first = ToolBarIcons::For(a).pixmap(QSize(24, 24), 1.0).toImage();
        for (int b = a + 1; b < ToolBarIcons::kCount; ++b) {
            EXPECT_NE(first, ToolBarIcons::For(b).pixmap(QSize(24, 24), 1.0).toImage())
                << ToolBarIcons::kNames[static_cast<size_t>(a)] << " and "
                << ToolBarIcons::kNames[static_cast<size_t>(b)];
        }
    }
}

}  // namespace
