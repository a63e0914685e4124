// Which saved places count as on a screen, and saved files that hold no
// usable place. Saving and restoring in the real window: smoke_xvfb_test.
#include "platform/qt/window_placement.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "qt_test_app.h"

namespace murokan::platform {
namespace {

namespace fs = std::filesystem;

TEST(WindowPlacement, APositionCountsWhenItsTitleBarCanBeGrabbed) {
    const QList<QRect> screens = {QRect(0, 0, 1366, 728), QRect(1366, 0, 1024, 768)};
    struct Case {
        const char* name;
        QPoint pos;
        bool on;
    };
    const QSize size(900, 700);
    const Case cases[] = {
        {"centred on the first", {233, 14}, true},
        {"on the second", {1500, 30}, true},
        {"across both", {1000, 30}, true},
        {"right of every screen", {2400, 30}, false},
        {"below every screen", {200, 760}, false},
        {"above every screen", {200, -35}, false},
        {"only 60 pixels left on the right", {2330, 30}, false},
        {"mostly left of the first, 100 pixels showing", {-800, 30}, true},
    };
    for (const Case& c : cases) EXPECT_EQ(onSomeScreen(c.pos, size, screens), c.on) << c.name;
}

TEST(WindowPlacement, OnlyAFileWithAWholePlaceIsUsed) {
    test::ensureQtApp();
    const fs::path file =
        fs::temp_directory_path() / ("murokan-placement-" + std::to_string(getpid()) + ".ini");
    struct Case {
        const char* text;
        bool used;
    };
    const Case cases[] = {
        {"[window]\nx=-10\ny=20\nwidth=640\nheight=480\nmaximized=true\n", true},
        {"[window]\nx=10\ny=20\nwidth=0\nheight=480\n", false},
        {"[window]\nx=10\ny=20\nwidth=wide\nheight=480\n", false},
        {"[window]\nx=10\nwidth=640\nheight=480\n", false},
        {"\x89PNG\r\n\x1a\n", false},
    };
    for (const Case& c : cases) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << c.text;
        const auto p = WindowPlacement(QString::fromStdString(file.string())).load();
        ASSERT_EQ(p.has_value(), c.used) << c.text;
        if (p) {
            EXPECT_EQ(p->pos, QPoint(-10, 20));
            EXPECT_EQ(p->size, QSize(640, 480));
            EXPECT_TRUE(p->maximized);
        }
    }
    fs::remove(file);
}

}  // namespace
}  // namespace murokan::platform
