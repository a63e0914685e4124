// The chain forecast against the chain itself: for every board move of
// positions from random games, the piece forecast as taken is the piece
// play_move reports sandwiched, and nothing when it reports none.
#include "core/chain_forecast.h"

#include <gtest/gtest.h>

#include <random>

#include "core/sfen.h"

namespace murokan {
namespace {

TEST(ChainForecast, AgreesWithTheChainOnRandomGames) {
    std::mt19937 rng(99);
    MoveList list;
    long long takes = 0;
    for (int game = 0; game < 60; ++game) {
        GameState g;
        ASSERT_EQ(parse_sfen(kStartSfen, g), nullptr);
        for (int ply = 0; ply < 200 && g.shuukyoku == 0; ++ply) {
            generate_moves(g, list);
            if (list.count == 0) break;
            // The whole list at once, twins and drops included, says the same.
            int taken[MoveList::kCapacity];
            forecast_chain_takes(g, list, taken);
            for (int i = 0; i < list.count; ++i) {
                ASSERT_EQ(taken[i], forecast_chain_take(g, list.moves[i])) << format_sfen(g);
            }
            for (const Move& m : list) {
                GameState after = g;
                const PlayReport r = play_move(after, m);
                const int expected = r.chain.sandwiched ? r.chain.taken_code : KARA;
                ASSERT_EQ(forecast_chain_take(g, m), expected)
                    << format_sfen(g) << " " << format_usi_move(m);
                takes += expected != KARA;
            }
            play_move(g, list.moves[rng() % list.count]);
        }
    }
    EXPECT_GT(takes, 1000);  // the positions really had captures to forecast
}

}  // namespace
}  // namespace murokan
