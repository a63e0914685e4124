// The best line a search found, read back from its transposition table: the
// root's best move, then the stored move of each position it leads to, for
// as long as the table still holds one and it is legal there.
#pragma once

#include <vector>

#include "ai/engine.h"
#include "core/movegen.h"
#include "core/position.h"

namespace murokan {

// The most plies a line is read to: deeper than that the table seldom
// still holds the line the search meant.
inline constexpr int kPrincipalPlies = 8;

// The line from `root` that starts with `first` (the search's best move),
// at most `max_plies` long. Ends early at a finished game, a position the
// table has lost or whose stored move is not legal there, and at a position
// met before on the line (a line round in circles would never end). Empty
// when `first` is not legal at `root`. Call from the searcher's own thread,
// or once it has stopped.
std::vector<Move> principal_line(const Searcher& searcher, const Position& root, const Move& first,
                                 int max_plies = kPrincipalPlies);

}  // namespace murokan
