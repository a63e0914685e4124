// The Qt window's keyboard and mouse: a menu item's shortcut key reaches the
// game as that item's shortcut, never in the middle of a handler; a drag
// reaches it as a press and a release, with the pressed piece's picture drawn
// over the canvas in between while the drawing itself stays as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "platform/qt/qt_platform.h"
#include "platform/recording_platform.h"
#include "qt_test_app.h"

namespace murokan::platform {
namespace {

// Writes down what reaches the game, as one line each.
class LogSink : public EventSink {
  public:
    void mouseDown(int b, double x, double y) override {
        lines.push_back("down " + std::to_string(b) + " " + cell(x, y));
        if (on_down) on_down();
    }
    void mouseUp(int b, double x, double y) override {
        lines.push_back("up " + std::to_string(b) + " " + cell(x, y));
    }
    void menuClicked(std::string_view name) override {
        lines.push_back("menu " + std::string(name));
    }
    void menuShortcut(std::string_view name) override {
        lines.push_back("shortcut " + std::string(name));
    }
    void keyPress(int code) override { lines.push_back("key " + std::to_string(code)); }
    void timerTick() override {}
    void unload() override {}

    // The 1000-twips square a point falls in, enough to tell places apart.
    static std::string cell(double x, double y) {
        return std::to_string(static_cast<int>(x) / 1000) + "," +
               std::to_string(static_cast<int>(y) / 1000);
    }
    std::vector<std::string> lines;
    std::function<void()> on_down;
};

class QtInputTest : public ::testing::Test {
  protected:
    QtInputTest() : sound(log), qt((test::ensureQtApp(), sound)) {
        qt.setSink(&sink);
        test::addKeyedMenus(qt.platform().menu);
        qt.window().resize(1000, 850);
        qt.window().show();
        qt.window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&qt.window()));
        canvas().setFocus();
    }
    CanvasWidget& canvas() { return qt.window().canvasWidget(); }
    // A widget point at twips (x, y).
    QPoint at(double x, double y) {
        const CanvasPlacement pl = canvas().placement();
        return QPointF(pl.fromTwipsX(x), pl.fromTwipsY(y)).toPoint();
    }

    EventLog log;
    RecordingSoundLibrary sound;
    QtPlatform qt;
    LogSink sink;
};

TEST_F(QtInputTest, ShortcutKeysReachTheGameAsTheirItemsShortcuts) {
    QTest::keyClick(&canvas(), Qt::Key_Left);
    QTest::keyClick(&canvas(), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&canvas(), Qt::Key_Right);  // bound to nothing in these menus
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"shortcut REPLAY", "shortcut KIFU_WRITE"}));
    // Shown beside the caption, which stays as it was.
    EXPECT_EQ(qt.menu().action("REPLAY")->text(), QStringLiteral("戻"));
    EXPECT_EQ(qt.menu().action("REPLAY")->shortcut().toString(), QStringLiteral("Left"));
    EXPECT_TRUE(qt.menu().action("REVERSE")->shortcut().isEmpty());
}

TEST_F(QtInputTest, NoShortcutActsWhileAHandlerRuns) {
    qt.enterWait();  // an animation's pause
    QTest::keyClick(&canvas(), Qt::Key_Left);
    qt.leaveWait();
    // A handler that is not pausing but still running (a key pressed from it).
    sink.on_down = [this] { QTest::keyClick(&canvas(), Qt::Key_Left); };
    QTest::mouseClick(&canvas(), Qt::LeftButton, {}, at(5500, 4500));
    sink.on_down = nullptr;
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"down 1 5,4", "up 1 5,4"}));
}

TEST_F(QtInputTest, DragIsAPressAndAReleaseWithThePictureAtThePointer) {
    // What the game does on a press that picks up a piece.
    sink.on_down = [this] { qt.canvas().dragPicture(-70); };
    const unsigned generation = qt.canvas().generation();
    const QPoint from = at(3500, 5500), to = at(6500, 2500);
    const QImage before = canvas().grab().toImage();

    QTest::mousePress(&canvas(), Qt::RightButton, {}, from);
    QTest::mouseMove(&canvas(), (from + to) / 2);
    QTest::mouseMove(&canvas(), to);
    EXPECT_TRUE(canvas().dragging());
    const QImage during = canvas().grab().toImage();
    EXPECT_NE(during.pixel(to), before.pixel(to)) << "no picture at the pointer";
    EXPECT_EQ(during.pixel(from), before.pixel(from)) << "the piece left its square early";
    EXPECT_EQ(qt.canvas().generation(), generation) << "the drawing changed during the drag";

    QTest::mouseRelease(&canvas(), Qt::RightButton, {}, to);
    EXPECT_FALSE(canvas().dragging());
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"down 2 3,5", "up 2 6,2"}));
}

// At rest the window lets its scaled copy of the drawing and the stock pictures
// go, though not in the middle of a drag; what it shows afterwards is the same.
TEST_F(QtInputTest, TheScaledCopyGoesAtRestNotDuringADragAndTheWindowLooksTheSame) {
    const auto rest = [] { QTest::qWait(CanvasWidget::kReleaseAfterMs * 3 / 2); };
    qt.canvas().picture(-70, 1000, 1000);
    const QImage shown = canvas().grab().toImage();
    sink.on_down = [this] { qt.canvas().dragPicture(-70); };
    const QPoint from = at(3500, 5500), to = at(6500, 2500);
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&canvas(), to);
    rest();
    EXPECT_TRUE(canvas().holdsScaledCopy()) << "let go under a drag";
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, to);
    rest();
    EXPECT_FALSE(canvas().holdsScaledCopy());
    EXPECT_EQ(canvas().grab().toImage(), shown);
    // The piece's picture, let go too, comes back the same.
    qt.canvas().picture(-70, 5000, 1000);
    const QImage& drawn = qt.canvas().image();
    const QSize cell(kCellPixelsW, kCellPixelsH);
    EXPECT_EQ(drawn.copy(QRect(QPoint(1250, 250), cell)),
              drawn.copy(QRect(QPoint(250, 250), cell)));
}

TEST_F(QtInputTest, AReleaseWithoutAPressThatReachedTheGameIsDropped) {
    qt.enterWait();
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, at(3500, 5500));
    qt.leaveWait();
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, at(6500, 5500));
    EXPECT_TRUE(sink.lines.empty());
}

}  // namespace
}  // namespace murokan::platform
