// The mate and escape probes for the bottom king, on hand-made positions,
// always after a survey of the same position; the board must come back intact.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "ai/maps.h"
#include "core/rules.h"
#include "maps_board.h"
#include "maps_random.h"

namespace murokan {
namespace {

using testing_maps::Piece;

struct MateCase {
    const char* name;
    std::vector<Piece> pieces;
    std::vector<int> hand;  // kinds held by the bottom side, one entry per piece
    int mated;
    int escapes;
};

void PrintTo(const MateCase& c, std::ostream* os) {
    *os << c.name;
}

class MateProbe : public ::testing::TestWithParam<MateCase> {};

TEST_P(MateProbe, AnswersAndRestoresTheBoard) {
    const MateCase& c = GetParam();
    GameState g;
    for (const Piece& p : c.pieces) g.ban[p.x][p.y] = p.code;
    for (int kind : c.hand) {
        ++g.mochi_ji[kind];
        ++g.mochi_ji_kazu;
    }
    InfluenceMaps m;
    勢力調査(g, m);
    const GameState before = g;
    EXPECT_EQ(詰めかMAN(g, m), c.mated);
    EXPECT_EQ(std::memcmp(g.ban, before.ban, sizeof g.ban), 0);
    EXPECT_EQ(調査_自王逃道(g, m), c.escapes);
}

// The bottom king sits in the corner (1, 9) in most cases.
const MateCase kMateCases[] = {
    {"NotInCheckEvenWhenBoxedIn", {{1, 9, -80}, {1, 8, -10}, {2, 8, -10}, {2, 9, -30}}, {}, 0, 0},
    {"PawnCheckOneFreeEscape", {{1, 9, -80}, {1, 8, 10}, {3, 7, 40}}, {}, 0, 1},
    {"PawnCheckGoldCoversTheEscapes", {{1, 9, -80}, {1, 8, 10}, {3, 8, 50}}, {}, 1, 0},
    {"AdjacentCheckHandDoesNotHelp", {{1, 9, -80}, {1, 8, 10}, {3, 8, 50}}, {5}, 1, 0},
    {"DistantRookCheckNoHand", {{1, 9, -80}, {1, 1, 70}, {3, 8, 50}}, {}, 1, 0},
    {"DistantRookCheckAnyPieceInHand", {{1, 9, -80}, {1, 1, 70}, {3, 8, 50}}, {4}, 0, 0},
    {"DistantRookCheckOnlyPawnsInHand", {{1, 9, -80}, {1, 1, 70}, {3, 8, 50}}, {1, 1}, 0, 0},
    {"DistantAndAdjacentCheckTogether", {{1, 9, -80}, {1, 1, 70}, {2, 8, 50}}, {1}, 1, 0},
    {"KnightCheckMarksTheKingSquare", {{1, 9, -80}, {2, 7, 30}, {1, 7, 70}, {3, 8, 50}}, {7}, 1, 0},
    {"BlockingMoveOfASilver", {{1, 9, -80}, {1, 1, 70}, {3, 8, 50}, {2, 6, -40}}, {}, 0, 0},
    {"SilverThatCannotBlock", {{1, 9, -80}, {1, 1, 70}, {3, 8, 50}, {5, 5, -40}}, {}, 1, 0},
    // The gold on (1, 8) checks and covers (2, 8), (2, 9); nothing guards it,
    // yet the king cannot step onto it.
    {"UnguardedTopNeighbourIsNoEscape", {{1, 9, -80}, {1, 8, 50}}, {}, 1, 0},
    // The rook's line covers (5, 4) and, past the king, (5, 6); six neighbours stay free.
    {"KingInTheMiddleEscapes", {{5, 5, -80}, {5, 3, 70}}, {}, 0, 6},
};

INSTANTIATE_TEST_SUITE_P(Maps, MateProbe, ::testing::ValuesIn(kMateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EscapeMarks, MarksEscapesAndNeverClears) {
    GameState g = testing_maps::盤({{1, 9, -80}, {1, 8, 10}, {3, 7, 40}});
    InfluenceMaps m;
    勢力調査(g, m);
    m.nigemichi_masu[7][7] = 1;  // from an earlier call
    EXPECT_EQ(調査_自王逃道(g, m), 1);
    EXPECT_EQ(m.nigemichi_masu[2][9], 1);
    EXPECT_EQ(m.nigemichi_masu[7][7], 1);
    EXPECT_EQ(m.nigemichi_masu[2][8], 0);
    消去_逃道マス(m);
    EXPECT_EQ(testing_maps::図(m.nigemichi_masu), testing_maps::図(InfluenceMaps{}.nigemichi_masu));
}

TEST(ComMove, AnswersOnlyForAnEmptyKingSquare) {
    // The king square (5, 5) as last recorded, but the king has gone.
    GameState g = testing_maps::盤({{5, 1, 70}});
    g.ji_ou_x = 5;
    g.ji_ou_y = 5;
    EXPECT_EQ(詰めかMAN_COM移動(g), FLAG_ON);
    g.ban[5][3] = -10;
    EXPECT_EQ(詰めかMAN_COM移動(g), FLAG_OFF);
    g.ban[5][3] = KARA;
    g.ban[5][5] = -80;  // the king stands there: the move check refuses
    EXPECT_EQ(詰めかMAN_COM移動(g), FLAG_OFF);
    g.ban[5][5] = KARA;
    g.ban[5][1] = -70;  // bottom pieces never count
    EXPECT_EQ(詰めかMAN_COM移動(g), FLAG_OFF);
}

TEST(MateProbeRandom, BoardAndHandsComeBackFromEveryProbe) {
    const auto positions = testing_maps::ランダム局面(400, 5u);
    InfluenceMaps m;
    int in_check = 0;
    for (GameState g : positions) {
        勢力調査(g, m);
        const GameState before = g;
        in_check += m.kiki_teki[g.ji_ou_x][g.ji_ou_y] > 0;
        詰めかMAN(g, m);
        ASSERT_EQ(std::memcmp(g.ban, before.ban, sizeof g.ban), 0);
        ASSERT_EQ(std::memcmp(g.mochi_ji, before.mochi_ji, sizeof g.mochi_ji), 0);
        for (int x = 1; x <= 9; ++x) {
            for (int y = 1; y <= 9; ++y) 調査_自守駒MAN_直進駒(g, x, y);
        }
        ASSERT_EQ(std::memcmp(g.ban, before.ban, sizeof g.ban), 0);
    }
    EXPECT_GT(in_check, 10);
}

// The mate probe read step by step, every loop over the whole board in the
// order the steps give; `step4` counts the positions decided in step 4.
int 詰め_手順どおり(GameState& g, const InfluenceMaps& m, int& step4) {
    const int kx = g.ji_ou_x, ky = g.ji_ou_y;
    if (m.kiki_teki[kx][ky] == 0) return FLAG_OFF;
    if (g.mochi_ji_kazu > 0) {
        bool to_step3 = false;
        for (int x = 1; x <= 9 && !to_step3; ++x) {
            for (int y = 1; y <= 9 && !to_step3; ++y) {
                if (m.oute_teki[x][y] == 9 && std::abs(x - kx) <= 1 && std::abs(y - ky) <= 1) {
                    to_step3 = true;
                } else if (m.oute_teki[x][y] == 1) {
                    g.ban[x][y] = -10;
                    if (g.mochi_ji_kazu == g.mochi_ji[1] &&
                        移動チェック(g, 11, 0, x, y, -10) == FLAG_OFF) {
                        g.ban[x][y] = KARA;
                    }
                    for (int u = 1; u <= 9; ++u) {
                        for (int v = 1; v <= 9; ++v) {
                            if (m.oute_teki[u][v] == 9 &&
                                移動チェック(g, u, v, kx, ky, g.ban[u][v]) == FLAG_ON) {
                                to_step3 = true;
                            }
                        }
                    }
                    g.ban[x][y] = KARA;
                }
            }
        }
        if (!to_step3) return FLAG_OFF;
    }
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            if (std::abs(i - kx) <= 1 && std::abs(j - ky) <= 1 &&
                移動チェック(g, kx, ky, i, j, -80) == FLAG_ON && m.kiki_teki[i][j] == 0) {
                return FLAG_OFF;
            }
        }
    }
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int code = g.ban[x][y];
            if (code < -71 || code > -10) continue;
            for (int i = 1; i <= 9; ++i) {
                for (int j = 1; j <= 9; ++j) {
                    if ((i == x && j == y) || 移動チェック(g, x, y, i, j, code) != FLAG_ON ||
                        m.oute_teki[i][j] <= 0) {
                        continue;
                    }
                    const int held = g.ban[i][j];
                    g.ban[i][j] = code;
                    g.ban[x][y] = KARA;
                    const int reached = 詰めかMAN_COM移動(g);
                    g.ban[x][y] = code;
                    g.ban[i][j] = held;
                    if (reached == FLAG_OFF) {
                        ++step4;
                        return FLAG_OFF;
                    }
                }
            }
        }
    }
    return FLAG_ON;
}

