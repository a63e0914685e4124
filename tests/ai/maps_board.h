// Small helpers for the map and probe tests: build a board from a list of
// pieces and compare a whole map with a 9 x 9 picture (rows y = 1..9).
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

#include "ai/maps.h"
#include "core/game_state.h"

namespace murokan::testing_maps {

struct Piece {
    int x, y, code;
};

// A game state with only the given pieces on the board and empty hands.
inline GameState 盤(std::initializer_list<Piece> pieces) {
    GameState g;
    for (const Piece& p : pieces) g.ban[p.x][p.y] = p.code;
    return g;
}

// The map as text, one row y = 1..9 per line, columns x = 1..9.
inline std::string 図(const int (&map)[10][10]) {
    std::ostringstream out;
    for (int y = 1; y <= 9; ++y) {
        for (int x = 1; x <= 9; ++x) out << (x > 1 ? " " : "") << map[x][y];
        out << "\n";
    }
    return out.str();
}

// Normalises a picture written in the test (any spacing, one row per line).
inline std::string 正規化(const std::string& picture) {
    std::istringstream in(picture);
    std::ostringstream out;
    int v;
    for (int i = 0; in >> v; ++i) out << v << ((i % 9 == 8) ? "\n" : " ");
    return out.str();
}

}  // namespace murokan::testing_maps
