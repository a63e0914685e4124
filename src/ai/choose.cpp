// The computer's choice of move.
#include "ai/choose.h"

namespace murokan {

std::optional<Move> choose(const GameState& g, ComState& c, Progress progress) {
    // Every level plays the one-ply search; level 2 differs only inside the
    // evaluation. A level with a search of its own is dispatched here.
    GameState trial = g;  // the search tries its moves on a board of its own
    const 思考結果 r = 思考(trial, c, progress);
    if (!r.found) return std::nullopt;
    return r.te;
}

}  // namespace murokan
