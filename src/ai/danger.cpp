// 盤評価_COM危険座標: a walk over all 81 squares of the position after a trial
// move, scoring threats to the top king, hanging top pieces and the drops the
// bottom side could make.
#include <cstdlib>

#include "ai/evaluation.h"

namespace murokan {

namespace {

bool 金銀持ちMAN(const Position& g) {
    return g.mochi_ji[4] > 0 || g.mochi_ji[5] > 0;
}

// Case A: the square Q = (x, y) is empty.
double 危険_空き(Position& g, const ComState& c, int x, int y) {
    const InfluenceMaps& m = c.maps;
    const int kj = m.kiki_ji[x][y];
    const int kt = m.kiki_teki[x][y];
    double r = 0;

    if (kj > 0) {
        if (std::abs(x - g.teki_ou_x) < 2 && std::abs(y - g.teki_ou_y) < 2) {  // beside our king
            r -= 0.5 * kj;
            if (kt == 1 && kj > 1) r -= 10;
            if (金銀持ちMAN(g)) r -= 10;
        }
        if (kt == 0 && y < 4) {
            r -= 0.1;
            if (調査_自守駒MAN_直進駒(g, x, y) == FLAG_ON) r -= 10;
        }
        if (y < 4 && g.ban[x][y + 1] == -HU && kj >= kt) {
            r -= 30;
            if (調査_自守駒MAN_直進駒(g, x, y + 1) == FLAG_ON) r -= 70;
        }
    }

    if (g.mochi_ji_kazu > 0) {
        // A lance dropped on Q would skewer two top pieces up the column.
        if (g.mochi_ji[2] > 0 && y > 2 && g.ban[x][y - 1] > KYOU && (kj > 0 || kt == 0)) {
            for (int row = y - 2; row >= 1; --row) {
                const int code = g.ban[x][row];
                if (code == KARA) continue;
                if (code > KYOU) r -= 100 + code / 2.0;
                break;
            }
        }
        // A knight dropped on Q would fork two top pieces other than pawns.
        if (g.mochi_ji[3] > 0 && (kt == 0 || (kj > 0 && m.saijaku_teki[x][y] > KEI)) && y > 2 &&
            x >= 2 && x <= 8) {
            if (g.ban[x - 1][y - 2] > HU && g.ban[x + 1][y - 2] > HU) r -= 20;
        }
        // A gold or silver dropped among our big pieces.
        if (金銀持ちMAN(g) && kt <= 1) {
            const int shuuhen = 調査_周辺状況(g, x, y);
            if (shuuhen < -1) r -= 5;
            if (kt == 0 && shuuhen < 0) {
                r -= 1;
                if (y < 4) r -= 10;
            }
        }
        if (kt == 0) {
            if (y == 2 && g.ban[x][1] == KEI) r -= 5;
            if (y < 4) r -= 0.1;
            // A silver dropped on Q would fork two undefended top pieces.
            if (g.mochi_ji[4] > 0 && 1 < y && y < 9 && x >= 2 && x <= 8) {
                if (g.ban[x - 1][y - 1] >= HU && g.ban[x + 1][y + 1] >= HU &&
                    m.kiki_teki[x - 1][y - 1] == 0 && m.kiki_teki[x + 1][y + 1] == 0) {
                    r -= 20;
                }
                if (g.ban[x - 1][y + 1] >= HU && g.ban[x + 1][y - 1] >= HU &&
                    m.kiki_teki[x - 1][y + 1] == 0 && m.kiki_teki[x + 1][y - 1] == 0) {
                    r -= 20;
                }
            }
        }
    }
    return r;
}

// Case B: Q holds the top piece p.
double 危険_自駒(Position& g, const ComState& c, int x, int y, int p) {
    const InfluenceMaps& m = c.maps;
    const int kj = m.kiki_ji[x][y];
    const int kt = m.kiki_teki[x][y];
    double r = 0;

    if (p == OU && y == 1 && m.kiki_ji[x][2] > 0) {  // the square in front of our king
        r -= 50;
        if (m.kiki_ji[x][2] >= m.kiki_teki[x][2]) r -= 250;
        if (金銀持ちMAN(g)) r -= 700;
    } else if (p == HU && m.saijaku_ji[x][y] == -SYA && g.mochi_ji[1] > 0) {
        if (kj >= kt && y < 9 && m.kiki_teki[x][y + 1] == 1) r -= 5;
    }

    if (kj > 0) {  // p is attacked
        const int saijaku = std::abs(m.saijaku_ji[x][y]);
        const int sx = m.saijaku_ji_x[x][y];
        const int sy = m.saijaku_ji_y[x][y];
        const bool attacker_free = m.ugokenai_ji[sx][sy] == 0;

        if (m.mamori_teki[x][y] == OU && (kj > 1 || p > saijaku)) r -= 100;
        if (attacker_free && p > saijaku) r += saijaku - p;
        if (kt > 0 && attacker_free) {
            if (kj > kt && m.mamori_teki[x][y] >= saijaku) r -= p;
            if (y <= 3 && kt == kj && g.ban[x][y + 1] != KARA &&
                調査_自守駒MAN_直進駒(g, x, y + 1) == FLAG_ON) {
                r -= p + std::abs(m.saijaku_ji[x][y + 1]);
            }
        }
        if (kt == 0) {  // hanging
            r -= p;
            if (y <= 3) r -= 10;
            if (c.ban_kaishi[x][y] <= -HU) r += std::abs(c.ban_kaishi[x][y]);  // it just took that
            if (y < 4 && (m.saijaku_ji[x][y] == -HU || m.saijaku_ji[x][y] == -KYOU)) r -= 20;
        }
    }
    return r;
}

// Case C: Q holds the bottom piece b.
double 危険_敵駒(const Position& g, const ComState& c, int x, int y, int b) {
    const InfluenceMaps& m = c.maps;
    double r = 0;

    if (m.kiki_teki[x][y] > 0 && c.kiki_teki_mae[x][y] == 0) {  // newly attacked
        if (y > 2 && b == -KEI && m.kiki_ji[x][y - 1] == 0 &&
            (g.ban[x][y - 1] == GIN || g.ban[x][y - 1] == SYA_NARI ||
             g.ban[x][y - 1] == KAKU_NARI)) {
            r += 1;
        }
        if (std::abs(x - g.teki_ou_x) < 3 && std::abs(y - g.teki_ou_y) < 3) r += 15;
    }

    if (b == -KEI && y > 4 && g.ban[x][y - 4] >= GIN) {
        if (x > 1 && g.ban[x - 1][y - 2] >= 0 && m.kiki_teki[x - 1][y - 2] == 0) r -= 1;
        if (x < 9 && g.ban[x + 1][y - 2] >= 0 && m.kiki_teki[x + 1][y - 2] == 0) r -= 1;
    } else if ((b == -SYA || b == -SYA_NARI || b == -KYOU) && x == g.teki_ou_x) {
        r -= 1;
    }
    return r;
}

}  // namespace

double 盤評価_COM危険座標(Position& g, ComState& c, [[maybe_unused]] int piece,
                          [[maybe_unused]] int tx, [[maybe_unused]] int ty) {
    // Two more terms (a bishop caution and a fork bonus) would ask whether a
    // piece may move onto an occupied square; the rules always refuse that, so
    // they add nothing and are not scored.
    double r = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int q = g.ban[x][y];
            if (q == KARA) {
                r += 危険_空き(g, c, x, y);
            } else if (q >= HU) {
                r += 危険_自駒(g, c, x, y, q);
            } else {
                r += 危険_敵駒(g, c, x, y, q);
            }
        }
    }
    return r;
}

}  // namespace murokan
