// The offscreen canvas: pictures, texts and outlines land at the right pixels,
// and the PNG written for `shot` shows them. A blank, shifted or mis-scaled
// canvas fails here.
#include "platform/qt/image_canvas.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <filesystem>

#include "platform/qt/canvas_geometry.h"
#include "qt_test_app.h"

namespace murokan::platform {
namespace {

double cellX(double x) {
    return 1050 + 495 * x;
}
double cellY(double y) {
    return 100 + 615 * y;
}

// The canvas pixel at a point given in cell units.
QColor at(const QImage& img, double cx, double cy) {
    return img.pixelColor(twipsToPixel(cellX(cx)), twipsToPixel(cellY(cy)));
}

bool near(const QColor& c, int r, int g, int b, int tol) {
    return std::abs(c.red() - r) <= tol && std::abs(c.green() - g) <= tol &&
           std::abs(c.blue() - b) <= tol;
}

// Draws a starting-position-like screen the way the drawing procedures do.
void drawScreen(ImageCanvas& c) {
    for (int x = -3; x <= 28; ++x)
        for (int y = -2; y <= 17; ++y) c.picture(5, cellX(x), cellY(y));
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            int code = 0;
            if (y == 3) code = 10;
            if (y == 7) code = -10;
            if (y == 9 && x == 5) code = -80;
            if (y == 1 && x == 5) code = 80;
            c.picture(code, cellX(x), cellY(y));
            c.rectangle(cellX(x), cellY(y), cellX(x) + 495, cellY(y) + 615, 2);
        }
    }
    c.picture(-10, cellX(11), cellY(3));  // one pawn in the bottom hand
    c.text(cellX(12.1), cellY(3.3), "2", 14, 0, false);
    c.text(cellX(12), cellY(3.2), "2", 14, 12, false);
    c.picture(-3, cellX(10.8), cellY(0));
    c.refresh();
}

class ImageCanvasTest : public ::testing::Test {
  protected:
    void SetUp() override { test::ensureQtApp(); }
};

TEST_F(ImageCanvasTest, StartsFilledWithTheFormColourAtFourTwipsAPixel) {
    ImageCanvas c;
    EXPECT_EQ(c.image().size(), QSize(2500, 2000));
    EXPECT_TRUE(near(c.image().pixelColor(1000, 1000), 0, 128, 0, 0));
}

TEST_F(ImageCanvasTest, ScreenPngShowsPiecesSquaresBackgroundAndCount) {
    ImageCanvas c;
    drawScreen(c);
    std::filesystem::create_directories("shots");
    const std::string path = "shots/render_test.png";
    ASSERT_TRUE(c.savePng(path));
    QImage png(QString::fromStdString(path));
    ASSERT_EQ(png.size(), QSize(2500, 2000));

    struct Probe {
        const char* what;
        double cx, cy;
        int r, g, b, tol;
    };
    const Probe probes[] = {
        // Green baize outside the board and beside the title.
        {"background left of board", 0.5, 5.5, 18, 98, 44, 25},
        {"background below board", 5.5, 11.5, 18, 98, 44, 25},
        // Board wood in an empty square, near its corners too (not shifted or shrunk).
        {"empty square centre", 3.5, 5.5, 228, 188, 112, 30},
        {"empty square near top-left", 3.06, 5.05, 228, 188, 112, 30},
        {"empty square near bottom-right", 3.94, 5.95, 228, 188, 112, 30},
        // The koma body under its glyph (lighter boxwood), bottom piece and top piece.
        {"bottom pawn body", 4.5, 7.86, 225, 185, 115, 45},
        {"top pawn body", 4.5, 3.14, 225, 185, 115, 45},
        // The square outline in QBColor 2 on the cell's edge.
        {"outline", 3.0, 5.5, 0, 128, 0, 10},
    };
    for (const Probe& p : probes) {
        const QColor got = at(png, p.cx, p.cy);
        EXPECT_TRUE(near(got, p.r, p.g, p.b, p.tol))
            << p.what << ": got " << got.red() << "," << got.green() << "," << got.blue();
    }

    // The glyph: a piece cell has dark ink pixels, an empty square has none.
    auto darkPixels = [&](double x, double y) {
        int n = 0;
        const int x0 = twipsToPixel(cellX(x)), y0 = twipsToPixel(cellY(y));
        for (int j = 4; j < 150; ++j)
            for (int i = 4; i < 120; ++i)
                if (png.pixelColor(x0 + i, y0 + j).lightness() < 60) ++n;
        return n;
    };
    EXPECT_GT(darkPixels(5, 9), 300);  // the bottom king
    EXPECT_GT(darkPixels(2, 7), 200);  // a bottom pawn
    EXPECT_EQ(darkPixels(2, 5), 0);    // an empty square

    // The hand count "2" in light red right of the stand.
    int red = 0;
    const int x0 = twipsToPixel(cellX(12)), y0 = twipsToPixel(cellY(3));
    for (int j = 0; j < 154; ++j)
        for (int i = 0; i < 124; ++i)
            if (near(png.pixelColor(x0 + i, y0 + j), 255, 0, 0, 40)) ++red;
    EXPECT_GT(red, 150);
}

