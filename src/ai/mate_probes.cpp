// Mate and escape probes for the bottom king, read off the maps of the survey
// just run. The move check refuses occupied destinations, and the probes keep
// that: a piece "may move onto the king" only if the king's square is empty,
// so the interposition step only tells an adjacent check from a distant one,
// and a blocking move always answers "not mated".
#include <cstdlib>

#include "ai/maps.h"
#include "core/rules.h"

namespace murokan {

namespace {

bool 王隣(const Position& g, int x, int y) {
    return std::abs(x - g.ji_ou_x) <= 1 && std::abs(y - g.ji_ou_y) <= 1;
}

// Step 2 of the mate probe: true when a drop is taken to save the king (the
// answer is then "not mated"), false to go on with the king's escapes.
bool 合駒で防げる(Position& g, const InfluenceMaps& m) {
    const int kx = g.ji_ou_x;
    const int ky = g.ji_ou_y;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int mark = m.oute_teki[x][y];
            if (mark == 9 && 王隣(g, x, y)) return false;
            if (mark != 1) continue;
            // Try a pawn on the blocking square.
            const int saved = g.ban[x][y];
            g.ban[x][y] = -HU;
            if (g.mochi_ji_kazu == g.mochi_ji[1] &&
                移動チェック(g, JI_MOCHI_X, 0, x, y, -HU) == FLAG_OFF) {
                g.ban[x][y] = KARA;
            }
            bool still_checks = false;
            for (int u = 1; u <= 9 && !still_checks; ++u) {
                for (int v = 1; v <= 9; ++v) {
                    if (m.oute_teki[u][v] == 9 &&
                        移動チェック(g, u, v, kx, ky, g.ban[u][v]) == FLAG_ON) {
                        still_checks = true;
                        break;
                    }
                }
            }
            g.ban[x][y] = saved;  // KARA: a marked square lies strictly inside a check line
            if (still_checks) return false;
        }
    }
    return true;
}

}  // namespace

int 詰めかMAN(Position& g, const InfluenceMaps& m) {
    const int kx = g.ji_ou_x;
    const int ky = g.ji_ou_y;
    // 1. Not in check.
    if (m.kiki_teki[kx][ky] == 0) return FLAG_OFF;
    // 2. Interposing by a drop.
    if (g.mochi_ji_kazu > 0 && 合駒で防げる(g, m)) return FLAG_OFF;
    // 3. The king steps to an empty square the top side does not reach.
    for (int i = kx - 1; i <= kx + 1; ++i) {
        for (int j = ky - 1; j <= ky + 1; ++j) {
            if (i < 1 || i > 9 || j < 1 || j > 9) continue;
            if (移動チェック(g, kx, ky, i, j, -OU) == FLAG_ON && m.kiki_teki[i][j] == 0) {
                return FLAG_OFF;
            }
        }
    }
    // 4. A bottom piece moves onto a marked square and the king is no longer reachable.
    // The marked squares are gathered once: the evaluation asks this for most
    // checking trial moves, and walking all 81 squares for every bottom piece
    // was the bulk of the computer's search time. They are gathered in the
    // order a walk over every (i, j) meets them, so the moves are tried in that
    // walk's order; and since each trial is undone before the next and reads
    // only the board, no order could change the answer anyway.
    int marked_i[81], marked_j[81];
    int marked = 0;
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) {
            if (m.oute_teki[i][j] > 0) {
                marked_i[marked] = i;
                marked_j[marked] = j;
                ++marked;
            }
        }
    }
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int code = g.ban[x][y];
            if (code < -SYA_NARI || code > -HU) continue;
            for (int n = 0; n < marked; ++n) {
                const int i = marked_i[n];
                const int j = marked_j[n];
                if (移動チェック(g, x, y, i, j, code) != FLAG_ON) continue;
                const int held = g.ban[i][j];
                g.ban[i][j] = code;
                g.ban[x][y] = KARA;
                const int reached = 詰めかMAN_COM移動(g);
                g.ban[x][y] = code;
                g.ban[i][j] = held;
                if (reached == FLAG_OFF) return FLAG_OFF;
            }
        }
    }
    return FLAG_ON;
}

int 詰めかMAN_COM移動(const Position& g) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int c = g.ban[x][y];
            if (c >= 10 && 移動チェック(g, x, y, g.ji_ou_x, g.ji_ou_y, c) == FLAG_ON) {
                return FLAG_ON;
            }
        }
    }
    return FLAG_OFF;
}

int 調査_自王逃道(const Position& g, InfluenceMaps& m) {
    const int x = g.ji_ou_x;
    const int y = g.ji_ou_y;
    static constexpr int kSteps[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1},
                                         {-1, 1}, {1, 1},   {-1, 0}, {1, 0}};
    int count = 0;
    for (const auto& s : kSteps) {
        const int i = x + s[0];
        const int j = y + s[1];
        if (i < 1 || i > 9 || j < 1 || j > 9) continue;
        if (g.ban[i][j] == KARA && m.kiki_teki[i][j] == 0) {
            m.nigemichi_masu[i][j] = 1;
            ++count;
        }
    }
    return count;
}

void 消去_逃道マス(InfluenceMaps& m) {
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) m.nigemichi_masu[x][y] = KARA;
    }
}

}  // namespace murokan
