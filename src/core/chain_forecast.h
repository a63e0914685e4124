// What a board move's strike chain will take, worked out without playing it.
// The search orders and filters moves by this many times per position, far
// more often than it plays them, so it only reads the board.
#pragma once

#include "core/position.h"
#include "core/movegen.h"

namespace murokan {

// The code of the piece that the strike chain of board move `m` by the side to
// move would sandwich and take (KARA when it takes nothing, and for a drop),
// with the board as it stands before the move. Agrees with はじき連鎖 as
// play_move runs it, a piece jammed at a distance from its striker included.
int forecast_chain_take(const Position& g, const Move& m);

// forecast_chain_take of every move of `list`, into taken[0 .. list.count).
// A promoting move and its plain twin come one after the other and strike
// alike (the striker is the mover's piece either way), so the twin reuses the
// forecast; a drop takes nothing.
void forecast_chain_takes(const Position& g, const MoveList& list, int* taken);

}  // namespace murokan
