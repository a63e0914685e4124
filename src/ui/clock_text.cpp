// The clock arithmetic of the elapsed-time display.
#include "ui/clock_text.h"

#include <cmath>
#include <cstdio>

#include "record/notation.h"

namespace murokan {

namespace {

constexpr double kDaySeconds = 86400;

}  // namespace

double 調査_経過秒(double start, double now) {
    if (start <= now) return now - start;
    return now + (kDaySeconds - start);  // the clock passed midnight
}

std::string 調査_時間秒追加結果(double seconds) {
    // Totals are never negative in play; a damaged record could still carry
    // one (or no number at all), and it is shown as no time rather than as a
    // field with a minus sign in it.
    if (!(seconds >= 0) || !std::isfinite(seconds)) seconds = 0;
    const double h = seconds >= 3600 ? std::floor(seconds / 3600) : 0;
    const double r = seconds - 3600 * h;
    const double m = std::floor(r / 60);
    const double s = std::floor(r - 60 * m);
    // The two-digit writer gives up on three digits; an hour count that large
    // is still written out in full so the clock never loses its hour field.
    char wide[64];
    std::snprintf(wide, sizeof wide, "%.0f", h);
    const std::string hours = h < 100 ? std::string(変換_数字から文字(static_cast<int>(h))) : wide;
    return hours + ":" + std::string(変換_数字から文字(static_cast<int>(m))) + ":" +
           std::string(変換_数字から文字(static_cast<int>(s)));
}

}  // namespace murokan
