// A background cell painted on its own, as the window paints one when it first
// shows, is pixel for pixel the same part of the whole texture: a cell whose
// noise starts at the wrong number or whose shapes shift shows a seam.
#include "platform/qt/backgrounds.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "platform/qt/canvas_geometry.h"
#include "platform/qt/image_canvas.h"
#include "qt_test_app.h"

namespace murokan::platform {
namespace {

TEST(BackgroundsTest, ACellPaintedAloneIsThatPartOfTheWholeTexture) {
    test::ensureQtApp();
    const QRect canvas(0, 0, kCanvasPixelsW, kCanvasPixelsH);
    // Cells of the grid (left, top, right and bottom edges, middle), one cut by
    // the canvas's edge, and an odd strip that starts mid-row.
    const QRect parts[] = {{15, 25, 124, 154},     {2377, 25, 123, 154},
                           {1254, 1717, 124, 154}, {1130, 795, 124, 154},
                           {2440, 1900, 60, 100},  {7, 1999, 2493, 1}};
    for (int code = 5; code <= 9; ++code) {
        Backgrounds whole, alone;
        const QImage texture = whole.paint(code, canvas);
        for (const QRect& part : parts) {
            EXPECT_EQ(alone.paint(code, part), texture.copy(part))
                << "background " << code << " at " << part.x() << "," << part.y();
        }
    }
}

// FNV-1a over the pixels, row by row.
std::uint64_t digest(const QImage& img) {
    std::uint64_t h = 14695981039346656037ull;
    for (int y = 0; y < img.height(); ++y) {
        const uchar* row = img.constScanLine(y);
        for (qsizetype i = 0; i < qsizetype(img.width()) * 4; ++i)
            h = (h ^ row[i]) * 1099511628211ull;
    }
    return h;
}

// The noise textures as players have always seen them: a faster painter
// must not change one pixel.
TEST(BackgroundsTest, TheNoiseTexturesKeepEveryPixel) {
    test::ensureQtApp();
    const QRect canvas(0, 0, kCanvasPixelsW, kCanvasPixelsH);
    struct Case {
        int code;
        std::uint64_t digest;
    };
    for (const Case c : {Case{5, 9706790163462135430ull}, Case{6, 9584384002039450377ull}}) {
        Backgrounds b;
        EXPECT_EQ(digest(b.paint(c.code, canvas)), c.digest) << "background " << c.code;
    }
}

// A background cell drawn on the window's canvas shows that part of the
// texture, where the cell is and nowhere beside it, also where the canvas's
// edge cuts the cell.
TEST(BackgroundsTest, TheCanvasShowsTheCellsPartAndNothingBeside) {
    test::ensureQtApp();
    struct Cell {
        double x, y;  // twips
        QRect part;   // canvas pixels the cell covers
    };
    const Cell cells[] = {{4000, 2000, {1000, 500, 124, 154}}, {9800, 7900, {2450, 1975, 50, 25}}};
    for (int code = 5; code <= 9; ++code) {
        for (const Cell& cell : cells) {
            ImageCanvas canvas;
            const QPoint left = cell.part.topLeft() - QPoint(1, 0),
                         above = cell.part.topLeft() - QPoint(0, 1);
            const QRgb ground = canvas.image().pixel(left);
            canvas.picture(code, cell.x, cell.y);
            EXPECT_EQ(canvas.image().copy(cell.part), Backgrounds().paint(code, cell.part))
                << "background " << code << " at " << cell.x << "," << cell.y;
            EXPECT_EQ(canvas.image().pixel(left), ground) << "background " << code;
            EXPECT_EQ(canvas.image().pixel(above), ground) << "background " << code;
        }
    }
}

}  // namespace
}  // namespace murokan::platform
