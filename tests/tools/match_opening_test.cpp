// The match tool's openings: the same seed and pair give the same opening,
// pairs differ, the side to move alternates between pairs, and an opening
// that hands one side a piece is never used.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/sfen.h"
#include "match/opening.h"

namespace murokan::match {
namespace {

GameState from_sfen(const char* text) {
    GameState g;
    EXPECT_EQ(parse_sfen(text, g), nullptr) << text;
    return g;
}

TEST(MatchOpening, EvenOrNotTable) {
    struct Case {
        const char* sfen;
        bool even;
    };
    const Case cases[] = {
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", true},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", true},
        // The top side has given up its rook: the bottom side is far ahead.
        {"lnsgkgsnl/7b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b R 1", false},
        {"lnsgkgsnl/7b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w R 1", false},
        // The top side's only parry is one the bottom side can renew for ever.
        {"lnsgkgsnl/1pr5b/p1ppppppp/9/9/1P6P/P1PPPPPP1/1B5R1/LNSGKGSNL w - 1", false},
    };
    for (const Case& c : cases) EXPECT_EQ(opening_is_even(from_sfen(c.sfen)), c.even) << c.sfen;
}

TEST(MatchOpening, SeededVariedAndEven) {
    std::set<std::string> seen;
    for (int pair = 0; pair < 4; ++pair) {
        const GameState g = random_opening(5, pair, 4);
        EXPECT_EQ(g.teban, pair % 2 == 0 ? g.ji_teban : g.teki_teban) << pair;
        EXPECT_TRUE(opening_is_even(g)) << format_sfen(g);
        seen.insert(format_sfen(g));
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen.count(format_sfen(random_opening(5, 2, 4))), 1u);
}

}  // namespace
}  // namespace murokan::match
