// 盤評価: the sum of king safety, mate, attack on the bottom king, exchange and
// positional terms for one trial move of the top side.
#include "ai/evaluation.h"

#include <cmath>
#include <cstdlib>

namespace murokan {

namespace {

// Every term is a multiple of 0.1; summing them in floating point leaves tiny
// errors that would make two equal scores differ. Rounding to the tenth gives
// equal scores one identical value, so the strictly-greater tie-break of the
// search keeps the first move found.
double 十分位に丸め(double s) {
    return std::round(s * 10.0) / 10.0;
}

bool 飛か竜MAN(int code) {
    return code == -SYA || code == -SYA_NARI;
}

// The piece on T stands between a bottom rook or dragon and the top king, both
// directly adjacent to it on row ty.
bool 飛と王の間(const Position& g, int tx, int ty) {
    return (飛か竜MAN(g.ban[tx - 1][ty]) && g.ban[tx + 1][ty] == OU) ||
           (飛か竜MAN(g.ban[tx + 1][ty]) && g.ban[tx - 1][ty] == OU);
}

double 盤評価_素点(Position& g, ComState& c, int level, int piece, int fx, int fy, int tx, int ty) {
    InfluenceMaps& m = c.maps;
    double s = 0;

    // 1. Own king left attacked: the move is as good as lost.
    if (m.kiki_ji[g.teki_ou_x][g.teki_ou_y] >= 1) return HYOUKA_KINSHI;

    const int jx = g.ji_ou_x;
    const int jy = g.ji_ou_y;

    // 2. The move gives check.
    if (m.kiki_teki[jx][jy] > 0) {
        if (詰めかMAN(g, m) == FLAG_ON) return piece == HU ? HYOUKA_KINSHI : HYOUKA_TSUMI;
        if (m.saijaku_ji[tx][ty] == -OU && m.kiki_teki[tx][ty] > 0) s += 100;
        if (m.kiki_ji[tx][ty] <= 2 && m.mamori_teki[tx][ty] == SYA_NARI && tx != jx && ty != jy &&
            std::abs(jx - tx) < 2 && std::abs(jy - ty) < 2 &&
            (m.mamori_teki_x[tx][ty] == jx || m.mamori_teki_y[tx][ty] == jy)) {
            s += 900;
        }
        if (m.kiki_ji[tx][ty] == 0) s += 10;
    }

    // 3. Drops cost a little; promotion earns.
    if (fx < 0) {
        s -= 5;
    } else if (piece > c.ugoku_koma) {
        s += 10;
    }

    // 4. Threats over the whole board.
    s += 盤評価_COM危険座標(g, c, piece, tx, ty);

    // 5. Approach to the bottom king.
    const int dx = std::abs(tx - jx);
    const int dy = std::abs(ty - jy);
    if (dx > dy) {
        if (c.ou_kyori > dx) s += 1;
    } else {
        if (c.ou_kyori > dy) s += 0.1;
    }

    // A bonus for attacking a pinned cheapest attacker belongs here, but it
    // asks whether the moved piece may step onto that attacker's square, which
    // the rules refuse for every occupied square, so it never adds anything.

    // 6. Safety of the destination. (A bishop-caution term belongs to the
    // attacked-and-defended case; it rests on the same refused test and adds
    // nothing either.)
    if (m.kiki_ji[tx][ty] == 0) {
        if ((dx < 3 && dy < 3) || piece == KYOU || (piece >= KAKU && piece <= SYA_NARI)) {
            const int e = 調査_自王逃道(g, m);
            if (c.nigemichi > e) s += c.nigemichi - e;
        }
    } else if (m.kiki_teki[tx][ty] > 0) {
        if ((g.mochi_ji[4] > 0 || g.mochi_ji[5] > 0) && 1 < tx && tx < 9 && 飛と王の間(g, tx, ty)) {
            s -= piece;
        }
        const int saijaku = std::abs(m.saijaku_ji[tx][ty]);
        if (piece > saijaku) s += saijaku - piece;
        if (m.saijaku_ji[tx][ty] == -OU && ty < jy && m.kiki_teki[jx][jy] > 0) s += piece;
    } else if (fx < 0) {
        s -= piece + 50;  // a drop straight into an undefended attack
    }

    // 7. Edge file in front of a bottom lance on its home row.
    if (g.ban[tx][9] == -KYOU && (tx == 1 || tx == 9) && piece != KYOU && piece != SYA &&
        piece != SYA_NARI && tx != fx) {
        s -= 0.1;
    }

    // 8. Piece-specific rules, skipped at level 2 and for promoted lance,
    // knight and silver.
    if (level != 2 && piece != KYOU_NARI && piece != KEI_NARI && piece != GIN_NARI) {
        s = 盤評価_駒別(g, c, s, piece, fx, fy, tx, ty);
    }
    return s;
}

}  // namespace

double 盤評価(Position& g, ComState& c, int level, int piece, int fx, int fy, int tx, int ty) {
    return 十分位に丸め(盤評価_素点(g, c, level, piece, fx, fy, tx, ty));
}

}  // namespace murokan
