// Moves named as the window names them, for either side to move and either
// side moving first.
#include "record/move_notation.h"

#include <gtest/gtest.h>

#include "core/sfen.h"
#include "support/sfen_position.h"

namespace murokan {
namespace {

TEST(MoveNotationTest, NamesTheSquareThePieceAndTheMover) {
    const struct {
        const char* sfen;
        const char* usi;
        const char* text;
    } cases[] = {
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1", "7g7f", "▲７六歩"},
        {"lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1", "3c3d", "△３四歩"},
        {"4k4/9/9/9/9/9/9/9/4K4 b B 1", "B*5e", "▲５五角打"},
        {"4k4/9/9/2P6/9/9/9/9/4K4 b - 1", "7d7c+", "▲７三と"},
        {"4k2l1/9/9/9/9/9/9/9/4K4 w - 1", "2a2g", "△２七香"},
    };
    for (const auto& c : cases) {
        const GameState g = test::from_sfen(c.sfen);
        Move m;
        ASSERT_EQ(parse_usi_move(c.usi, g, m), nullptr) << c.usi;
        EXPECT_EQ(変換_指し手(g, m), c.text) << c.usi;
    }
}

TEST(MoveNotationTest, ALineNamesEachMoveForItsOwnMover) {
    const GameState g =
        test::from_sfen("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
    Move a, b;
    ASSERT_EQ(parse_usi_move("7g7f", g, a), nullptr);
    GameState after = g;
    make_move(after, a);
    ASSERT_EQ(parse_usi_move("3c3d", after, b), nullptr);
    const Move line[] = {a, b};
    EXPECT_EQ(変換_手順(g, line), "▲７六歩 △３四歩");
}

}  // namespace
}  // namespace murokan
