// LEVEL4 and LEVEL5: the searching computer, for whichever side is to move.
#include <memory>

#include "ai/transposition.h"
#include "core/game_state.h"
#include "game/players_internal.h"

namespace murokan::players {

namespace {

class SearchPlayer : public Player {
  public:
    SearchPlayer(const SearchLimits& limits, const EvalWeights& weights, PlayerScratch* scratch)
        : limits_(limits), weights_(weights), scratch_(scratch) {}

    std::optional<Move> choose(const Position& p, const Thinking& how) override {
        GameState g;
        static_cast<Position&>(g) = p;
        const SearchResult r = searcher().search(g, limits_, how.stop);
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
    // Made on first use rather than with the player: its table is large.
    Searcher& searcher() {
        return fitted_searcher(scratch_ ? *scratch_ : own_, limits_, weights_);
    }

    SearchLimits limits_;
    EvalWeights weights_;
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
