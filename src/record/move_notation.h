// A move written as the window writes the last move beside the hand stands
// (file, rank, the piece now standing there), with the mover's mark ▲ for
// 先手 and △ for 後手 in front and 打 after a drop: "▲７六歩", "△５五角打".
#pragma once

#include <span>
#include <string>

#include "core/movegen.h"
#include "core/position.h"

namespace murokan {

// 変換_指し手: `m`, a move of the side to move of `before`, in the window's
// notation.
std::string 変換_指し手(const Position& before, const Move& m);

// 変換_手順: the moves of `line` from `before` on, each in the window's
// notation, separated by a blank.
std::string 変換_手順(const Position& before, std::span<const Move> line);

}  // namespace murokan
