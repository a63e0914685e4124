// A large image on memory of its own paints, copies and outlives its first
// handle as an ordinary QImage does.
#include "platform/qt/large_image.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "qt_test_app.h"

namespace murokan::platform {
namespace {

TEST(LargeImage, PaintsCopiesAndOutlivesItsHandleAsAnOrdinaryImage) {
    test::ensureQtApp();
    struct Case {
        int w, h;
        QImage::Format format;
    };
    // The canvas, an odd width in a packed format, and one too small to map.
    for (const Case c :
         {Case{2500, 2000, QImage::Format_RGB32}, Case{1001, 999, QImage::Format_RGB888},
          Case{40, 30, QImage::Format_RGB32}}) {
        SCOPED_TRACE(c.w);
        QImage ordinary(c.w, c.h, c.format);
        QImage large = makeLargeImage(c.w, c.h, c.format);
        ASSERT_EQ(large.size(), ordinary.size());
        ASSERT_EQ(large.format(), c.format);
        for (QImage* img : {&ordinary, &large}) {
            img->fill(Qt::darkGreen);
            QPainter p(img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setBrush(Qt::yellow);
            p.drawEllipse(QRectF(3.5, 2.5, c.w - 7, c.h - 5));
        }
        EXPECT_EQ(large, ordinary);
        // A copy taken before the handle goes keeps the pixels.
        QImage kept = large;
        large = QImage();
        EXPECT_EQ(kept, ordinary);
        kept.setPixel(0, 0, qRgb(1, 2, 3));  // still writable
        EXPECT_EQ(kept.pixel(0, 0), qRgb(1, 2, 3));
    }
}

}  // namespace
}  // namespace murokan::platform
