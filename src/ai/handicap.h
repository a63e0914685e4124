// The handicap ladder: "△" (LBEL_UP) and "▽" (LEBEL_DOWN) of the 局面 menu
// take one piece at a time from one side of the starting position (hande_level
// -10..10; negative levels weaken the bottom side, positive ones the top side)
// and put it back going the other way.
#pragma once

#include <string>

#include "ai/com_host.h"
#include "ai/handicap_names.h"
#include "core/game_state.h"

namespace murokan {

// One rung of the ladder: the square it changes and the code put there.
struct ハンデ手 {
    int x, y, code;
};

// The change made when "△" raises the level to n (n = -9..10), and when "▽"
// lowers it to n (n = -10..9). Outside those ranges: square (0, 0), KARA.
ハンデ手 ハンデ_上げ手(int n);
ハンデ手 ハンデ_下げ手(int n);

inline constexpr std::string_view HANDE_MESSAGE_TITLE = "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定";

// The text of refusal `reason` (1 replaying a record, 2 a game under way,
// 3 the board reversed), followed by two carriage returns and the advice to go
// back to the start. Any other reason gives an empty first line.
std::string ハンデ_メッセージ文(int reason);
// Shows that text in a message box titled "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定".
void 描画_メッセージ(ComHost& h, int reason);

// The shadowed handicap name right of the board's top row.
void 描画_ハンデレベル(ComHost& h, int level);

// "△" and "▽". Refused (with the forbidden sound and a message) while a record
// is replayed, after a move has been played, or after the board was reversed.
// Otherwise the history is cut to the start position, the level moves one rung
// if it can, and hande_settei is set even at the ends of the ladder.
void LBEL_UP_Click(GameState& g, ComHost& h);
void LEBEL_DOWN_Click(GameState& g, ComHost& h);

}  // namespace murokan
