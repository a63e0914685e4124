// A game state read from an SFEN line, for tests that start from a written
// position; a line that does not read fails the test that gave it.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "core/game_state.h"
#include "core/sfen.h"

namespace murokan::test {

inline GameState from_sfen(std::string_view sfen) {
    GameState g;
    EXPECT_EQ(parse_sfen(sfen, g), nullptr) << sfen;
    return g;
}

}  // namespace murokan::test
