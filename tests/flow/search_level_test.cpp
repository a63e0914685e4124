// LEVEL4 and LEVEL5 on the recording platform: the turn looks exactly as at
// the one-ply levels, and the level is kept in no file.
#include <fstream>
#include <sstream>

#include "ai/engine_levels.h"
#include "core/sfen.h"
#include "flow_fixture.h"
#include "record/record_file.h"

namespace murokan::test {
namespace {

using SearchLevelTest = FlowTest;

// Where both levels choose the same move (the pawn's strike takes the bottom
// king; the silver's moves take nothing), the player sees the very same turn:
// only the choosing differs, and only the searching level uses the worker.
TEST_F(SearchLevelTest, ASearchingTurnLooksLikeAOnePlyTurn) {
    form.search_bounds.nodes = 2000;
    std::vector<std::string> seen[2];
    for (int i : {0, 1}) {
        form.dispatchMenu("CANCEL");  // a fresh game
        form.dispatchMenu(i == 0 ? "LEVEL3" : "LEVEL4");
        form.g.taikyoku_mode = MODE_COM;
        ASSERT_EQ(parse_sfen("kG7/GG7/8s/9/4p4/9/4K4/4P4/9 w -", form.g), nullptr);
        form.g.teban = form.g.teki_teban;
        forget_events();
        timeline.start();
        form.com_ban();
        seen[i] = take_events();
        EXPECT_EQ(rp.worker.runs(), i);
    }
    EXPECT_TRUE(has(seen[1], R"(msg "終了" "ｺﾝﾋﾟｭｰﾀの勝ちです")"));
    EXPECT_EQ(seen[0], seen[1]);
}

// A budget set through the driver replaces the level's budget only: each
// level keeps what a line going round in circles costs it.
TEST_F(SearchLevelTest, ADriverBudgetKeepsTheLevelsWayOfPlaying) {
    form.search_bounds.nodes = 2000;
    for (const char* level : {"LEVEL4", "LEVEL10"}) {
        form.dispatchMenu(level);
        const SearchLimits l = form.search_limits();
        EXPECT_EQ(l.nodes, 2000) << level;
        EXPECT_EQ(l.movetime_ms, 0) << level;
        EXPECT_EQ(l.contempt, level_limits(form.g.com_level).contempt) << level;
    }
    EXPECT_GT(level_limits(10).contempt, level_limits(4).contempt);
}

// A game played again from its first move owes nothing to the one before:
// with the same seed the computer opens it with the same move, rather than
// shunning the position it reached then as one it has stood in.
TEST_F(SearchLevelTest, ASecondGameOpensAsTheFirstDid) {
    form.search_bounds.nodes = 3000;
    form.search_bounds.seed = 7;
    for (const char* level : {"LEVEL5", "LEVEL8"}) {
        form.dispatchMenu("CANCEL");
        form.dispatchMenu(level);
        std::string opened[2];
        for (int i : {0, 1}) {
            form.dispatchMenu("GOTE");  // the computer moves first
            opened[i] = format_sfen(form.g);
            form.dispatchMenu("REPLAY");  // back to the first move
            ASSERT_EQ(form.g.tesuu, 0) << level;
        }
        EXPECT_EQ(opened[0], opened[1]) << level;
    }
}

// The level lasts for the run: the settings file and a record come out the
// same byte for byte whatever level is chosen.
TEST_F(SearchLevelTest, TheLevelIsKeptInNoFile) {
    const auto bytes = [](const std::filesystem::path& p) {
        std::ostringstream s;
        s << std::ifstream(p, std::ios::binary).rdbuf();
        return s.str();
    };
    form.dispatchMenu("START");
    move(7, 7, 7, 6);
    std::string files[2];
    for (int i : {0, 1}) {
        form.dispatchMenu(i == 0 ? "LEVEL3" : "LEVEL5");
        form.dispatchMenu("MIDORI");  // the settings file is written
        const std::string name = i == 0 ? "r0" : "r1";
        const 棋譜書込結果 r =
            書込_棋譜(form.g, form.hist, {std::filesystem::current_path(), name, "", "", ""});
        ASSERT_TRUE(r.書込済);
        files[i] = bytes("Murokan.ini") + bytes(r.file);
    }
    EXPECT_EQ(files[0], files[1]);
}

}  // namespace
}  // namespace murokan::test
