// A game's end: a taken king, the pass rule and the 500-ply limit.
#include "game/game.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/sfen.h"
#include "support/sfen_position.h"

namespace murokan {
namespace {

using test::from_sfen;

// Has no move, whatever the position.
class NoMove : public Player {
  public:
    std::optional<Move> choose(const Position&, const Thinking&) override { return std::nullopt; }
};

TEST(GameTest, TakingAKingEndsTheGameWithTheTakerAsWinner) {
    // The top pawn's push strikes the bottom king off the board.
    Game game(from_sfen("kG7/GG7/9/9/9/9/4p4/9/4K4 w -"));
    const std::unique_ptr<Player> computer = make_player(3);
    ASSERT_TRUE(game.step(*computer));
    EXPECT_EQ(game.end(), GameEnd::king_taken);
    EXPECT_EQ(game.winner(), game.position().teki_teban);
    EXPECT_EQ(game.history().size(), 2u);
    EXPECT_FALSE(game.step(*computer));  // nothing more is played
}

TEST(GameTest, TwoPassesInARowEndInADrawAndAMoveBetweenThemCountsAgain) {
    Game game(from_sfen(kStartSfen));
    NoMove none;
    const int first = game.position().teban;
    ASSERT_TRUE(game.step(none));
    EXPECT_FALSE(game.over());
    EXPECT_EQ(game.position().teban, -first);  // the turn has passed
    const std::unique_ptr<Player> mover = make_player(kRandomLevel);
    ASSERT_TRUE(game.step(*mover));  // a move: the passes start again
    ASSERT_TRUE(game.step(none));
    EXPECT_FALSE(game.over());
    const int last = game.position().teban;
    ASSERT_TRUE(game.step(none));
    EXPECT_EQ(game.end(), GameEnd::both_passed);
    EXPECT_EQ(game.winner(), 0);
    EXPECT_EQ(game.position().teban, last);  // the second pass leaves the turn
    EXPECT_EQ(game.plies(), 1);
    EXPECT_EQ(game.history().size(), 2u);  // a pass adds no position
}

TEST(GameTest, TheFiveHundredthPlyEndsTheGameInADraw) {
    Game game(from_sfen(kStartSfen), Game::kMaxPlies - 1);
    const std::unique_ptr<Player> mover = make_player(kRandomLevel);
    ASSERT_TRUE(game.step(*mover));
    EXPECT_EQ(game.end(), GameEnd::ply_limit);
    EXPECT_EQ(game.winner(), 0);
    EXPECT_EQ(game.plies(), Game::kMaxPlies);
}

TEST(GameTest, AnIllegalMoveIsRefusedAndChangesNothing) {
    Game game(from_sfen(kStartSfen));
    const GameState before = game.position();
    Move m;
    ASSERT_EQ(parse_usi_move("7g7e", before, m), nullptr);  // two squares for a pawn
    EXPECT_FALSE(game.play(m));
    EXPECT_EQ(format_sfen(game.position()), format_sfen(before));
    EXPECT_EQ(game.plies(), 0);
    EXPECT_FALSE(game.over());
}

// A game started from any position, with or without the positions before it:
// its history begins with them, its plies count on from the given number, and
// a pass pending in the last game is forgotten.
TEST(GameTest, StartingOverFromAnyPositionKeepsTheHistoryGiven) {
    Game game(from_sfen(kStartSfen));
    game.pass();
    const GameState from = from_sfen("4k4/9/9/9/9/9/9/9/4K4 w P");
    const std::vector<Position> earlier = {from_sfen(kStartSfen),
                                           from_sfen("4k4/9/9/9/9/9/9/9/4K4 b P")};
    struct {
        std::vector<Position> earlier;
        int plies;
        std::size_t history;
    } const cases[] = {{{}, 0, 1}, {earlier, 40, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.plies);
        game.start(from, c.plies, c.earlier);
        EXPECT_FALSE(game.over());
        ASSERT_EQ(game.history().size(), c.history);
        EXPECT_EQ(game.history().back(), static_cast<const Position&>(from));
        if (!c.earlier.empty()) {
            EXPECT_EQ(game.history().front(), c.earlier.front());
        }
        game.pass();  // one pass after the start is no draw
        EXPECT_FALSE(game.over());
        Move m;
        ASSERT_EQ(parse_usi_move("P*5e", game.position(), m), nullptr);
        EXPECT_TRUE(game.legal(m));
        PlayReport report;
        ASSERT_TRUE(game.play(m, &report));
        EXPECT_TRUE(report.move.ji_mochi_changed);  // what the window shows
        EXPECT_EQ(game.plies(), c.plies + 1);
        EXPECT_EQ(game.history().size(), c.history + 1);
    }
}

}  // namespace
}  // namespace murokan
