// Timer1: the running clock of the side to move.
#include "flow_fixture.h"

namespace murokan::test {
namespace {

class ClockTest : public FlowTest {
  protected:
    void SetUp() override {
        FlowTest::SetUp();
        rp.menu.setChecked("KEIKA", true);
        form.dispatchMenu("START");
        rp.canvas.clear();
    }
    // The texts drawn since the last clear.
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const auto& c : rp.canvas.calls())
            if (c.kind == platform::DrawCall::Kind::Text) out.push_back(c.text);
        rp.canvas.clear();
        return out;
    }
};

TEST_F(ClockTest, DrawsOnlyWhenAWholeSecondHasPassed) {
    struct Step {
        double advance;
        bool drawn;
        const char* text;  // the clock text expected when drawn
    };
    const Step steps[] = {
        {0.5, false, nullptr},    {0.6, true, "00:00:01"},  {0.2, false, nullptr},
        {60.0, true, "00:01:01"}, {3600, true, "01:01:01"},
    };
    for (const Step& s : steps) {
        rp.clock.advance(s.advance);
        form.timerTick();
        const auto t = texts();
        if (!s.drawn) {
            EXPECT_TRUE(t.empty()) << s.advance;
        } else {
            EXPECT_TRUE(std::find(t.begin(), t.end(), s.text) != t.end()) << s.text;
        }
    }
    EXPECT_EQ(form.g.hyouji_byou, 3661);
}

TEST_F(ClockTest, ShowsTheMoversTotalIncludingThisTurn) {
    form.g.teki_jikan = 100;
    form.g.teban = TEBAN_GOTE;
    rp.clock.advance(20);
    form.timerTick();
    const auto t = texts();
    EXPECT_TRUE(std::find(t.begin(), t.end(), "00:02:00") != t.end());
}

TEST_F(ClockTest, StandsStillWhenStoppedOrAfterTheEnd) {
    rp.timer.setEnabled(false);
    rp.clock.advance(5);
    form.timerTick();
    EXPECT_FLOAT_EQ(form.g.keika_byou, 0);
    rp.timer.setEnabled(true);
    form.g.shuukyoku = TEBAN_SENTE;
    form.timerTick();
    EXPECT_FLOAT_EQ(form.g.keika_byou, 0);
    EXPECT_TRUE(texts().empty());
}

TEST_F(ClockTest, ATurnAcrossMidnightLastsItsRealLength) {
    rp.clock.set(86399.5);
    form.dispatchMenu("START");  // the turn starts again at 23:59:59.5
    rp.clock.advance(1.0);       // now 00:00:00.5
    form.timerTick();
    EXPECT_NEAR(form.g.keika_byou, 1.0, 1e-2);
}

}  // namespace
}  // namespace murokan::test

namespace murokan::test {
namespace {

// Against the computer the human's time always goes to the bottom side's
// total, whichever side moves first.
TEST_F(FlowTest, TheHumansTimeAgainstTheComputerGoesToTheBottomTotal) {
    rp.menu.setChecked("KEIKA", true);
    for (const char* item : {"SENTE", "GOTE"}) {
        SCOPED_TRACE(item);
        form.dispatchMenu("CANCEL");
        form.dispatchMenu(item);
        const float teki_before = form.g.teki_jikan;
        rp.clock.advance(5);
        form.timerTick();
        move(1, 7, 1, 6);
        EXPECT_FLOAT_EQ(form.g.ji_jikan, 5);
        // The computer's reply adds only its own (here instant) search time.
        EXPECT_LT(form.g.teki_jikan - teki_before, 1);
        EXPECT_EQ(form.g.teban, form.g.ji_teban);
    }
}

// A searching level that answers within one tick of Timer1 adds its own time
// too, not what the human's turn had used.
TEST_F(FlowTest, ASearchingLevelsReplyAddsOnlyItsOwnTime) {
    rp.menu.setChecked("KEIKA", true);
    form.search_bounds.nodes = 500;
    for (const char* level : {"LEVEL4", "LEVEL10"}) {
        SCOPED_TRACE(level);
        form.dispatchMenu("CANCEL");
        form.dispatchMenu(level);
        form.dispatchMenu("SENTE");
        rp.clock.advance(30);
        form.timerTick();
        move(1, 7, 1, 6);
        EXPECT_FLOAT_EQ(form.g.ji_jikan, 30);
        EXPECT_LT(form.g.teki_jikan, 1);
    }
}

}  // namespace
}  // namespace murokan::test
