// The small text routines of the move display, the clocks and the record header.
#pragma once

#include <string>
#include <string_view>

namespace murokan {

// 文字列変換: 1..9 give the full-width file digits "１".."９", 1001..1009 the
// rank numerals "一".."九", a piece code (either sign) its name ("歩", "と",
// "香成", …, "王"). Every other number, 0 and ±51 included, gives "".
std::string_view 文字列変換(int n);

// 変換_数字から文字: the plain decimal text of n, given a leading "0" when it
// has one character; "" when it has three or more.
std::string 変換_数字から文字(long long n);

// 取得_棋譜のX座標: the x (twips) at which a header line of a loaded record is
// printed: MASU_W * (3 + (13 - L) / 5) + BAN_X0, L the text's character count.
double 取得_棋譜のX座標(std::string_view utf8);

}  // namespace murokan