// The probe walks only the marked squares in step 4; it must answer as the
// steps read, with any hand: as played, none, or pawns only.
TEST(MateProbeRandom, AnswersAsTheStepsRead) {
    const auto positions = testing_maps::ランダム局面(3000, 31u);
    InfluenceMaps m;
    int mated = 0, step4 = 0;
    for (const GameState& played : positions) {
        for (int hand = 0; hand < 3; ++hand) {
            GameState g = played;
            if (hand > 0) {
                std::memset(g.mochi_ji, 0, sizeof g.mochi_ji);
                g.mochi_ji[1] = g.mochi_ji_kazu = hand == 2 ? 2 : 0;
            }
            勢力調査(g, m);
            if (m.kiki_teki[g.ji_ou_x][g.ji_ou_y] == 0) continue;
            GameState literal = g;
            const int expected = 詰め_手順どおり(literal, m, step4);
            ASSERT_EQ(詰めかMAN(g, m), expected);
            ASSERT_EQ(std::memcmp(g.ban, literal.ban, sizeof g.ban), 0);
            mated += expected == FLAG_ON;
        }
    }
    // The sample must reach both answers and the blocking moves of step 4.
    EXPECT_GT(mated, 0);
    EXPECT_GT(step4, 0);
}

}  // namespace
}  // namespace murokan
