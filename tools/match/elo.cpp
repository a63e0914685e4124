#include "match/elo.h"

#include <algorithm>
#include <cmath>

namespace murokan::match {

namespace {

double elo_of(double p) {
    return -400.0 * std::log10(1.0 / p - 1.0);
}

}  // namespace

EloEstimate estimate_elo(int wins, int losses, int draws) {
    const double n = wins + losses + draws;
    if (n == 0) return {0, 0, 0};
    const double p = (wins + 0.5 * draws) / n;
    const double edge = 0.5 / n;
    const double pc = std::clamp(p, edge, 1.0 - edge);
    // Standard error of the mean score per game.
    const double var =
        (wins * (1 - p) * (1 - p) + losses * p * p + draws * (0.5 - p) * (0.5 - p)) / n;
    const double se = std::sqrt(var / n);
    const double lo = std::clamp(pc - 1.96 * se, edge, 1.0 - edge);
    const double hi = std::clamp(pc + 1.96 * se, edge, 1.0 - edge);
    return {100.0 * p, elo_of(pc), (elo_of(hi) - elo_of(lo)) / 2};
}

}  // namespace murokan::match
