// The tactical probes on hand-made positions.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ai/maps.h"
#include "maps_board.h"

namespace murokan {
namespace {

using testing_maps::Piece;

GameState 調査済(std::vector<Piece> pieces, InfluenceMaps& m) {
    GameState g;
    for (const Piece& p : pieces) g.ban[p.x][p.y] = p.code;
    勢力調査(g, m);
    return g;
}

struct SafeSquaresCase {
    const char* name;
    std::vector<Piece> pieces;
    int x, y, code, expected;
};

TEST(TacticalProbes, SafeSquareCount) {
    const SafeSquaresCase cases[] = {
        {"pawn alone", {{5, 5, 10}}, 5, 5, 10, 1},
        {"pawn onto a guarded square", {{5, 5, 10}, {5, 7, -50}}, 5, 5, 10, 0},
        {"king with its fourth row swept", {{5, 5, 80}, {1, 4, -70}}, 5, 5, 80, 5},
        {"king hemmed by own pieces",
         {{1, 1, 80}, {2, 1, 50}, {1, 2, 50}, {2, 2, 50}},
         1,
         1,
         80,
         0},
        {"bottom silver under a top rook's row", {{5, 5, -40}, {9, 4, 70}}, 5, 5, -40, 2},
        {"bottom side reads kiki_teki, not kiki_ji", {{5, 5, -10}, {5, 3, -50}}, 5, 5, -10, 1},
    };
    for (const auto& c : cases) {
        InfluenceMaps m;
        const GameState g = 調査済(c.pieces, m);
        EXPECT_EQ(調査_移動可場所数(g, m, c.x, c.y, c.code), c.expected) << c.name;
    }
}

struct BehindCase {
    const char* name;
    std::vector<Piece> pieces;
    int x, y, expected;
};

TEST(TacticalProbes, StraightMoverBehind) {
    const BehindCase cases[] = {
        {"rook below, open file", {{5, 5, 10}, {5, 9, -70}}, 5, 5, FLAG_ON},
        {"lance below", {{5, 5, 10}, {5, 8, -20}}, 5, 5, FLAG_ON},
        {"dragon below", {{5, 5, 10}, {5, 6, -71}}, 5, 5, FLAG_ON},
        {"bottom pawn between: passed over, but it blocks the rook",
         {{5, 5, 10}, {5, 7, -10}, {5, 9, -70}},
         5,
         5,
         FLAG_OFF},
        {"top piece first stops the walk", {{5, 5, 10}, {5, 7, 10}, {5, 9, -70}}, 5, 5, FLAG_OFF},
        {"bishop below is not a straight mover", {{5, 5, 10}, {5, 9, -60}}, 5, 5, FLAG_OFF},
        {"nothing below", {{5, 5, 10}}, 5, 5, FLAG_OFF},
        {"bottom row", {{5, 9, 10}}, 5, 9, FLAG_OFF},
        {"works on an empty square too", {{5, 9, -70}}, 5, 2, FLAG_ON},
        {"first straight mover decides", {{5, 3, 10}, {5, 5, -20}, {5, 6, -70}}, 5, 3, FLAG_ON},
    };
    for (const auto& c : cases) {
        GameState g;
        for (const Piece& p : c.pieces) g.ban[p.x][p.y] = p.code;
        const GameState before = g;
        EXPECT_EQ(調査_自守駒MAN_直進駒(g, c.x, c.y), c.expected) << c.name;
        EXPECT_EQ(std::memcmp(g.ban, before.ban, sizeof g.ban), 0) << c.name;
    }
}

TEST(TacticalProbes, Crowding) {
    const BehindCase cases[] = {
        {"corner sees three neighbours", {{2, 1, 70}, {1, 2, 60}, {2, 2, 80}}, 1, 1, -3},
        {"all eight big neighbours",
         {{4, 4, 60},
          {5, 4, 61},
          {6, 4, 70},
          {4, 5, 71},
          {6, 5, 80},
          {4, 6, 60},
          {5, 6, 70},
          {6, 6, 61}},
         5,
         5,
         -8},
        {"gold, promoted silver and bottom pieces do not count",
         {{4, 4, 50}, {5, 4, 41}, {6, 4, -70}, {4, 5, -80}},
         5,
         5,
         0},
        {"the square itself does not count", {{5, 5, 70}}, 5, 5, 0},
        {"edge square", {{9, 4, 70}, {9, 6, 71}, {8, 5, 60}, {8, 3, 70}}, 9, 5, -3},
    };
    for (const auto& c : cases) {
        GameState g;
        for (const Piece& p : c.pieces) g.ban[p.x][p.y] = p.code;
        EXPECT_EQ(調査_周辺状況(g, c.x, c.y), c.expected) << c.name;
    }
}

// A top gold on (5, 7) attacked from below by a bottom rook on (5, 9); big
// bottom pieces two columns aside can be forked by a knight on (4, 5) / (6, 5).
TEST(TacticalProbes, KnightFork) {
    const BehindCase cases[] = {
        {"both forks", {{5, 7, 50}, {5, 9, -70}, {3, 7, -60}, {7, 7, -71}}, 5, 7, 60 + 71},
        {"left landing square attacked",
         {{5, 7, 50}, {5, 9, -70}, {3, 7, -60}, {7, 7, -71}, {4, 6, -10}},
         5,
         7,
         71},
        {"right landing square occupied",
         {{5, 7, 50}, {5, 9, -70}, {3, 7, -60}, {7, 7, -71}, {6, 5, 10}},
         5,
         7,
         60},
        {"small piece aside", {{5, 7, 50}, {5, 9, -70}, {3, 7, -50}, {7, 7, -40}}, 5, 7, 0},
        {"row 5 is too high", {{5, 5, 50}, {5, 9, -70}, {3, 5, -60}, {7, 5, -60}}, 5, 5, 0},
        {"cheapest attacker is not big",
         {{5, 7, 50}, {5, 9, -70}, {5, 8, -10}, {3, 7, -60}, {7, 7, -71}},
         5,
         7,
         0},
        {"the attacker itself is not forked", {{5, 7, 50}, {3, 7, -70}, {7, 7, -60}}, 5, 7, 60},
        {"edge columns", {{2, 7, 50}, {2, 9, -70}, {4, 7, -60}}, 2, 7, 60},
    };
    for (const auto& c : cases) {
        InfluenceMaps m;
        const GameState g = 調査済(c.pieces, m);
        EXPECT_EQ(調査_桂狙い(g, m, c.x, c.y), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace murokan
