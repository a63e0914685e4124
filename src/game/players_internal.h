// The kinds of player make_player chooses between, for make_player alone.
#pragma once

#include <memory>

#include "ai/engine.h"
#include "ai/engine_levels.h"
#include "game/player.h"

namespace murokan::players {

// The one-ply computer of LEVEL1-3 for either side; `scratch` as in
// PlayerOptions.
std::unique_ptr<Player> one_ply(int level, PlayerScratch* scratch);

// The searching computer with these limits and weights; `scratch` as in
// PlayerOptions.
std::unique_ptr<Player> searcher(const SearchLimits& limits, const EvalWeights& weights,
                                 PlayerScratch* scratch);

// The searcher kept in `scratch`, made anew when it has none or its table is
// not the size `limits` wants.
Searcher& fitted_searcher(PlayerScratch& scratch, const SearchLimits& limits,
                          const EvalWeights& weights);

// What the searching players share: the searcher they think with, kept in
// the caller's scratch when there is one, else their own, and made at
// construction on the caller's thread, so that the window's worker only
// searches; a caller's searcher is kept while its table has the size wanted.
class SearchingPlayer : public Player {
  public:
    SearchingPlayer(const SearchLimits& limits, const EvalWeights& weights, PlayerScratch* scratch)
        : limits_(limits), scratch_(scratch) {
        fitted_searcher(scratch_ ? *scratch_ : own_, limits_, weights);
    }
    void new_game() override { searcher().new_game(); }
    int budget_ms() const override { return limits_.movetime_ms; }
    bool thinks_long() const override { return true; }
    Thought last_thought() const override { return last_; }

  protected:
    Searcher& searcher() { return *(scratch_ ? scratch_ : &own_)->searcher; }

    SearchLimits limits_;
    Thought last_;

  private:
    PlayerScratch* scratch_;
    PlayerScratch own_;
};

// LEVEL4-7: every move scored by a search of `style.depth` plies within
// `limits`, one of the best few played as `style` says, drawn by `seed`.
std::unique_ptr<Player> ladder(const SearchLimits& limits, const LevelStyle& style,
                               const EvalWeights& weights, PlayerScratch* scratch, unsigned seed);

// Uniform over the legal moves, the same moves for the same seed.
std::unique_ptr<Player> random(unsigned seed);

}  // namespace murokan::players
