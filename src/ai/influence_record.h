// How one piece's reach of one square is written into the influence maps.
// Shared by the survey's single steps, the rays and the gold patterns; every
// comparison is strict, so the first piece met keeps a cell on a tie.
#pragma once

#include "ai/maps.h"

namespace murokan::influence {

// A top-side kind's guard record on a square holding a top piece.
enum class Guard { None, NoSquare, WithSquare };

// A bottom-side piece on (x, y) with recording code c reaches (tx, ty).
inline void 記録_自(const Position& g, InfluenceMaps& m, int c, int x, int y, int tx, int ty) {
    m.kiki_ji[tx][ty] += 1;
    const int t = g.ban[tx][ty];
    if (t < 0) {
        if (m.mamori_ji[tx][ty] > c) m.mamori_ji[tx][ty] = c;
    } else if (t > 0 && m.saijaku_ji[tx][ty] < c) {
        m.saijaku_ji[tx][ty] = c;
        m.saijaku_ji_x[tx][ty] = x;
        m.saijaku_ji_y[tx][ty] = y;
    }
}

// A top-side piece on (x, y) with recording code c reaches (tx, ty); which
// records its kind makes is fixed at compile time. Check marks are the
// caller's business (they differ by kind). Returns the code on (tx, ty).
template <Guard G, bool Attack>
inline int 記録_敵(const Position& g, InfluenceMaps& m, int c, int x, int y, int tx, int ty) {
    m.kiki_teki[tx][ty] += 1;
    const int t = g.ban[tx][ty];
    if (t >= 10) {
        if constexpr (G != Guard::None) {
            if (m.mamori_teki[tx][ty] > c) {
                m.mamori_teki[tx][ty] = c;
                if constexpr (G == Guard::WithSquare) {
                    m.mamori_teki_x[tx][ty] = x;
                    m.mamori_teki_y[tx][ty] = y;
                }
            }
        }
    } else if (Attack && t <= -10 && m.saijaku_teki[tx][ty] > c) {
        m.saijaku_teki[tx][ty] = c;
    }
    return t;
}

// One ray from the piece `code` on (x, y) in direction (dx, dy), the first
// square being (x + dx, y + dy), on until a piece other than the opposing king
// or the edge. A top piece that passes the bottom king marks the check.
void 光線(const Position& g, InfluenceMaps& m, int code, int x, int y, int dx, int dy);

}  // namespace murokan::influence
