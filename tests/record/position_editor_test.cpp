// The position editor's model: what a click on a piece turns it into, and the
// limits of a hand.
#include <gtest/gtest.h>

#include "record/position_editor.h"

namespace murokan {
namespace {

// Each click turns a piece one step: promoted where its kind promotes, then
// the other side's, and back to where it began.
TEST(PositionEditor, APieceTurnsThroughItsStatesAndBack) {
    const struct {
        int start;
        std::vector<int> steps;
    } cases[] = {
        {-HU, {-HU_NARI, HU, HU_NARI, -HU}},
        {SYA, {SYA_NARI, -SYA, -SYA_NARI, SYA}},
        {-KIN, {KIN, -KIN}},
        {OU, {-OU, OU}},
        {-KAKU_NARI, {KAKU, KAKU_NARI, -KAKU}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        局面編集 e;
        編集_空(e);
        編集_置く(e, 4, 5, c.start);
        for (int expected : c.steps) {
            編集_回す(e, 4, 5);
            EXPECT_EQ(e.p.ban[4][5], expected);
        }
    }
}

// A hand holds 0 up to as many of a kind as the set has; outside that range
// nothing changes.
TEST(PositionEditor, HandCountsStayWithinTheSet) {
    const struct {
        int kind;
        int count;
        bool ok;
    } cases[] = {{1, 18, true}, {1, 19, false}, {7, 2, true}, {7, 3, false},
                 {5, 0, true},  {5, -1, false}, {8, 1, false}, {0, 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind * 100 + c.count);
        局面編集 e;
        編集_空(e);
        const bool ok = 編集_持駒(e, false, c.kind, c.count);
        EXPECT_EQ(ok, c.ok);
        if (c.kind >= 1 && c.kind <= 7) {
            EXPECT_EQ(e.p.mochi_teki[c.kind], c.ok ? c.count : 0);
        }
        EXPECT_EQ(e.p.mochi_teki_kazu, c.ok ? c.count : 0);
    }
}

}  // namespace
}  // namespace murokan
