// The computer's choice of move: nothing drawn, waited for, recorded or
// played. The game's turn (and any tool that plays games) asks here and plays
// the answer itself through the rules' play_move.
#pragma once

#include <optional>

#include "ai/com_state.h"
#include "ai/search.h"
#include "core/game_state.h"
#include "core/movegen.h"

namespace murokan {

// The move the computer plays for the top side in `g` at strength `level`
// (1-3), or nullopt when the top side has no legal move or drop. The search
// works on a copy of `g`; `c` keeps its maps and scratch values. `progress`
// is called now and then while it thinks (see Progress).
std::optional<Move> choose(const Position& g, ComState& c, int level, Progress progress = {});

// The same at the window's level, g.com_level.
inline std::optional<Move> choose(const GameState& g, ComState& c, Progress progress = {}) {
    return choose(g, c, g.com_level, progress);
}

}  // namespace murokan
