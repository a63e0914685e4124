// The handicap ladder: "△" (LBEL_UP) and "▽" (LEBEL_DOWN) of the 局面 menu
// take one piece at a time from one side of the starting position (hande_level
// -10..10; negative levels weaken the bottom side, positive ones the top side)
// and put it back going the other way.
#pragma once

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

// Why the ladder may not move now: 1 a record is replayed, 2 a move has been
// played since the start, 3 the board was reversed; 0 when it may.
int ハンデ_拒否理由(const GameState& g);

// "△" and "▽". Refused (with the forbidden sound and 描画_メッセージ of the
// reason) while ハンデ_拒否理由 is not 0.
// Otherwise the history is cut to the start position, the level moves one rung
// if it can, and hande_settei is set even at the ends of the ladder.
void LBEL_UP_Click(GameState& g, ComHost& h);
void LEBEL_DOWN_Click(GameState& g, ComHost& h);

}  // namespace murokan
