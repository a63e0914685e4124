// Which saved places count as on a screen, how absurd places fit, and saved
// files that hold no usable place or are no file of the game's. Saving and
// restoring in the real window: smoke_xvfb_test.
#include "platform/qt/window_placement.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>

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

// Absurd numbers in the file: a window no larger than the screen its title
// bar is on, or the default place when no screen shows it.
TEST(WindowPlacement, AbsurdPlacesFitTheScreenOrFallBack) {
    test::ensureQtApp();
    const fs::path file =
        fs::temp_directory_path() / ("murokan-absurd-" + std::to_string(getpid()) + ".ini");
    const QList<QRect> screens = {QRect(0, 0, 1366, 728), QRect(1366, 0, 1024, 768)};
    struct Case {
        const char* place;
        std::optional<QRect> want;
    };
    const Case cases[] = {
        {"x=100\ny=50\nwidth=800\nheight=600", QRect(100, 50, 800, 600)},
        {"x=0\ny=0\nwidth=1000000000\nheight=1000000000", QRect(0, 0, 1366, 728)},
        {"x=1400\ny=10\nwidth=5000\nheight=500", QRect(1400, 10, 1024, 500)},
        {"x=2147483000\ny=10\nwidth=800\nheight=600", std::nullopt},
        {"x=-2000000000\ny=10\nwidth=800\nheight=600", std::nullopt},
        {"x=10\ny=-2147483648\nwidth=2147483647\nheight=600", std::nullopt},
    };
    for (const Case& c : cases) {
        std::ofstream(file, std::ios::trunc) << "[window]\n" << c.place << "\n";
        const auto p = WindowPlacement(QString::fromStdString(file.string())).load();
        ASSERT_TRUE(p.has_value()) << c.place;
        EXPECT_EQ(fitted(*p, screens), c.want) << c.place;
    }
    fs::remove(file);
}

// A FIFO would hold the start in open(), and a huge file the memory; neither is
// read. Writing keeps only the game's own keys, and leaves a FIFO be.
TEST(WindowPlacement, OnlyARegularFileOfAPlacementsSizeIsReadAndOnlyOwnKeysWritten) {
    test::ensureQtApp();
    const fs::path file =
        fs::temp_directory_path() / ("murokan-file-" + std::to_string(getpid()) + ".ini");
    const WindowPlacement placement(QString::fromStdString(file.string()));
    QWidget window;
    window.resize(640, 480);

    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    auto loaded = std::async(std::launch::async, [&] { return placement.load(); });
    if (loaded.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a FIFO hung";
        close(open(file.c_str(), O_RDWR));  // lets the stuck open() return
    }
    EXPECT_FALSE(loaded.get().has_value());
    placement.save(window);
    EXPECT_TRUE(fs::is_fifo(file));
    fs::remove(file);

    std::string big = "[window]\nx=10\ny=20\nwidth=640\nheight=480\n[junk]\n";
    while (big.size() < 200'000) big.append("k").append(std::to_string(big.size())).append("=v\n");
    std::ofstream(file, std::ios::binary) << big;
    EXPECT_FALSE(placement.load().has_value()) << "an oversized file was read";

    std::ofstream(file, std::ios::binary | std::ios::trunc)
        << "[window]\nx=10\nstray=1\n[other]\nkey=2\n\x89\x01=\xff\n";
    placement.save(window);
    QSettings ini(QString::fromStdString(file.string()), QSettings::IniFormat);
    EXPECT_EQ(ini.allKeys().size(), 5) << ini.allKeys().join(' ').toStdString();
    EXPECT_EQ(ini.value("window/width").toInt(), 640);
    fs::remove(file);
}

}  // namespace
}  // namespace murokan::platform
