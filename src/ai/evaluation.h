// The computer's board evaluation: how good the position now on the board is
// for the top side, right after one of its trial moves. The turn driver has
// already put the trial move on the board and refilled c.maps with 勢力調査.
//
// T = (tx, ty) is the destination, F = (fx, fy) the source (fx = -1 for a drop,
// fy then the hand kind), `piece` the code now standing on T.
#pragma once

#include "ai/com_state.h"
#include "core/game_state.h"

namespace murokan {

// Special results: a move that mates, and one that leaves the top king attacked
// (or mates with a pawn).
inline constexpr double HYOUKA_TSUMI = 9998;
inline constexpr double HYOUKA_KINSHI = -9998;

// Score of the trial move at strength `level` (1-3): the higher, the better
// for the computer. Scores are multiples of 0.1, returned exactly rounded to
// the nearest tenth so that equal scores compare equal. g.ban is restored
// before return (probes lift pieces).
double 盤評価(Position& g, ComState& c, int level, int piece, int fx, int fy, int tx, int ty);

// The same at the window's level, g.com_level.
inline double 盤評価(GameState& g, ComState& c, int piece, int fx, int fy, int tx, int ty) {
    return 盤評価(g, c, g.com_level, piece, fx, fy, tx, ty);
}

// Whole-board threat judgement added to every trial: threats around the top
// king, hanging top pieces, and drops the bottom side could make. The trial
// move itself is only seen through the board and maps.
double 盤評価_COM危険座標(Position& g, ComState& c, int piece, int tx, int ty);

// Positional rules for the piece that just moved or was dropped, applied to the
// running score s; returns the final score (some rules end the evaluation with
// a value of their own). Not called at level 2 nor for 21, 31 and 41.
double 盤評価_駒別(Position& g, ComState& c, double s, int piece, int fx, int fy, int tx, int ty);

}  // namespace murokan