TEST_F(ImageCanvasTest, UnknownCodesDrawNothingAndEveryKnownCodeDraws) {
    ImageCanvas c;
    const QImage before = c.image();
    for (int code : {51, -51, 1, 2, 12, 90, -4, 100}) c.picture(code, cellX(3), cellY(3));
    EXPECT_EQ(c.image(), before);
    // Each known code on its own cell of one canvas changes that cell.
    const int codes[] = {0,   3,   4,   5,   6,   7,   8,   9,   -3,  10,  11,  20,  21,
                         30,  31,  40,  41,  50,  60,  61,  70,  71,  80,  -10, -11, -20,
                         -21, -30, -31, -40, -41, -50, -60, -61, -70, -71, -80};
    int i = 0;
    for (int code : codes) {
        const int x = -2 + (i % 9) * 2, y = (i / 9) * 2;
        ++i;
        c.picture(code, cellX(x), cellY(y));
        const QRect cell(twipsToPixel(cellX(x)), twipsToPixel(cellY(y)), 124, 154);
        EXPECT_NE(c.image().copy(cell), before.copy(cell)) << code;
    }
}

TEST_F(ImageCanvasTest, BackgroundsAreDeterministicAndTellApart) {
    QColor average[5];
    for (int code = 5; code <= 9; ++code) {
        ImageCanvas c, again;
        for (int x = 0; x < 4; ++x) {
            c.picture(code, cellX(x), cellY(3));
            again.picture(code, cellX(x), cellY(3));
        }
        EXPECT_EQ(c.image(), again.image()) << "background " << code;
        long r = 0, g = 0, b = 0, n = 0;
        const int x0 = twipsToPixel(cellX(0)), y0 = twipsToPixel(cellY(3));
        for (int j = 0; j < 150; j += 3)
            for (int i = 0; i < 490; i += 3) {
                const QColor q = c.image().pixelColor(x0 + i, y0 + j);
                r += q.red(), g += q.green(), b += q.blue(), ++n;
            }
        average[code - 5] = QColor(int(r / n), int(g / n), int(b / n));
    }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b)
            EXPECT_FALSE(
                near(average[a], average[b].red(), average[b].green(), average[b].blue(), 20))
                << "backgrounds " << a + 5 << " and " << b + 5 << " look alike";
}

TEST_F(ImageCanvasTest, TextTopLeftAndSizeFollowTwips) {
    ImageCanvas c;
    // 20 points are 400 twips, 100 canvas pixels of font height.
    c.text(2000, 2000, "九", 20, 15, true);
    int top = 2000, bottom = 0, left = 2500, right = 0;
    for (int y = 0; y < 2000; ++y)
        for (int x = 0; x < 2500; ++x)
            if (near(c.image().pixelColor(x, y), 255, 255, 255, 60)) {
                top = std::min(top, y), bottom = std::max(bottom, y);
                left = std::min(left, x), right = std::max(right, x);
            }
    ASSERT_LT(top, bottom);
    EXPECT_GE(top, 500);
    EXPECT_LE(top, 520);  // the glyph starts just below the line's top
    EXPECT_GE(left, 499);
    EXPECT_LE(left, 515);
    EXPECT_GT(bottom - top, 70);  // a kanji fills most of the em
    EXPECT_LT(bottom - top, 105);
}

// Ink pixels of one text printed in black on a fresh (green) canvas.
int inkOf(const char* text, double size, bool bold) {
    ImageCanvas ink;
    ink.text(2000, 2000, text, size, 0, bold);
    int n = 0;
    for (int y = 480; y < 800; ++y)
        for (int x = 480; x < 1000; ++x)
            if (ink.image().pixelColor(x, y).lightness() < 40) ++n;
    return n;
}

TEST_F(ImageCanvasTest, BoldTextIsBolderAtEverySizeTheScreenUses) {
    // The coordinate labels are 16 and 12 points, the hand counts 14, the
    // level and handicap labels 10, all printed after the font turned bold.
    struct Case {
        const char* text;
        double size;
    };
    const Case cases[] = {{"8", 10}, {"8", 12}, {"八", 12}, {"2", 14}, {"8", 16}, {"00:00", 12}};
    for (const Case& k : cases) {
        const int regular = inkOf(k.text, k.size, false);
        const int bold = inkOf(k.text, k.size, true);
        ASSERT_GT(regular, 50) << k.text << " at " << k.size;
        EXPECT_GT(bold, regular * 5 / 4) << k.text << " at " << k.size << " points";
    }
}

TEST_F(ImageCanvasTest, TitleArtKeepsToRowZero) {
    // The handicap label repaints the background over row 1 right of the
    // board; the title at (10.8, 0) must not reach into that row.
    ImageCanvas c;
    const QImage before = c.image();
    c.picture(-3, cellX(10.8), cellY(0));
    const int row1 = twipsToPixel(cellY(1));
    int changed_above = 0, changed_below = 0;
    for (int y = 0; y < 2000; ++y)
        for (int x = 0; x < 2500; ++x)
            if (c.image().pixel(x, y) != before.pixel(x, y))
                ++(y < row1 ? changed_above : changed_below);
    EXPECT_GT(changed_above, 5000);
    EXPECT_EQ(changed_below, 0);
}

}  // namespace
}  // namespace murokan::platform
