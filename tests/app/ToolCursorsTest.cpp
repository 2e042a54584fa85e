#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <ostream>

#include "editor/qt/ToolCursors.h"
#include "support/OffscreenGui.h"

// Lets a failed check print a point as (x, y); found through the argument's
// namespace, Qt's global one.
void PrintTo(const QPoint& point, std::ostream* out) {
    *out << "(" << point.x() << ", " << point.y() << ")";
}

namespace {

// Each drawn pointer, where it must point, and the way its tip faces: the
// pixel under the hot spot is inked and the pixels beyond it, that way, are
// clear, so a drawing moved off its hot spot shows.
struct DrawnPointer {
    int shape;
    QPoint hotSpot;
    QPoint outward;
};

const DrawnPointer kDrawn[] = {
    {ToolCursors::Pencil, QPoint(2, 29), QPoint(-1, 1)},
    {ToolCursors::Eraser, QPoint(5, 26), QPoint(-1, 1)},
    {ToolCursors::Playing, QPoint(1, 1), QPoint(-1, -1)},
};

int AlphaAt(const QImage& image, QPoint at) {
    return image.rect().contains(at) ? qAlpha(image.pixel(at)) : 0;
}

class ToolCursorsTest : public ::testing::Test {
protected:
    void SetUp() override { OffscreenGui(); }
};

TEST_F(ToolCursorsTest, DrawnPointersPointAtTheirHotSpots) {
    for (const DrawnPointer& drawn : kDrawn) {
        for (const int ratio : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "shape " << drawn.shape << " ratio " << ratio);
            const QCursor cursor = ToolCursors::For(drawn.shape, ratio);
            ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
            EXPECT_EQ(cursor.hotSpot(), drawn.hotSpot) << "the hot spot is in logical pixels";
            const QPixmap pixmap = cursor.pixmap();
            EXPECT_EQ(pixmap.size(), QSize(32, 32) * ratio);
            EXPECT_EQ(pixmap.devicePixelRatio(), ratio);

            const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            const QPoint tip = drawn.hotSpot * ratio + QPoint(ratio / 2, ratio / 2);
            EXPECT_GT(AlphaAt(image, tip), 128) << "nothing drawn at the hot spot";
            EXPECT_EQ(AlphaAt(image, tip + drawn.outward * 2 * ratio), 0)
                << "the drawing reaches past the hot spot";
        }
    }
}

TEST_F(ToolCursorsTest, TheApplicationRatioPicksTheImage) {
    // The offscreen screen has a ratio of 1.
    EXPECT_EQ(ToolCursors::For(ToolCursors::Pencil).pixmap().size(), QSize(32, 32));
    EXPECT_EQ(ToolCursors::For(ToolCursors::Pencil, 1.5).pixmap().size(), QSize(64, 64));
}

TEST_F(ToolCursorsTest, OtherShapesAreQtPointers) {
    const struct {
        int shape;
        Qt::CursorShape expected;
    } cases[] = {
        {ToolCursors::Select, Qt::ArrowCursor},
        {ToolCursors::Navigate, Qt::OpenHandCursor},
        {-1, Qt::ArrowCursor},
        {5, Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToolCursors::For(c.shape).shape(), c.expected) << "shape " << c.shape;
    }
}

}  // namespace
