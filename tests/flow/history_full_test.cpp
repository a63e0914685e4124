// The history holds 501 positions (0..500): a human move that would need
// another is refused with a message instead of being played unrecorded.
#include "flow_fixture.h"

namespace murokan::test {
namespace {

using HistoryFullTest = FlowTest;

TEST_F(HistoryFullTest, AMoveIsRefusedOnlyOnceTheLastEntryIsReached) {
    struct Case {
        int genzai;
        bool played;
    };
    for (const Case c : {Case{MAX_KIFU - 1, true}, Case{MAX_KIFU, false}}) {
        SCOPED_TRACE(c.genzai);
        form.dispatchMenu("CANCEL");
        form.dispatchMenu("START");
        form.g.kifu_genzai = c.genzai;
        forget_events();
        move(7, 7, 7, 6);
        const auto ev = take_events();
        EXPECT_EQ(form.g.ban[7][6] == -HU, c.played);
        EXPECT_EQ(form.g.ban[7][7] == -HU, !c.played);
        EXPECT_EQ(form.g.tesuu, c.played ? 1 : 0);
        EXPECT_EQ(form.g.teban, c.played ? TEBAN_GOTE : TEBAN_SENTE);
        EXPECT_EQ(form.g.kifu_genzai, MAX_KIFU);  // played from 499, or refused at 500
        EXPECT_EQ(form.g.click_dankai, 0);
        const bool refused =
            has(ev, "msg \"棋譜\" \"手数が500手に達したため、これ以上指せません\"");
        EXPECT_EQ(refused, !c.played);
        EXPECT_EQ(has(ev, "sound play 禁止.wav"), !c.played);
    }
}

}  // namespace
}  // namespace murokan::test
