// LEVEL4 and LEVEL5 in the real Qt window: the search runs on a thread of its
// own while the window's loop keeps the clock running; a menu command meanwhile
// is refused; Esc or closing the window stops the search and ends the program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "flow_fixture.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt_test_app.h"

namespace murokan::test {
namespace {

class ThinkQtTest : public ::testing::Test {
  protected:
    ThinkQtTest() : sound(log), qt((platform::test::ensureQtApp(), sound)), form(qt.platform()) {
        qt.setSink(&form);
        form.Form_Load();
        qt.window().show();
    }
    // Chooses a menu item as the user's click on it does.
    void choose(const char* item) { qt.menu().action(item)->trigger(); }
    bool logged(const std::string& line) const {
        return std::find(log.begin(), log.end(), line) != log.end();
    }
    void stop_mid_search(const std::function<void()>& stop);

    OwnFolder folder;  // first: the program starts in it
    platform::EventLog log;
    platform::RecordingSoundLibrary sound;
    platform::QtPlatform qt;
    Form1 form;
};

// The computer opens at LEVEL4; its clock ran while it searched (the pauses
// of the move's drawing take no ticks), and its move is played.
TEST_F(ThinkQtTest, TheSearchPlaysItsMoveWhileTheClockRuns) {
    choose("LEVEL4");
    choose("GOTE");
    EXPECT_EQ(form.g.tesuu, 1);
    EXPECT_GT(form.g.teki_jikan, 0.05f);
    EXPECT_FALSE(form.quit_requested());
}

// LEVEL10 thinks for over a second; 0.15 s in, a menu command is refused, and
// at 0.3 s the user's `stop` ends it all at once.
void ThinkQtTest::stop_mid_search(const std::function<void()>& stop) {
    choose("LEVEL10");
    QElapsedTimer clock;
    qint64 stopped_at = -1;
    QTimer::singleShot(150, [this] { choose("LEVEL1"); });
    QTimer::singleShot(300, [&] {
        stopped_at = clock.elapsed();
        stop();
    });
    clock.start();
    choose("GOTE");  // returns once the computer's turn has ended
    ASSERT_GE(stopped_at, 0) << "the search ended before it could be stopped";
    // Generous (it takes a few milliseconds), yet a search left to run would
    // go on for most of a second more.
    EXPECT_LT(clock.elapsed() - stopped_at, 500);
    EXPECT_TRUE(form.quit_requested());
    EXPECT_EQ(form.g.tesuu, 0);
    EXPECT_EQ(form.g.com_level, 10);
    EXPECT_GT(form.g.keika_byou, 0.2f);  // the clock ran while it thought
    EXPECT_TRUE(logged("sound free 駒打音.wav"));
}

TEST_F(ThinkQtTest, EscStopsTheSearchAndEndsTheProgram) {
    stop_mid_search([this] { QTest::keyClick(&qt.window().canvasWidget(), Qt::Key_Escape); });
}

TEST_F(ThinkQtTest, ClosingTheWindowStopsTheSearchAndEndsTheProgram) {
    stop_mid_search([this] { qt.window().close(); });
}

}  // namespace
}  // namespace murokan::test
