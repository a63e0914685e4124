#include "match/adjudicate.h"

#include <cmath>

namespace murokan::match {

std::optional<int> Adjudicator::after(const Game& game, int who, const Thought& thought) {
    if (plies_ == 0) return std::nullopt;
    if (thought.deepened) score_[who] = thought.score;
    if (game.plies() >= plies_) return 0;
    const bool both = score_[0] && score_[1];
    // Player 0's standing as each player sees it.
    const double a = both ? *score_[0] : 0, b = both ? -*score_[1] : 0;
    const int agreed = !both                                                    ? 0
                       : a >= kAdjudicateWinScore && b >= kAdjudicateWinScore   ? 1
                       : a <= -kAdjudicateWinScore && b <= -kAdjudicateWinScore ? -1
                                                                                : 0;
    streak_ = agreed != 0 && agreed == winner_ ? streak_ + 1 : agreed != 0 ? 1 : 0;
    winner_ = agreed;
    if (streak_ >= kAdjudicateWinPlies) return winner_;
    const int stood = ++stood_[zobrist_key(game.position())];
    if (stood >= 3 && both && std::abs(a) <= kAdjudicateLevelScore &&
        std::abs(b) <= kAdjudicateLevelScore)
        return 0;
    return std::nullopt;
}

}  // namespace murokan::match
