// Small look-ups the evaluation asks about a trial position: safe squares of a
// piece, a bottom straight mover behind a square, crowding by big top pieces,
// and a knight fork follow-up.
#include <cstdlib>

#include "ai/maps.h"
#include "core/rules.h"

namespace murokan {

int 調査_移動可場所数(const Position& g, const InfluenceMaps& m, int x, int y, int p) {
    // A square is safe when the side that does not own p reaches it nowhere.
    const auto& kiki = p >= 10 ? m.kiki_ji : m.kiki_teki;
    int count = 0;
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            if (kiki[i][j] == 0 && 移動チェック(g, x, y, i, j, p) == FLAG_ON) ++count;
        }
    }
    return count;
}

int 調査_自守駒MAN_直進駒(Position& g, int x, int y) {
    // The square itself must be empty for the move check to say yes.
    const int saved = g.ban[x][y];
    g.ban[x][y] = KARA;
    int flag = FLAG_OFF;
    for (int r = y + 1; r <= 9; ++r) {
        const int c = g.ban[x][r];
        if (c >= 10) break;
        if (c == -KYOU || c == -SYA || c == -SYA_NARI) {
            flag = 移動チェック(g, x, r, x, y, c);
            break;
        }
    }
    g.ban[x][y] = saved;
    return flag;
}

int 調査_周辺状況(const Position& g, int x, int y) {
    int sum = 0;
    for (int i = x - 1; i <= x + 1; ++i) {
        for (int j = y - 1; j <= y + 1; ++j) {
            if ((i == x && j == y) || i < 1 || i > 9 || j < 1 || j > 9) continue;
            if (g.ban[i][j] >= KAKU) --sum;
        }
    }
    return sum;
}

int 調査_桂狙い(const Position& g, const InfluenceMaps& m, int x, int y) {
    const int weakest = m.saijaku_ji[x][y];
    if (weakest < -SYA_NARI || weakest > -KAKU || y <= 5) return 0;
    int value = 0;
    // The knight lands on (x -/+ 1, y - 2) and forks (x, y) with the big
    // bottom piece on (x -/+ 2, y), unless that piece is the attacker itself.
    if (x > 2 && g.ban[x - 1][y - 2] == KARA && m.kiki_ji[x - 1][y - 2] == 0 &&
        g.ban[x - 2][y] <= -KAKU && x - 2 != m.saijaku_ji_x[x][y]) {
        value += std::abs(g.ban[x - 2][y]);
    }
    if (x < 8 && g.ban[x + 1][y - 2] == KARA && m.kiki_ji[x + 1][y - 2] == 0 &&
        g.ban[x + 2][y] <= -KAKU && x + 2 != m.saijaku_ji_x[x][y]) {
        value += std::abs(g.ban[x + 2][y]);
    }
    return value;
}

}  // namespace murokan
