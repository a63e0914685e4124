// The computer's answers as a learner meets them: the grades of a fall in the
// win percentage, a win in one found, and a planted blunder judged.
#include "game/analysis.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>

#include "core/rules.h"
#include "game/player.h"
#include "game/review.h"
#include "support/sfen_position.h"

namespace murokan {
namespace {

constexpr std::int64_t kNodes = 20000;

TEST(GradeTest, FallsBetweenTheThresholds) {
    const struct {
        double fall;
        Grade grade;
    } cases[] = {{-30, Grade::none},  {4.9, Grade::none},    {5, Grade::緩手},  {9.9, Grade::緩手},
                 {10, Grade::疑問手}, {19.9, Grade::疑問手}, {20, Grade::悪手}, {49.9, Grade::悪手},
                 {50, Grade::大悪手}, {100, Grade::大悪手}};
    for (const auto& c : cases) EXPECT_EQ(grade_for_fall(c.fall), c.grade) << c.fall;
}

TEST(WinPercentTest, EvenAtZeroAndSureAtAMate) {
    EXPECT_DOUBLE_EQ(win_percent(0), 50);
    EXPECT_GT(win_percent(300), 50);
    EXPECT_NEAR(win_percent(300) + win_percent(-300), 100, 1e-9);
    EXPECT_GT(win_percent(kMate - 3), 99.9);
}

// 先手's rook strikes the king on the top edge, which cannot slide: a win in one.
TEST(AnalystTest, FindsAWinInOne) {
    const Position p = test::from_sfen("4k4/9/9/9/4R4/9/9/9/4K4 b - 1");
    Analyst analyst;
    const Evaluation e = analyst.evaluate(p, analysis_limits(0, kNodes));
    ASSERT_TRUE(e.found);
    Position after = p;
    make_move(after, e.best);
    EXPECT_EQ(after.shuukyoku, TEBAN_SENTE) << format_usi_move(e.best);
    EXPECT_GE(e.score, kMateBound);
    ASSERT_FALSE(e.line.empty());
    EXPECT_EQ(e.line.front(), e.best);
}

// 先手, far ahead, moves the gold that shields its king from 後手's rook,
// which then strikes the king against the bottom edge.
RecordedGame planted_blunder() {
    GameState g = test::from_sfen("k3r4/9/9/9/4G4/9/9/9/4K4 b RB2G 1");
    RecordedGame game;
    game.positions.push_back(g);
    for (const char* usi : {"5e4e", "5a5h"}) {
        Move m;
        EXPECT_EQ(parse_usi_move(usi, g, m), nullptr) << usi;
        game.moves.push_back(m);
        make_move(g, m);
        game.positions.push_back(g);
    }
    EXPECT_EQ(g.shuukyoku, TEBAN_GOTE);
    return game;
}

TEST(ReviewTest, APlantedBlunderIsGradedWithTheBestMove) {
    const RecordedGame game = planted_blunder();
    Analyst analyst;
    const std::vector<MoveReview> r = review_game(analyst, game, analysis_limits(0, kNodes));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].grade, Grade::大悪手);
    ASSERT_NE(r[0].best.piece, KARA);
    EXPECT_FALSE(r[0].best == game.moves[0]);
    // The best move keeps the king: 後手 has no win in one after it.
    Position after = game.positions[0];
    make_move(after, r[0].best);
    EXPECT_LT(analyst.evaluate(after, analysis_limits(0, kNodes)).score, kMateBound);
    EXPECT_LT(r[1].win_after, 1.0);  // the king is gone
}

TEST(ReviewTest, StopsWhenTold) {
    const RecordedGame game = planted_blunder();
    Analyst analyst;
    std::atomic<bool> stop{false};
    int told = 0;
    const std::vector<MoveReview> r =
        review_game(analyst, game, analysis_limits(0, kNodes), &stop, [&](int done, int total) {
            ++told;
            EXPECT_EQ(total, 3);
            if (done == 2) stop = true;
        });
    EXPECT_EQ(told, 2);
    EXPECT_EQ(r.size(),
              1u);  // the first move only: the position after the second was never reached
}

// The history keeps positions only; every move of a played game is found again.
TEST(RecordedGameTest, FindsEveryMoveOfAPlayedGame) {
    GameState g = test::from_sfen(kStartSfen);
    History h;
    初期設定_棋譜(g, h);
    PlayerOptions o;
    o.seed = 5;
    const std::unique_ptr<Player> player = make_player(kRandomLevel, o);
    std::vector<Move> played;
    for (int i = 0; i < 80 && g.shuukyoku == 0; ++i) {
        const std::optional<Move> m = player->choose(g);
        if (!m) break;
        手順保存(g, h, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                 0);  // the position before the move, as the game stores it
        make_move(g, *m);
        g.kifu_genzai += 1;
        played.push_back(*m);
    }
    ASSERT_GT(played.size(), 20u);  // a king falls after 35 plies
    const RecordedGame game = recorded_game(g, h);
    EXPECT_EQ(game.moves, played);
    ASSERT_EQ(game.positions.size(), played.size() + 1);
    EXPECT_TRUE(game.positions.back() == settled_position(g));
}

}  // namespace
}  // namespace murokan
