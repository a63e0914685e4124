// Zobrist keys of a position: board, both hands and the side to move. The
// search keys its transposition table with them and keeps them up to date
// from what each move reports, instead of rescanning the board.
#pragma once

#include <cstdint>

#include "core/position.h"
#include "core/movegen.h"

namespace murokan {

using ZobristKey = std::uint64_t;

// The key of g computed from scratch. Which side moves first plays no part;
// only whether the bottom side is the one to move.
ZobristKey zobrist_key(const Position& g);

// The key of `after`, where `after` is `before` (whose key is `key`) with `m`
// played by play_move or make_move. A move changes only its source, its
// destination and the squares beyond it on its line (the strike chain runs
// along that line), so only those are compared.
ZobristKey zobrist_after(ZobristKey key, const Position& before, const Position& after,
                         const Move& m);

// The key after the side to move changes with nothing played (a pass, as the
// search's null move makes it, or a side with no move at all).
ZobristKey zobrist_pass(ZobristKey key);

}  // namespace murokan
