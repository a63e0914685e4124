// The analysis's background work: what it tells the window arrives on the
// window's thread, its end last; what a work joined meanwhile told is dropped.
#include "platform/qt/qt_background.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "qt_test_app.h"

namespace murokan::platform {
namespace {

TEST(QtBackgroundTest, DeliversInOrderAndDropsWhatAJoinedWorkTold) {
    test::ensureQtApp();
    QtBackground bg;
    std::vector<int> heard;
    bg.start([&] { bg.post([&] { heard.push_back(1); }); }, [&] { heard.push_back(9); });
    bg.join();
    QCoreApplication::processEvents();
    EXPECT_TRUE(heard.empty());
    EXPECT_FALSE(bg.busy());

    bg.start([&] { bg.post([&] { heard.push_back(2); }); }, [&] { heard.push_back(9); });
    EXPECT_TRUE(bg.busy());
    for (int i = 0; i < 2000 && bg.busy(); ++i) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_EQ(heard, (std::vector<int>{2, 9}));
    EXPECT_FALSE(bg.busy());
}

}  // namespace
}  // namespace murokan::platform
