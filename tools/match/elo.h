// The Elo difference a match result implies, with its 95% interval.
#pragma once

namespace murokan::match {

struct EloEstimate {
    double score_percent;
    double elo;
    double ci;  // half-width of the 95% interval
};

// From the wins, losses and draws of one player. A score of 0% or 100% is
// taken as half a game from it, so that the difference stays finite.
EloEstimate estimate_elo(int wins, int losses, int draws);

}  // namespace murokan::match
