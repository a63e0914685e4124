// The squares a move can change. A drop fills its destination alone; a board
// move empties its source and fills its destination, and its strike chain only
// ever slides and takes pieces further along the move's own line, so whatever
// follows a move (a key, a material sum, the kings' squares) is brought up to
// date from these squares alone instead of from the whole board.
#pragma once

#include "core/movegen.h"
#include "core/position.h"

namespace murokan {

// Calls f(x, y) for every square of the board `m` may change: the source of a
// board move, then the destination and, for a board move, each square beyond
// it along the line of travel (the direction of 取得_進行方向: a knight's jump
// runs along its diagonal).
template <class F>
void for_each_square_a_move_changes(const Move& m, F&& f) {
    if (!on_board(m.x2, m.y2)) return;
    if (m.is_drop()) {
        f(m.x2, m.y2);
        return;
    }
    f(m.x1, m.y1);
    const int dx = (m.x2 > m.x1) - (m.x2 < m.x1), dy = (m.y2 > m.y1) - (m.y2 < m.y1);
    // The squares from the destination to the edge, counted beforehand so
    // that the walk tests no bounds.
    const int along_x = dx > 0 ? BAN_SIZE - m.x2 : dx < 0 ? m.x2 - 1 : BAN_SIZE;
    const int along_y = dy > 0 ? BAN_SIZE - m.y2 : dy < 0 ? m.y2 - 1 : BAN_SIZE;
    const int beyond = dx == 0 && dy == 0 ? 0 : along_x < along_y ? along_x : along_y;
    int x = m.x2, y = m.y2;
    for (int i = 0; i <= beyond; ++i, x += dx, y += dy) f(x, y);
}

}  // namespace murokan
