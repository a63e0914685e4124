// LEVEL4 and LEVEL5 as the player meets them on the recording platform: the
// turn looks exactly as at the one-ply levels, the search goes through the
// platform's worker, Esc or closing the window while it thinks ends the
// program with nothing played, and the level is kept in no file.
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include "ai/engine_levels.h"
#include "core/sfen.h"
#include "flow_fixture.h"
#include "record/record_file.h"

namespace murokan::test {
namespace {

class SearchLevelTest : public FlowTest {
  protected:
    // A game against the computer, the computer to move in `sfen`, at `level`.
    void computer_to_move(const char* sfen, int level) {
        form.dispatchMenu("CANCEL");
        form.dispatchMenu("LEVEL" + std::to_string(level));
        form.g.taikyoku_mode = MODE_COM;
        ASSERT_EQ(parse_sfen(sfen, form.g), nullptr) << sfen;
        form.g.teban = form.g.teki_teban;
        forget_events();
    }
    void interrupted_turn(const std::function<void()>& user);
    static std::string bytes(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

// Where both levels choose the same move (the pawn's strike takes the bottom
// king; the silver's moves take nothing), the player sees the very same turn:
// only the choosing differs, and only the searching level uses the worker.
TEST_F(SearchLevelTest, ASearchingTurnLooksLikeAOnePlyTurn) {
    const char* sfen = "kG7/GG7/8s/9/4p4/9/4K4/4P4/9 w -";
    form.search_bounds.nodes = 2000;
    std::vector<std::string> seen[2];
    for (int i : {0, 1}) {
        computer_to_move(sfen, i == 0 ? 3 : 4);
        timeline.start();
        form.com_ban();
        seen[i] = take_events();
        EXPECT_EQ(rp.worker.runs(), i) << "level " << (i == 0 ? 3 : 4);
        EXPECT_EQ(form.g.ban[5][7], KARA);  // the bottom king is gone
    }
    EXPECT_TRUE(has(seen[1], R"(msg "終了" "ｺﾝﾋﾟｭｰﾀの勝ちです")"));
    EXPECT_EQ(seen[0], seen[1]);
}

// From the start at a small budget, the computer's first move as 先手 is one
// of its legal moves, played and recorded, and the turn passes.
TEST_F(SearchLevelTest, AtAFixedBudgetItPlaysALegalMove) {
    form.dispatchMenu("LEVEL4");
    form.search_bounds.nodes = 3000;
    const GameState start = form.g;
    form.dispatchMenu("GOTE");
    ASSERT_EQ(rp.worker.runs(), 1);
    EXPECT_EQ(form.g.tesuu, 1);
    EXPECT_EQ(form.g.teban, form.g.ji_teban);
    MoveList moves;
    GameState top = start;
    top.teban = top.teki_teban = TEBAN_SENTE;
    top.ji_teban = TEBAN_GOTE;
    generate_moves(top, moves);
    int matches = 0;
    for (int i = 0; i < moves.count; ++i) {
        GameState after = top;
        play_move(after, moves.moves[i], after.teban);
        matches += std::memcmp(after.ban, form.g.ban, sizeof after.ban) == 0;
    }
    EXPECT_EQ(matches, 1);
}

// Esc or closing the window while it thinks: the search stops, nothing is
// played or recorded, and the program ends as it always does.
void SearchLevelTest::interrupted_turn(const std::function<void()>& user) {
    computer_to_move("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w -", 5);
    const GameState before = form.g;
    rp.worker.interrupt = user;
    form.com_ban();
    const std::vector<std::string> ev = take_events();
    EXPECT_TRUE(form.quit_requested());
    EXPECT_TRUE(has(ev, "quit"));
    EXPECT_TRUE(has(ev, "sound free 駒打音.wav"));
    EXPECT_FALSE(has(ev, "sound play 駒打音.wav"));
    EXPECT_EQ(std::memcmp(before.ban, form.g.ban, sizeof before.ban), 0);
    EXPECT_EQ(form.g.tesuu, before.tesuu);
    EXPECT_EQ(form.g.kifu_genzai, before.kifu_genzai);
}

TEST_F(SearchLevelTest, EscWhileItThinksEndsWithNothingPlayed) {
    interrupted_turn([this] { form.keyPress(27); });
}

TEST_F(SearchLevelTest, ClosingWhileItThinksEndsWithNothingPlayed) {
    interrupted_turn([this] { form.unload(); });
}

// A node budget from the driver leaves no clock in the search, so a script
// plays the same game on a slow machine; without one the level's own applies.
TEST_F(SearchLevelTest, TheDriversBudgetReplacesTheLevels) {
    struct Case {
        SearchBounds bounds;
        int level;
        std::int64_t nodes;
        int movetime_ms;
    };
    const Case cases[] = {
        {{0, 0}, 4, level_limits(4).nodes, level_limits(4).movetime_ms},
        {{0, 0}, 5, level_limits(5).nodes, level_limits(5).movetime_ms},
        {{500, 0}, 5, 500, 0},
        {{0, 40}, 4, 0, 40},
        {{500, 40}, 4, 500, 40},
    };
    for (const Case& c : cases) {
        form.search_bounds = c.bounds;
        form.g.com_level = c.level;
        const SearchLimits l = form.search_limits();
        EXPECT_EQ(l.nodes, c.nodes) << c.bounds.nodes << " " << c.bounds.movetime_ms;
        EXPECT_EQ(l.movetime_ms, c.movetime_ms) << c.bounds.nodes << " " << c.bounds.movetime_ms;
    }
}

// The level lasts for the run: the settings file and a record come out the
// same byte for byte whatever level is chosen.
TEST_F(SearchLevelTest, TheLevelIsKeptInNoFile) {
    form.dispatchMenu("START");
    move(7, 7, 7, 6);
    std::string settings[2], record[2];
    for (int i : {0, 1}) {
        form.dispatchMenu(i == 0 ? "LEVEL3" : "LEVEL5");
        form.dispatchMenu("KEIKA");
        settings[i] = bytes("Murokan.ini");
        form.dispatchMenu("KEIKA");
        const 棋譜書込結果 r =
            書込_棋譜(form.g, form.hist,
                      {std::filesystem::current_path(), "r" + std::to_string(i), "", "", ""});
        ASSERT_TRUE(r.書込済);
        record[i] = bytes(r.file);
    }
    EXPECT_FALSE(settings[0].empty());
    EXPECT_EQ(settings[0], settings[1]);
    EXPECT_EQ(record[0], record[1]);
}

}  // namespace
}  // namespace murokan::test
