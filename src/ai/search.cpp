// The one-ply search of the computer's turn.
#include "ai/search.h"

#include <algorithm>
#include <cstdlib>

#include "ai/evaluation.h"
#include "core/rules.h"

namespace murokan {

namespace {

constexpr double kSaiteiten = -99999;  // below every score 盤評価 can give

int 王距離(const Position& g, int fx, int fy) {
    return std::max(std::abs(g.ji_ou_x - fx), std::abs(g.ji_ou_y - fy));
}

// Surveys the trial position now on the board and scores it with `piece` on
// the destination.
double 試し評価(Position& g, ComState& c, int level, int piece, const Move& m, int* n) {
    勢力調査(g, c.maps);
    if (n != nullptr) ++*n;
    return 盤評価(g, c, level, piece, m.x1, m.y1, m.x2, m.y2);
}

// A board move: both forms are scored where promotion is optional. Pawns,
// bishops and rooks always promote when they may (keeping the better score);
// lances, knights and silvers promote only when that scores strictly higher,
// or when they could never move again unpromoted.
double 盤上手の評価(Position& g, ComState& c, int level, Move& m, int* n) {
    const int p = m.piece;
    c.ugoku_koma = p;
    c.ou_kyori = 王距離(g, m.x1, m.y1);
    g.ban[m.x1][m.y1] = KARA;
    g.ban[m.x2][m.y2] = p;

    double s;
    bool promote = false;
    int nari = 0;
    if (調査_駒成(g, m.x1, m.y1, m.x2, m.y2, p, nari) == FLAG_OFF) {
        s = 試し評価(g, c, level, p, m, n);
    } else if (移動後チェック(m.y2, p) == FLAG_OFF) {
        promote = true;
        g.ban[m.x2][m.y2] = nari;
        s = 試し評価(g, c, level, nari, m, n);
    } else {
        s = 試し評価(g, c, level, p, m, n);
        g.ban[m.x2][m.y2] = nari;
        const double s2 = 試し評価(g, c, level, nari, m, n);
        if (s2 > s) {
            s = s2;
            promote = true;
        }
        if (p == HU || p == KAKU || p == SYA) promote = true;
    }

    g.ban[m.x2][m.y2] = KARA;
    g.ban[m.x1][m.y1] = p;
    m.promote = promote;
    return s;
}

double 打ち手の評価(Position& g, ComState& c, int level, Move& m, int* n) {
    const int p = m.piece;
    c.ugoku_koma = p;
    g.ban[m.x2][m.y2] = p;
    const double s = 試し評価(g, c, level, p, m, n);
    g.ban[m.x2][m.y2] = KARA;
    m.promote = false;
    return s;
}

bool 最善更新(ComState& c, 思考結果& res, const Move& m, double s) {
    if (!(s > c.saikouten)) return false;
    c.saikouten = s;
    res.found = true;
    res.te = m;
    res.score = s;
    return true;
}

}  // namespace

void 思考_準備(Position& g, ComState& c) {
    c.saikouten = kSaiteiten;
    // A drop is scored with the distance of the last board move tried; start
    // from 0 so that a turn without board moves does not inherit the previous
    // turn's value.
    c.ou_kyori = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) c.ban_kaishi[x][y] = g.ban[x][y];
    }
    消去_逃道マス(c.maps);
    調査_2歩フラグ設定(g);
    // The escape count reads the maps, so survey first: after a human move the
    // maps already describe this position, but when the computer opens a game
    // or resumes one they may still describe an older board.
    勢力調査(g, c.maps);
    c.nigemichi = 調査_自王逃道(g, c.maps);
    調査_移動不可駒(g, c.maps);
    c.mochi_teki_kazu_mae = g.mochi_teki_kazu;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            c.kiki_ji_mae[x][y] = c.maps.kiki_ji[x][y];
            c.kiki_teki_mae[x][y] = c.maps.kiki_teki[x][y];
        }
    }
}

思考結果 思考_探索(Position& g, ComState& c, int level, Progress progress) {
    思考結果 res;
    for (int fx = 1; fx <= 9; ++fx) {
        progress();
        for (int fy = 1; fy <= 9; ++fy) {
            if (g.ban[fx][fy] < HU) continue;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (移動チェック(g, fx, fy, tx, ty, g.ban[fx][fy]) != FLAG_ON) continue;
                    Move m = Move::of(fx, fy, tx, ty, g.ban[fx][fy], false);
                    const double s = 盤上手の評価(g, c, level, m, &res.candidates);
                    最善更新(c, res, m, s);
                }
            }
        }
    }

    if (c.mochi_teki_kazu_mae > 0) {
        for (int k = 1; k <= 7; ++k) {
            progress();
            if (g.mochi_teki[k] <= 0) continue;
            const int p = 10 * k;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (移動チェック(g, TEKI_MOCHI_X, k, tx, ty, p) != FLAG_ON) continue;
                    Move m = Move::of(TEKI_MOCHI_X, k, tx, ty, p, false);
                    const double s = 打ち手の評価(g, c, level, m, &res.candidates);
                    // A mating drop cannot be beaten: stop at the first one.
                    if (最善更新(c, res, m, s) && c.saikouten >= HYOUKA_TSUMI) return res;
                }
            }
        }
    }
    return res;
}

思考結果 思考(Position& g, ComState& c, int level, Progress progress) {
    思考_準備(g, c);
    return 思考_探索(g, c, level, progress);
}

int 思考_最後の王距離(const Position& g) {
    for (int fx = 9; fx >= 1; --fx) {
        for (int fy = 9; fy >= 1; --fy) {
            if (g.ban[fx][fy] < HU) continue;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (移動チェック(g, fx, fy, tx, ty, g.ban[fx][fy]) == FLAG_ON) {
                        return 王距離(g, fx, fy);
                    }
                }
            }
        }
    }
    return 0;
}

double 思考_候補評価(Position& g, ComState& c, int level, Move& m, int* candidates) {
    if (m.x1 < 0) {
        c.ou_kyori = 思考_最後の王距離(g);
        return 打ち手の評価(g, c, level, m, candidates);
    }
    return 盤上手の評価(g, c, level, m, candidates);
}

}  // namespace murokan
