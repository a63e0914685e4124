// LEVEL10 and the match tool's yardstick: the searching computer at full
// strength, for whichever side is to move.
#include <memory>

#include "ai/transposition.h"
#include "core/position.h"
#include "game/players_internal.h"

namespace murokan::players {

namespace {

class SearchPlayer : public SearchingPlayer {
  public:
    using SearchingPlayer::SearchingPlayer;

    std::optional<Move> choose(const Position& p, const Thinking& how) override {
        const SearchResult r = searcher().search(p, limits_, how.stop);
        last_.deepened = true;
        last_.score = r.score;
        last_.depth = r.depth;
        last_.nodes = r.nodes;
        last_.seconds = r.seconds;
        if (!r.found) return std::nullopt;
        return r.move;
    }
};

}  // namespace

Searcher& fitted_searcher(PlayerScratch& s, const SearchLimits& limits, const EvalWeights& weights) {
    // About one slot of the table per node of the budget.
    const int bits = TranspositionTable::bits_for_nodes(limits.nodes);
    if (!s.searcher || s.searcher_bits != bits) {
        s.searcher = std::make_unique<Searcher>(weights, bits);
        s.searcher_bits = bits;
    }
    return *s.searcher;
}

std::unique_ptr<Player> searcher(const SearchLimits& limits, const EvalWeights& weights,
                                 PlayerScratch* scratch) {
    return std::make_unique<SearchPlayer>(limits, weights, scratch);
}

}  // namespace murokan::players
