// The handicap ladder as data: the 21 rank names, one per hande_level
// -10..10, and the one square each step changes. Going up from level 0 the top
// side loses, in turn, its bishop, rook, lances, knights, silvers and golds;
// going down the bottom side loses the same pieces. The menu commands that
// walk the ladder and the screen that names the rung both read it here.
#pragma once

#include <string_view>

#include "core/game_state.h"

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

// One rung of the ladder: the square it changes and the code put there.
struct ハンデ手 {
    int x, y, code;
};

// The change made when "△" raises the level to n (n = -9..10), and when "▽"
// lowers it to n (n = -10..9). Outside those ranges: square (0, 0), KARA.
ハンデ手 ハンデ_上げ手(int n);
ハンデ手 ハンデ_下げ手(int n);

// Why the ladder may not move now: 1 a record is replayed, 2 a move has been
// played since the start, 3 the board was reversed; 0 when it may.
int ハンデ_拒否理由(const GameState& g);

}  // namespace murokan
