// The player make_player gives for each level, and the random player.
#include "game/player.h"

#include <gtest/gtest.h>

#include <vector>

#include "ai/choose.h"
#include "ai/engine_levels.h"
#include "core/sfen.h"
#include "support/sfen_position.h"

namespace murokan {
namespace {

using test::from_sfen;

// Positions with the top side to move, as the window's computer plays it.
constexpr const char* kTopToMove[] = {
    "lnsgkgsnl/1r5b1/ppppppppp/9/9/2P6/PP1PPPPPP/1B5R1/LNSGKGSNL w -",
    "kG7/GG7/9/9/9/9/4p4/9/4K4 w -",
    "4k4/9/8l/9/9/9/9/9/4K4 w Pp",
};

TEST(PlayerTest, LevelsOneToThreePlayTheWindowsOnePlyComputer) {
    for (int level = 1; level <= 3; ++level) {
        for (const char* sfen : kTopToMove) {
            GameState g = from_sfen(sfen);
            g.com_level = level;
            auto com = std::make_unique<ComState>();
            const std::optional<Move> expected = choose(g, *com);
            const std::unique_ptr<Player> p = make_player(level);
            ASSERT_NE(p, nullptr);
            EXPECT_FALSE(p->thinks_long());
            EXPECT_EQ(p->choose(g), expected) << "LEVEL" << level << " " << sfen;
        }
    }
}

TEST(PlayerTest, EveryLevelPlaysALegalMoveForEitherSide) {
    PlayerOptions budget;
    budget.nodes = 2000;
    for (int level = kRandomLevel; level <= kLastLevel; ++level) {
        const std::unique_ptr<Player> p = make_player(level, budget);
        ASSERT_NE(p, nullptr) << level;
        EXPECT_EQ(p->thinks_long(), level >= 4) << level;
        for (const char* side : {" b -", " w -"}) {
            GameState g = from_sfen(
                std::string("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL") + side);
            const std::optional<Move> m = p->choose(g);
            ASSERT_TRUE(m) << level << side;
            EXPECT_TRUE(is_legal_move(g, *m)) << level << side << " " << format_usi_move(*m);
            EXPECT_EQ(p->last_thought().deepened, level >= 4) << level;
        }
    }
}

TEST(PlayerTest, NoPlayerForANumberThatIsNoLevel) {
    for (int level : {-1, 11, 99}) EXPECT_EQ(make_player(level), nullptr) << level;
}

TEST(PlayerTest, TheRandomPlayerPlaysTheSameGameForTheSameSeed) {
    const auto game = [](unsigned seed) {
        PlayerOptions o;
        o.seed = seed;
        const std::unique_ptr<Player> p = make_player(kRandomLevel, o);
        std::vector<std::string> moves;
        for (int round = 0; round < 2; ++round) {
            p->new_game();
            GameState g = from_sfen(kStartSfen);
            for (int ply = 0; ply < 40 && g.shuukyoku == 0; ++ply) {
                const std::optional<Move> m = p->choose(g);
                if (!m) break;
                moves.push_back(format_usi_move(*m));
                play_move(g, *m);
            }
        }
        return moves;
    };
    const std::vector<std::string> a = game(7);
    ASSERT_GE(a.size(), 2u);
    EXPECT_EQ(std::vector(a.begin(), a.begin() + a.size() / 2),
              std::vector(a.begin() + a.size() / 2, a.end()));  // new_game starts it again
    EXPECT_EQ(game(7), a);
    EXPECT_NE(game(8), a);
}

}  // namespace
}  // namespace murokan
