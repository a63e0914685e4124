// ヒント, 検討 and 棋譜解析 through the window's menu, on the recording
// platform: what the board, the panel and the game show afterwards.
#include "flow/study.h"

#include <chrono>
#include <thread>

#include "flow_fixture.h"
#include "platform/recording_analysis.h"

namespace murokan::test {
namespace {

class StudyTest : public FlowTest {
  protected:
    StudyTest() {
        form.attachStudy(study.panel, study.background, study.clipboard);
        form.search_bounds.nodes = 4000;  // the same answers on any machine, and quick
    }
    // The work ends before the fakes it posts to go.
    ~StudyTest() override { form.study().stop_all(); }

    // A game between two people of three moves, each flicking a pawn.
    void play_three_moves() {
        form.dispatchMenu("START");
        move(3, 7, 3, 6);
        move(7, 3, 7, 4);
        move(5, 7, 5, 6);
        ASSERT_EQ(form.g.kifu_genzai, 3);
    }
    bool unchanged_since(const GameState& g, const History& h) const {
        return static_cast<const murokan::Position&>(form.g) == g && form.hist == h &&
               form.g.kifu_genzai == g.kifu_genzai && form.g.tesuu == g.tesuu;
    }
    // The second line of 検討's panel: the best line.
    std::string best_line() const {
        const std::string& t = study.panel.text();
        const auto nl = t.find('\n');
        return nl == std::string::npos ? "" : t.substr(nl + 1);
    }

    platform::RecordingAnalysis study;
};

TEST_F(StudyTest, HintMarksTheBestMoveAndNamesItLeavingTheGameAlone) {
    play_three_moves();
    const GameState g = form.g;
    const History h = form.hist;
    rp.canvas.clear();
    form.menuClicked("HINT");
    const std::optional<Hint>& hint = form.study().last_hint();
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->text.rfind("△", 0), 0u);  // 後手 is to move
    EXPECT_TRUE(unchanged_since(g, h));
    int marks = 0;
    bool named = false;
    for (const platform::DrawCall& c : rp.canvas.calls()) {
        marks += c.kind == platform::DrawCall::Kind::Rectangle && c.colour == SHIDOU_IRO_ON;
        named |= c.kind == platform::DrawCall::Kind::Text && c.text == hint->text;
    }
    EXPECT_EQ(marks, 2);
    EXPECT_TRUE(named);
}

TEST_F(StudyTest, HintIsRefusedWhenItIsNotTheHumansTurn) {
    const struct {
        const char* name;
        void (*setup)(GameState&);
    } cases[] = {
        {"no game", [](GameState& g) { g.teban = TEBAN_NASHI; }},
        {"computer to move",
         [](GameState& g) {
             g.taikyoku_mode = MODE_COM;
             g.teban = g.teki_teban;
         }},
        {"game over", [](GameState& g) { g.ban[5][1] = KARA; }},
    };
    for (const auto& c : cases) {
        form.dispatchMenu("START");
        c.setup(form.g);
        forget_events();
        form.menuClicked("HINT");
        EXPECT_TRUE(has(take_events(), "sound play 禁止.wav")) << c.name;
        EXPECT_FALSE(form.study().last_hint().has_value()) << c.name;
    }
}

TEST_F(StudyTest, StudyFollowsThePositionInView) {
    play_three_moves();
    form.menuClicked("KENTOU");
    EXPECT_TRUE(study.panel.visible());
    study.background.deliver(true);
    EXPECT_EQ(best_line().rfind("△", 0), 0u) << study.panel.text();
    form.menuClicked("REPLAY");  // one move back: 先手 to move
    study.background.deliver(true);
    EXPECT_EQ(best_line().rfind("▲", 0), 0u) << study.panel.text();
    form.menuClicked("KENTOU");
    EXPECT_FALSE(study.panel.visible());
}

TEST_F(StudyTest, ReviewCancelledMidWayKeepsNothing) {
    play_three_moves();
    const GameState g = form.g;
    const History h = form.hist;
    form.search_bounds.nodes = 40'000;  // some time for each of the four positions
    form.menuClicked("KAISEKI");
    EXPECT_EQ(study.panel.progressTotal(), 4);
    // Until the first position is done.
    for (int i = 0; i < 60000 && study.panel.progressDone() < 1; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        study.background.deliver(false);
    }
    ASSERT_GE(study.panel.progressDone(), 1);
    EXPECT_LT(study.panel.progressDone(), 4);
    study.panel.events()->cancelClicked();
    EXPECT_FALSE(study.background.busy());
    EXPECT_EQ(study.panel.progressTotal(), 0);  // the bar is gone
    EXPECT_TRUE(form.study().reviewed().empty());
    EXPECT_TRUE(unchanged_since(g, h));
}

TEST_F(StudyTest, ReviewJudgesEveryMoveAndLeavesTheGameAlone) {
    play_three_moves();
    const GameState g = form.g;
    const History h = form.hist;
    form.menuClicked("KAISEKI");
    study.background.deliver(true);
    EXPECT_EQ(form.study().reviewed().size(), 3u);
    EXPECT_EQ(form.study().graph().win.size(), 4u);
    EXPECT_TRUE(unchanged_since(g, h));
    // A click on the graph's first point steps back to the start.
    study.panel.events()->graphClicked(0);
    EXPECT_EQ(form.g.kifu_genzai, 0);
    study.panel.events()->copyClicked();
    EXPECT_NE(study.clipboard.text().find("  3手目 ▲"), std::string::npos)
        << study.clipboard.text();
}

}  // namespace
}  // namespace murokan::test
