// The clock arithmetic of the elapsed-time display: how long a turn has lasted
// and how a number of seconds is written on the window.
#pragma once

#include <string>

namespace murokan {

// Seconds from the clock reading `start` to the reading `now`, both seconds
// since midnight. A reading smaller than the start means midnight has passed.
double 調査_経過秒(double start, double now);

// `seconds` written as "hh:mm:ss", each field whole and two digits wide
// (3725 -> "01:02:05", 59.7 -> "00:00:59"). Totals of 100 hours or more keep
// all their hour digits rather than losing the hour field.
std::string 調査_時間秒追加結果(double seconds);

}  // namespace murokan
