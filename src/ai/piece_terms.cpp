// 盤評価_駒別: hand-written positional rules for the piece the top side has just
// moved or dropped. Many name fixed squares: they carry opening knowledge for
// the standard start, where the top bishop stands on (8, 2) and its rook on
// (2, 2), the bottom bishop on (2, 8) and its rook on (8, 8).
//
// Each function returns the final score; a rule that "finishes" returns at
// once so later rules are not applied.
#include <cstdlib>

#include "ai/evaluation.h"

namespace murokan {

namespace {

struct 文脈 {
    Position& g;
    ComState& c;
    const InfluenceMaps& m;
    int fx, fy, tx, ty;

    bool 打ち() const { return fx < 0; }
    int ban(int x, int y) const { return g.ban[x][y]; }
    int kiki_ji(int x, int y) const { return m.kiki_ji[x][y]; }
    int kiki_teki(int x, int y) const { return m.kiki_teki[x][y]; }
    // Attack counts on the destination.
    int kj() const { return m.kiki_ji[tx][ty]; }
    int kt() const { return m.kiki_teki[tx][ty]; }
    bool 王の筋か段で2以内() const {
        return (tx == g.ji_ou_x || ty == g.ji_ou_y) && std::abs(g.ji_ou_x - tx) < 3 &&
               std::abs(g.ji_ou_y - ty) < 3;
    }
    // T unattacked, or attacked only by the bottom king while we defend it.
    bool 安全か王だけ() const { return kj() == 0 || (m.saijaku_ji[tx][ty] == -OU && kt() > 0); }
};

double 歩(文脈& k, double s) {
    const Position& g = k.g;
    const InfluenceMaps& m = k.m;
    const int tx = k.tx, ty = k.ty;

    if (g.mochi_teki[3] > 0) s += 調査_桂狙い(g, m, tx, ty);
    if (ty < 9) {
        const int v = k.ban(tx, ty + 1);
        if (v == KIN) s += 0.5;
        if (v == SYA) s -= 1;
        if (v < -HU && 調査_移動可場所数(g, m, tx, ty + 1, v) == 0) s += std::abs(v);
    }
    if (k.kt() > 0 && 1 < tx && tx < 9 && (k.ban(tx + 1, ty) == SYA || k.ban(tx - 1, ty) == SYA)) {
        s -= 1;
    }

    if (k.打ち()) {
        if (k.kt() == 0 && ty > 1 && k.ban(tx, ty - 1) >= GIN &&
            (g.mochi_ji[1] > 0 || g.mochi_ji[2] > 0)) {
            s += 6;
        }
        if (k.ban(2, 8) == -KAKU && tx == 2 && ty == 7 &&
            !(k.kiki_ji(2, 7) != 0 && k.kiki_teki(2, 7) == 0)) {
            s += 30;
        }
        // A pawn dropped straight in front of the bottom rook or lance that is
        // its cheapest attacker, while we defend it.
        const int sx = m.saijaku_ji_x[tx][ty];
        const int sy = m.saijaku_ji_y[tx][ty];
        if (!(k.c.kiki_teki_mae[sx][sy] > 0 && k.kiki_ji(sx, sy) == 0)) {
            const int sj = m.saijaku_ji[tx][ty];
            if (k.kt() > 0 && tx == sx && (sj == -SYA || sj == -KYOU) && ty < sy) return s + 120;
        }
        return s;
    }

    s -= 0.1;
    if (m.mamori_teki[tx][ty] == KIN || m.mamori_teki[tx][ty] == GIN) s += 0.6;
    if (ty >= 8) return s;

    if (m.mamori_teki[tx][ty] == KYOU) {
        s += 1;
    } else if (m.mamori_teki[tx][ty] == SYA && m.mamori_teki_x[tx][ty] == tx && k.kt() >= k.kj() &&
               m.mamori_teki_y[tx][ty] < ty) {
        s += 2;
    }
    if (k.kiki_ji(tx, ty + 1) == 0 && k.ban(tx, ty + 2) <= -KEI) s += 1;
    if (ty < 7) {
        if (k.ban(tx, ty + 1) == -HU && k.kiki_ji(tx, ty + 1) > 0) s -= 5;
        if (tx < 9 && k.ban(tx + 1, ty) == KAKU) {
            s += 0.5;
            if (k.ban(tx + 1, ty + 2) == -HU) s += 5;
        }
        if (tx > 1) {
            if (tx == 7 && ty == 4 && k.ban(8, 2) == KAKU) s += 10;
            if (k.ban(tx - 1, ty) == KAKU) {
                s += 0.5;
                if (k.ban(tx - 1, ty + 2) == -HU) s += 5;
            }
        }
    }
    if (k.ban(tx, ty + 1) <= -HU) {  // a bottom piece right in front
        if (k.kt() > k.kj()) return s + 1;
        if (k.ban(tx, ty + 1) == -HU) return s - 5;
        if (k.kt() == 0) return k.kj() == 0 ? s + 1 : s;
        if (k.c.kiki_teki_mae[tx][ty + 1] > 0 && k.c.kiki_ji_mae[tx][ty + 1] == 0) return s - 1;
        if (k.kt() >= k.kj()) return s + 5;
    }
    return s;
}

double と(文脈& k, double s) {
    return k.kt() >= k.kj() ? s + 1 : s;
}

double 香(文脈& k, double s) {
    const Position& g = k.g;
    if (g.mochi_teki[3] > 0) s += 調査_桂狙い(g, k.m, k.tx, k.ty);
    if (k.打ち()) {
        if (k.ty < 8 && g.mochi_ji[1] > 0 && k.kiki_ji(k.tx, k.ty + 1) > 0 && k.kj() == 0) s -= 10;
        // A skewer rule for the dropped lance would follow; it asks whether
        // the lance may move onto an occupied square, which the rules refuse.
        return s;
    }
    return s - 0.9;
}

double 桂(文脈& k, double s) {
    const int tx = k.tx, ty = k.ty;
    s -= 0.1;
    // An unpromoted knight never stands on row 8 or 9, so ty + 1 stays on the board.
    if (ty < 9 && k.kiki_ji(tx, ty + 1) > 0) s -= 1;
    if (ty < 8 && 1 < tx && tx < 9) {
        if (k.kiki_ji(tx - 1, ty + 2) > 0 && k.kiki_ji(tx + 1, ty + 2) > 0) s -= 1;
        if (tx == 7 && ty == 3 && k.ban(8, 4) == KAKU) return s - 5;
    }
    return s;
}

double 銀(文脈& k, double s) {
    const int fx = k.fx, fy = k.fy, tx = k.tx, ty = k.ty;
    if (ty <= 1) return s;
    if (ty > fy) {  // forward (for a drop fy is the kind index 4)
        const bool bottom_silver_on_row5 =
            k.ban(7, 5) == -GIN || k.ban(8, 5) == -GIN || k.ban(9, 5) == -GIN;
        if (bottom_silver_on_row5) {
            if (tx == fx) s += 5;
        } else if (tx == fx) {
            s -= 0.1;
        }
    }
    if (k.ban(tx, ty - 1) == KEI) s -= 0.5;
    if (tx == 7 && ty == 3 && k.ban(8, 3) == HU && k.ban(8, 5) == -HU) return s + 115;
    return s;
}

double 金(文脈& k, double s) {
    const Position& g = k.g;
    const int tx = k.tx, ty = k.ty;
    // For a drop fy is the kind index 5 and fx is -1, so a gold dropped on
    // rows 6..9 counts as a diagonal forward move.
    if (ty > k.fy && tx != k.fx) s -= 0.5;
    if (ty == 4) {
        if (k.kiki_ji(6, 4) > 0 && k.ban(6, 4) == KAKU) return s - 5;
    } else if (ty == 2) {
        if (k.ban(8, 3) == HU && k.ban(8, 6) == -HU && k.m.mamori_ji[8][6] == -SYA && tx == 7) {
            s += 10;
        }
        if (g.mochi_ji[6] > 0 && k.c.kiki_teki_mae[tx][ty + 1] == 0 && k.ban(tx, ty + 1) >= HU) {
            s += 2;
            if (k.c.kiki_teki_mae[tx][ty + 2] == 1 && k.ban(tx, ty + 2) == KAKU) return s + 125;
        }
    }
    return s;
}

double 角(文脈& k, double s) {
    const Position& g = k.g;
    const InfluenceMaps& m = k.m;
    const int fx = k.fx, fy = k.fy, tx = k.tx, ty = k.ty;

    s += 調査_周辺状況(g, tx, ty);
    if (ty < 9) {
        if (ty == 3) {
            if (tx == 9 && k.ban(9, 4) == HU && k.ban(9, 6) == -HU && k.ban(9, 9) == -KYOU) {
                s -= 10;
            } else if (tx == 7 && k.ban(8, 5) == -HU && m.mamori_ji[8][5] == -SYA) {
                s += 9;
            }
        }
        if (k.kiki_ji(tx, ty + 1) > 0) {
            if (調査_移動可場所数(g, m, tx, ty, KAKU) == 0) s -= 100;
            if (ty < 8 && k.ban(tx, ty + 2) == -HU) s -= 1;
        }
    }
    if (fy == 3) {
        if (fx == 9 && k.ban(9, 4) == HU && k.ban(9, 6) == -HU && m.mamori_ji[9][6] == -KYOU) {
            s += 10;
        } else if (fx == 7 && k.ban(8, 5) == -HU && m.mamori_ji[8][5] == -SYA &&
                   k.c.kiki_teki_mae[8][4] > k.kiki_teki(8, 4)) {
            s -= 10;
        }
    }
    if (k.打ち()) {
        if (ty > 6) {
            if (調査_移動可場所数(g, m, tx, ty, KAKU) <= 3) return s - 20;
        } else {
            if (ty == 5 && (tx == 1 || tx == 9) && k.ban(tx, 7) == -HU) s -= 10;
            if (tx == 4 && ty == 5 && k.ban(5, 8) == -KIN) return s - 10;
        }
    }
    return s;
}

double 馬(文脈& k, double s) {
    return s + 調査_周辺状況(k.g, k.tx, k.ty);
}

double 飛(文脈& k, double s) {
    const Position& g = k.g;
    const InfluenceMaps& m = k.m;
    const int fx = k.fx, fy = k.fy, tx = k.tx, ty = k.ty;

    s += 調査_周辺状況(g, tx, ty);
    if (k.打ち()) {
        if (ty == 9 && k.ban(tx, 8) == -GIN && 1 < tx && tx < 9 &&
            ((k.ban(tx - 1, 9) != KARA && k.ban(tx + 1, 8) == -KIN) ||
             (k.ban(tx + 1, 9) != KARA && k.ban(tx - 1, 8) == -KIN))) {
            return s - 1;
        }
        return s;
    }

    if (k.kj() == 0 && tx == 3 && ty == 4 && k.ban(3, 7) == -KAKU && k.ban(3, 6) == -HU &&
        k.ban(3, 5) == KARA) {
        s += 7;
    }
    if (ty < 8) {
        if (k.kiki_ji(tx, ty + 1) > 0) {
            s -= 1;
            if (k.ban(tx, ty + 2) == -HU && fy == ty) s -= 5;
        }
        if (fy < 9 && k.ban(8, fy + 1) == -HU && m.mamori_ji[8][fy + 1] == -SYA) {
            if (k.kiki_teki(8, fy) < k.c.kiki_teki_mae[8][fy]) s -= 11;
            if (k.ban(7, fy) == HU && fy != ty) s -= 11;
        }
        if (k.kiki_ji(fx, fy) == 0 && fx == 2 && fy == 2 && tx == 2 && ty == 3) s -= 1;
    }
    if (k.安全か王だけ()) {
        if (調査_移動可場所数(g, m, tx, ty, SYA) <= 1) return s - 35;
        if (k.王の筋か段で2以内()) return s + 100;
    }
    return s;
}

double 竜(文脈& k, double s) {
    const int fx = k.fx, fy = k.fy, tx = k.tx, ty = k.ty;

    s += 調査_周辺状況(k.g, tx, ty);
    // Row 0 of the board exists and is always empty, so ty - 1 = 0 is safe.
    if (k.ban(tx, ty - 1) == -GIN && 1 < tx && tx < 9 &&
        ((k.ban(tx - 1, ty) != KARA && k.ban(tx + 1, ty - 1) == -KIN) ||
         (k.ban(tx + 1, ty) != KARA && k.ban(tx - 1, ty - 1) == -KIN))) {
        s -= 10;
    }
    if (fx >= 1 && fy == 9 && k.ban(fx, 8) == -GIN) {
        if (fx > 1 && k.ban(fx - 1, 8) == -KIN) s += 2;
        if (fx < 9 && k.ban(fx + 1, 8) == -KIN) s += 2;
    }
    if (ty == 9 && k.ban(tx, 8) <= -HU) {
        if (tx == 3 && k.ban(2, 9) <= -HU && k.ban(4, 8) == -KIN) s -= 150;
        if (tx == 7 && k.ban(8, 9) <= -HU && k.ban(6, 8) == -KIN) s -= 150;
    }
    if (k.安全か王だけ() && k.王の筋か段で2以内()) return s + 100;
    return s;
}

double 王(文脈& k, double s) {
    const int tx = k.tx, ty = k.ty;
    if (ty > 3) s -= 15 + ty;
    if (tx != 5) s += 1;
    if (k.m.ugokenai_teki_ari == 1) s += 10;
    if (k.kt() > k.c.kiki_teki_mae[tx][ty]) s += 1;
    if (調査_移動可場所数(k.g, k.m, tx, ty, OU) < 2) return s - 20;
    return s;
}

}  // namespace

double 盤評価_駒別(Position& g, ComState& c, double s, int piece, int fx, int fy, int tx, int ty) {
    文脈 k{g, c, c.maps, fx, fy, tx, ty};
    switch (piece) {
        case HU:
            return 歩(k, s);
        case HU_NARI:
            return と(k, s);
        case KYOU:
            return 香(k, s);
        case KEI:
            return 桂(k, s);
        case GIN:
            return 銀(k, s);
        case KIN:
            return 金(k, s);
        case KAKU:
            return 角(k, s);
        case KAKU_NARI:
            return 馬(k, s);
        case SYA:
            return 飛(k, s);
        case SYA_NARI:
            return 竜(k, s);
        case OU:
            return 王(k, s);
        default:
            return s;  // promoted lance, knight and silver have no rules
    }
}

}  // namespace murokan
