// The 21 rank names of the handicap ladder, one per hande_level -10..10.
// The screen draws the name of the current rung beside the board.
#pragma once

#include <string_view>

namespace murokan {

inline constexpr int HANDE_LEVEL_MIN = -10;
inline constexpr int HANDE_LEVEL_MAX = 10;

// Indexed by hande_level - HANDE_LEVEL_MIN. The digits are full-width except in
// 10級, 11級 and 12級, which is how the game has always written them.
inline constexpr std::string_view kハンデ名[21] = {
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人",  // -10
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段",  // -9
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段",  // -8
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段",  // -7
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段",  // -6
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段",  // -5
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段",  // -4
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段",  // -3
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段",  // -2
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級",  // -1
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級",  // 0
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級",  // 1
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級",  // 2
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級",  // 3
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級",  // 4
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級",  // 5
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級",  // 6
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級",  // 7
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級",  // 8
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級",  // 9
    "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級",  // 10
};

// The name of a rung; "" for a level outside -10..10.
constexpr std::string_view ハンデ名(int level) {
    if (level < HANDE_LEVEL_MIN || level > HANDE_LEVEL_MAX) return {};
    return kハンデ名[level - HANDE_LEVEL_MIN];
}

}  // namespace murokan
