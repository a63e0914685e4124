// Where the window was left comes back on the next start, unless no screen
// shows that place any more; then the window keeps its centred default.
#include "platform/qt/window_placement.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <filesystem>

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

class PlacementFile : public ::testing::Test {
  protected:
    PlacementFile() {
        test::ensureQtApp();
        dir = fs::temp_directory_path() / ("murokan-placement-" + std::to_string(getpid()));
        fs::remove_all(dir);
    }
    ~PlacementFile() override { fs::remove_all(dir); }
    QString file() const { return QString::fromStdString((dir / "murokan/window.ini").string()); }
    void write(int x, int y, int w, int h, bool maximized) {
        fs::create_directories(dir / "murokan");
        QSettings ini(file(), QSettings::IniFormat);
        ini.setValue("window/x", x);
        ini.setValue("window/y", y);
        ini.setValue("window/width", w);
        ini.setValue("window/height", h);
        ini.setValue("window/maximized", maximized);
    }
    fs::path dir;
};

TEST_F(PlacementFile, WhatIsSavedIsLoadedBack) {
    QMainWindow w;
    w.resize(640, 520);
    w.move(40, 30);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const WindowPlacement place(file());
    EXPECT_FALSE(place.load().has_value());  // no file yet
    place.save(w);
    const auto p = place.load();
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->size, QSize(640, 520));
    EXPECT_EQ(p->pos, w.pos());
    EXPECT_FALSE(p->maximized);
}

TEST_F(PlacementFile, ANewWindowTakesTheSavedPlaceOrKeepsItsDefault) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    struct Case {
        const char* name;
        QPoint saved;
        bool restored;
    };
    const Case cases[] = {
        {"on the screen", screen.topLeft() + QPoint(20, 10), true},
        {"off every screen", screen.bottomRight() + QPoint(3000, 3000), false},
    };
    for (const Case& c : cases) {
        write(c.saved.x(), c.saved.y(), 400, 300, false);
        QMainWindow w;
        w.resize(500, 420);
        w.move(screen.topLeft() + QPoint(60, 50));  // the default the window chose itself
        WindowPlacement(file()).show(w);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w)) << c.name;
        EXPECT_EQ(w.pos(), c.restored ? c.saved : screen.topLeft() + QPoint(60, 50)) << c.name;
        EXPECT_EQ(w.size(), c.restored ? QSize(400, 300) : QSize(500, 420)) << c.name;
    }
}

TEST_F(PlacementFile, AFileWithoutAUsableSizeIsIgnored) {
    write(10, 10, 0, 300, false);
    EXPECT_FALSE(WindowPlacement(file()).load().has_value());
    fs::create_directories(dir / "murokan");
    QSettings(file(), QSettings::IniFormat).setValue("window/width", "wide");
    EXPECT_FALSE(WindowPlacement(file()).load().has_value());
}

}  // namespace
}  // namespace murokan::platform
