// The strike chain replayed on a read-only board. The chain only ever moves
// pieces forward along one line, and every piece it looks at next lies beyond
// the square the last one stopped on, so the squares still ahead are always as
// they stood before the move.
#include "core/chain_forecast.h"

#include "core/rules.h"

namespace murokan {

namespace {

bool on_board(int x, int y) {
    return x >= 1 && x <= BAN_SIZE && y >= 1 && y <= BAN_SIZE;
}

}  // namespace

int forecast_chain_take(const GameState& g, const Move& m) {
    if (m.is_drop()) return KARA;
    const 方向 d = 取得_進行方向(m.x1, m.y1, m.x2, m.y2);
    if (d == 方向::無) return KARA;
    const Step s = 方向_単位(d);
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
            if (調査_駒取(g, g.teban, striker) == FLAG_ON) {
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

}  // namespace murokan
