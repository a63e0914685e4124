// 調査_移動不可駒: with the move check refusing occupied destinations, only a
// lifted king can expose its own square, and only to the listed ranging kinds.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ai/maps.h"
#include "maps_board.h"
#include "maps_random.h"

namespace murokan {
namespace {

using testing_maps::Piece;

struct PinCase {
    const char* name;
    std::vector<Piece> pieces;
    std::vector<Piece> marked;  // squares where ugokenai_ji must be 1 (code unused)
    int teki_ari;
};

void PrintTo(const PinCase& c, std::ostream* os) {
    *os << c.name;
}

class Pins : public ::testing::TestWithParam<PinCase> {};

TEST_P(Pins, MarksOnlyWhatTheMoveCheckAllows) {
    const PinCase& c = GetParam();
    GameState g;
    for (const Piece& p : c.pieces) g.ban[p.x][p.y] = p.code;
    InfluenceMaps m;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) m.ugokenai_ji[x][y] = 1;  // stale marks must go
    }
    m.ugokenai_teki_ari = 1;
    勢力調査(g, m);  // stores the king squares the pin survey uses
    const GameState before = g;
    調査_移動不可駒(g, m);
    EXPECT_EQ(std::memcmp(g.ban, before.ban, sizeof g.ban), 0);
    int expected[10][10] = {};
    for (const Piece& p : c.marked) expected[p.x][p.y] = 1;
    EXPECT_EQ(testing_maps::図(m.ugokenai_ji), testing_maps::図(expected));
    EXPECT_EQ(m.ugokenai_teki_ari, c.teki_ari);
}

const PinCase kPinCases[] = {
    {"RookOnTheKingsFile", {{5, 1, 70}, {5, 6, -80}}, {{5, 6, 0}}, 0},
    {"BottomPawnBetweenRookAndKing", {{5, 1, 70}, {5, 4, -10}, {5, 6, -80}}, {}, 0},
    {"LanceOnTheKingsFile", {{1, 1, 20}, {1, 9, -80}, {7, 7, -10}}, {{1, 9, 0}}, 0},
    {"HorseOnTheDiagonal", {{1, 5, 61}, {5, 9, -80}}, {{5, 9, 0}}, 0},
    {"HorseDiagonalBlocked", {{1, 5, 61}, {3, 7, -10}, {5, 9, -80}}, {}, 0},
    {"BishopOnTheDiagonal", {{1, 5, 60}, {5, 9, -80}}, {{5, 9, 0}}, 0},
    {"DragonOnTheRow", {{9, 9, 71}, {2, 9, -80}}, {{2, 9, 0}}, 0},
    {"PromotedLanceDoesNotCount", {{5, 5, 21}, {5, 6, -80}}, {}, 0},
    {"GoldSilverKnightPawnDoNotCount",
     {{5, 5, 50}, {4, 5, 40}, {4, 4, 30}, {6, 5, 10}, {5, 6, -80}},
     {},
     0},
    {"BottomRookExposesTheTopKing", {{5, 9, -70}, {5, 3, 80}}, {}, 1},
    {"BottomLanceExposesTheTopKing", {{5, 9, -20}, {5, 2, 80}, {1, 9, -80}}, {}, 1},
    {"TopLanceLooksTheOtherWay", {{5, 9, 20}, {5, 2, -80}}, {}, 0},
    {"BottomGoldNextToTheTopKing", {{5, 2, -50}, {5, 1, 80}}, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(Maps, Pins, ::testing::ValuesIn(kPinCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PinsRandom, OnlyTheBottomKingsSquareIsEverMarkedAndTheBoardStays) {
    const auto positions = testing_maps::ランダム局面(300, 77u);
    InfluenceMaps m;
    int marked = 0;
    for (GameState g : positions) {
        勢力調査(g, m);
        const GameState before = g;
        調査_移動不可駒(g, m);
        ASSERT_EQ(std::memcmp(g.ban, before.ban, sizeof g.ban), 0);
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) {
                if (m.ugokenai_ji[x][y] == 0) continue;
                ++marked;
                EXPECT_EQ(g.ban[x][y], -80) << x << "," << y;
            }
        }
    }
    SUCCEED() << marked << " marks";
}

}  // namespace
}  // namespace murokan
