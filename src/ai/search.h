// The computer's one-ply search: every legal board move and drop of the top
// side is tried on the live board, scored by 盤評価 and taken back. No screen,
// no clocks: the turn driver and the headless tools call these directly.
#pragma once

#include "ai/com_host.h"
#include "ai/com_state.h"
#include "core/game_state.h"
#include "core/movegen.h"

namespace murokan {

// A move of the top side. A drop has fc = -1 and fr = the hand kind (1 歩 … 7 飛).
struct 指し手 {
    int fc = 0, fr = 0, tc = 0, tr = 0;
    int before = 0;  // the piece before the move
    int after = 0;   // the piece as it lands (promoted when the move promotes)
};

// The same move in the rules' own form, for legality checks, playing and notation.
Move 指し手_変換(const 指し手& te);

struct 思考結果 {
    bool found = false;  // false when the top side has no legal move or drop
    指し手 te;
    double score = -99999;
    int candidates = 0;  // positions surveyed and scored
};

// The start of a turn: clears the best score and the escape marks, keeps the
// board, the hand total and the two attack maps as they are before any trial,
// refreshes the two-pawn flags, counts the bottom king's escapes and marks the
// pinned pieces. Leaves c.maps describing the current position.
void 思考_準備(GameState& g, ComState& c);

// Runs the search after 思考_準備. Board moves first (source column, source
// row, destination column, destination row, each ascending), then drops (kind
// 1..7, destination column, row); only a strictly higher score replaces the
// best, and the first drop scoring 9998 or more ends the search. `tick`, when
// given, gets one Timer1_Timer call per source column and per hand kind.
// g.ban and the hands end as they were; g.nari_koma and the king squares may
// change.
思考結果 思考_探索(GameState& g, ComState& c, ComHost* tick = nullptr);

// 思考_準備 then 思考_探索.
思考結果 思考(GameState& g, ComState& c, ComHost* tick = nullptr);

// Scores one candidate as the search does, after 思考_準備: puts it on the
// board, chooses promotion as the search does, surveys, scores and takes it
// back. `te.before` must be the piece on the source (for a drop, the top code
// of the kind). On return te.after holds the form the search would play.
// Does not check legality.
double 思考_候補評価(GameState& g, ComState& c, 指し手& te, int* candidates = nullptr);

// The distance a drop is scored with: the search scores drops after all board
// moves, with ou_kyori left by the last board move it tried (0 when the top
// side has no board move).
int 思考_最後の王距離(const GameState& g);

}  // namespace murokan
