// A background cell painted on its own, as the window paints one when it first
// shows, is pixel for pixel the same part of the whole texture: a cell whose
// noise starts at the wrong number or whose shapes shift shows a seam.
#include "platform/qt/backgrounds.h"

#include <gtest/gtest.h>

#include "platform/qt/canvas_geometry.h"
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

}  // namespace
}  // namespace murokan::platform
