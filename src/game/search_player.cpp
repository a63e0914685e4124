// LEVEL10 and the match tool's yardstick: the searching computer at full
// strength, for whichever side is to move.
#include <memory>

#include "ai/transposition.h"
#include "core/position.h"
#include "game/players_internal.h"

namespace murokan::players {

namespace {

class SearchPlayer : public Player {
  public:
    SearchPlayer(const SearchLimits& limits, const EvalWeights& weights, PlayerScratch* scratch)
        : limits_(limits), scratch_(scratch) {
        // Made here, on the caller's thread, rather than when it first thinks:
        // the window's worker then only searches.
        // A caller's searcher is kept while its table has the size wanted.
        fitted_searcher(scratch_ ? *scratch_ : own_, limits_, weights);
    }

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
    void new_game() override { searcher().new_game(); }
    int budget_ms() const override { return limits_.movetime_ms; }
    bool thinks_long() const override { return true; }
    Thought last_thought() const override { return last_; }

  private:
    Searcher& searcher() { return *(scratch_ ? scratch_ : &own_)->searcher; }

    SearchLimits limits_;
    PlayerScratch* scratch_;
    PlayerScratch own_;
    Thought last_;
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
