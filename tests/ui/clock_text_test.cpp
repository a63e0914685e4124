// The clock texts and the elapsed-time arithmetic.
#include "ui/clock_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace murokan {
namespace {

TEST(ClockText, TwoDigitFields) {
    const std::pair<double, const char*> cases[] = {
        {0, "00:00:00"},
        {59.7, "00:00:59"},
        {60, "00:01:00"},
        {3599, "00:59:59"},
        {3599.99f, "00:59:59"},
        {3600, "01:00:00"},
        {3725, "01:02:05"},
        {86399, "23:59:59"},
        {359999, "99:59:59"},
        {360000, "100:00:00"},  // the hour field keeps its digits
        {-4, "00:00:00"},       // a damaged total is shown as no time
        {std::numeric_limits<double>::quiet_NaN(), "00:00:00"},
    };
    for (const auto& [seconds, text] : cases) {
        EXPECT_EQ(調査_時間秒追加結果(seconds), text) << seconds;
    }
}

TEST(ClockText, ElapsedSecondsAcrossMidnight) {
    const struct {
        double start, now, elapsed;
    } cases[] = {
        {100, 100, 0},         {100, 112.5, 12.5}, {86399.5, 0.5, 1},
        {86399.9, 0.05, 0.15}, {0, 86399, 86399},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(調査_経過秒(c.start, c.now), c.elapsed, 1e-9) << c.start << " -> " << c.now;
    }
}

}  // namespace
}  // namespace murokan
