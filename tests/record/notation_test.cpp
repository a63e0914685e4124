// The text routines of the move display, the clocks and the record header.
#include "record/notation.h"

#include <gtest/gtest.h>

namespace murokan {
namespace {

TEST(文字列変換Test, Table) {
    struct Case {
        int n;
        const char* text;
    };
    const Case cases[] = {
        {1, "１"},
        {5, "５"},
        {9, "９"},
        {1001, "一"},
        {1005, "五"},
        {1009, "九"},
        {10, "歩"},
        {-10, "歩"},
        {11, "と"},
        {-11, "と"},
        {20, "香"},
        {21, "香成"},
        {-30, "桂"},
        {31, "桂成"},
        {40, "銀"},
        {-41, "銀成"},
        {50, "金"},
        {-50, "金"},
        {60, "角"},
        {-61, "角成"},
        {70, "飛"},
        {71, "飛成"},
        {-80, "王"},
        {80, "王"},
        // Outside the table: empty.
        {0, ""},
        {51, ""},
        {-51, ""},
        {1000, ""},
        {1010, ""},
        {-1, ""},
        {12, ""},
        {81, ""},
        {-1005, ""},
        {2147483647, ""},
        {-2147483647 - 1, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(文字列変換(c.n), c.text) << "n = " << c.n;
}

TEST(変換_数字から文字Test, Table) {
    struct Case {
        long long n;
        const char* text;
    };
    const Case cases[] = {{0, "00"},  {7, "07"},  {9, "09"}, {10, "10"}, {42, "42"},
                          {59, "59"}, {99, "99"}, {100, ""}, {123, ""},  {-5, "-5"}};
    for (const Case& c : cases) EXPECT_EQ(変換_数字から文字(c.n), c.text) << "n = " << c.n;
}

TEST(取得_棋譜のX座標Test, CountsCharactersNotBytes) {
    struct Case {
        const char* text;
        double x;
    };
    const Case cases[] = {
        {"", 495 * (3 + 13 / 5.0) + 1050},
        {"abc", 3525},                         // 3 characters
        {"先手名", 3525},                      // 3 characters, 9 bytes
        {"ﾑﾛｶﾝ", 495 * (3 + 9 / 5.0) + 1050},  // half-width kana are one character each
        {"一二三四五六七八九十一二三", 2535},  // 13 characters
        {"abcdefgh", 495 * (3 + 1.0) + 1050},  // real division: (13 - 8) / 5 = 1
        {"abcdefghij", 495 * (3 + 0.6) + 1050},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(取得_棋譜のX座標(c.text), c.x) << c.text;
}

}  // namespace
}  // namespace murokan
