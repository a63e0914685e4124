// The table's size follows the search's budget: room for about one entry per
// node, never more than the largest table for a search bound by time alone.
#include "ai/transposition.h"

#include <gtest/gtest.h>

namespace murokan {
namespace {

TEST(TranspositionTest, SizeFollowsTheNodeBudget) {
    const struct {
        std::int64_t nodes;
        int bits;
    } cases[] = {{0, 20}, {1, 16}, {65536, 16}, {65537, 17}, {250000, 18}, {100000000, 20}};
    for (const auto& c : cases)
        EXPECT_EQ(TranspositionTable::bits_for_nodes(c.nodes), c.bits) << c.nodes << " nodes";
}

}  // namespace
}  // namespace murokan
