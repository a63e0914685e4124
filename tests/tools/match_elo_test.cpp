// The score and Elo line of murokan-match: even results are 0, the sign and
// size follow the score, a clean sweep stays finite, more games narrow the
// interval.
#include <gtest/gtest.h>

#include <cmath>

#include "match/elo.h"

namespace murokan::match {
namespace {

TEST(MatchElo, ScoreEloAndInterval) {
    struct Case {
        int w, l, d;
        double score, elo;
    };
    const Case cases[] = {
        {10, 10, 0, 50.0, 0.0},   {0, 0, 20, 50.0, 0.0},     {15, 5, 0, 75.0, 190.8},
        {5, 15, 0, 25.0, -190.8}, {142, 0, 58, 85.5, 308.0}, {196, 0, 4, 99.0, 798.0},
    };
    for (const Case& c : cases) {
        const EloEstimate e = estimate_elo(c.w, c.l, c.d);
        EXPECT_NEAR(e.score_percent, c.score, 0.05) << c.w << " " << c.l << " " << c.d;
        EXPECT_NEAR(e.elo, c.elo, 0.5) << c.w << " " << c.l << " " << c.d;
        EXPECT_GE(e.ci, 0.0);
    }
    const EloEstimate sweep = estimate_elo(20, 0, 0);
    EXPECT_TRUE(std::isfinite(sweep.elo));
    EXPECT_GT(sweep.elo, 400);
    EXPECT_LT(estimate_elo(150, 50, 0).ci, estimate_elo(15, 5, 0).ci);
}

}  // namespace
}  // namespace murokan::match
