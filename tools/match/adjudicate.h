// The match tool's own end to a game, for --adjudicate (never the game's
// rules, which play on to the 500th ply): games between near-equal
// searchers mostly go round in circles to that limit, and a measure of the
// ladder would take hours.
#pragma once

#include <optional>
#include <unordered_map>

#include "ai/zobrist.h"
#include "game/game.h"
#include "game/player.h"

namespace murokan::match {

// Scores each side's searcher must both give, in the winner's favour or
// within this much of level, before the match calls a game.
inline constexpr int kAdjudicateWinScore = 1500;
inline constexpr int kAdjudicateLevelScore = 150;
// Plies in a row for which both must agree that one side has won.
inline constexpr int kAdjudicateWinPlies = 8;

class Adjudicator {
  public:
    // `plies` 0: never calls a game.
    explicit Adjudicator(int plies) : plies_(plies) {}

    // Told after each ply (a pass included) which player moved (0 or 1) and
    // what it thought. The game's result for player 0 when the match calls
    // it now: a draw (0) once `plies` are played, or when a position stands
    // for the third time while both searchers call it level; a win (1) or
    // loss (-1) when both searchers have agreed for kAdjudicateWinPlies plies
    // that one side has won. Nothing while the game plays on.
    std::optional<int> after(const Game& game, int who, const Thought& thought);

  private:
    int plies_;
    std::unordered_map<ZobristKey, int> stood_;
    // Each player's last score, its own side's view, when it keeps one.
    std::optional<double> score_[2];
    int winner_ = 0;  // 1 player 0, -1 player 1, as both last agreed
    int streak_ = 0;
};

}  // namespace murokan::match
