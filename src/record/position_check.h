// Whether a position given from outside (pasted, or set up by hand) is one a
// game may start from. Positions reached by play are never checked: the strike
// chain may leave a piece where it cannot move, and a game may have ended.
#pragma once

#include <string>

#include "core/position.h"

namespace murokan {

// The first fault found, as the message the user is shown, or "" when the
// position is sound: a side to move; exactly one king a side; no more pieces
// of a kind, on the board and in hand together, than the set holds (promoted
// pieces count as their kind); no unpromoted piece on a row it could never
// leave; no two unpromoted pawns of one side in a column.
std::string 調査_局面(const Position& p);

}  // namespace murokan
