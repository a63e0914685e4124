// The strike chain replayed on a read-only board. The chain only ever moves
// pieces forward along one line, and every piece it looks at next lies beyond
// the square the last one stopped on, so the squares still ahead are always as
// they stood before the move.
#include "core/chain_forecast.h"

#include "core/rules.h"

namespace murokan {

namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

// 調査_駒取 for the side to move, kept here where the search calls it for every
// move it orders.
bool movers_piece(const Position& g, int code) {
    if (g.teban == g.teki_teban) return code >= 10 && code <= 80;
    if (g.teban == g.ji_teban) return code >= -80 && code <= -10;
    return false;
}

}  // namespace

int forecast_chain_take(const Position& g, const Move& m) {
    if (m.is_drop()) return KARA;
    // The unit step of 取得_進行方向's direction: a knight's jump runs along
    // its diagonal.
    const Step s{sign(m.x2 - m.x1), sign(m.y2 - m.y1)};
    if (s.dx == 0 && s.dy == 0) return KARA;
    int x = m.x2, y = m.y2;
    int striker = placed_code(m);
    // A chain never has more passes than squares on its line.
    for (int pass = 0; pass < BAN_SIZE; ++pass) {
        int fx = x + s.dx, fy = y + s.dy;
        while (on_board(fx, fy) && g.ban[fx][fy] == KARA) {
            fx += s.dx;
            fy += s.dy;
        }
        if (!on_board(fx, fy)) return KARA;
        const int found = g.ban[fx][fy];
        const int bx = fx + s.dx, by = fy + s.dy;
        const bool jammed = !on_board(bx, by) || g.ban[bx][by] != KARA;
        if (jammed) {
            if (movers_piece(g, striker)) {
                const bool adjacent = fx == x + s.dx && fy == y + s.dy;
                return adjacent ? found : KARA;
            }
            if (!on_board(bx, by)) return KARA;
            x = fx;  // jammed against a piece: the striker passes through it
            y = fy;
        } else {
            x = bx;
            y = by;
            while (on_board(x + s.dx, y + s.dy) && g.ban[x + s.dx][y + s.dy] == KARA) {
                x += s.dx;
                y += s.dy;
            }
        }
        striker = found;
    }
    return KARA;
}

void forecast_chain_takes(const Position& g, const MoveList& list, int* taken) {
    for (int i = 0; i < list.count; ++i) {
        const Move& m = list.moves[i];
        if (m.is_drop()) {
            taken[i] = KARA;
            continue;
        }
        const Move* prev = i > 0 ? &list.moves[i - 1] : nullptr;
        const bool twin = prev != nullptr && prev->x1 == m.x1 && prev->y1 == m.y1 &&
                          prev->x2 == m.x2 && prev->y2 == m.y2;
        taken[i] = twin ? taken[i - 1] : forecast_chain_take(g, m);
    }
}

}  // namespace murokan
