// The computer's choice of move.
#include "ai/choose.h"

namespace murokan {

std::optional<Move> choose(const Position& g, ComState& c, int level, Progress progress) {
    // LEVEL1-3 play the one-ply search; level 2 differs only inside the
    // evaluation. LEVEL4 and LEVEL5 search with engine.h's searcher, which
    // the game runs away from the window's thread.
    Position trial = g;  // the search tries its moves on a board of its own
    const 思考結果 r = 思考(trial, c, level, progress);
    if (!r.found) return std::nullopt;
    return r.te;
}

}  // namespace murokan
