// The one-ply search of the computer's turn.
#include "ai/search.h"

#include <algorithm>
#include <cstdlib>

#include "ai/evaluation.h"
#include "core/rules.h"

namespace murokan {

Move 指し手_変換(const 指し手& te) {
    Move m;
    m.x1 = static_cast<std::int8_t>(te.fc);
    m.y1 = static_cast<std::int8_t>(te.fr);
    m.x2 = static_cast<std::int8_t>(te.tc);
    m.y2 = static_cast<std::int8_t>(te.tr);
    m.piece = static_cast<std::int16_t>(te.before);
    m.promote = te.after != te.before;
    return m;
}

namespace {

constexpr double kSaiteiten = -99999;  // below every score 盤評価 can give

int 王距離(const GameState& g, int fx, int fy) {
    return std::max(std::abs(g.ji_ou_x - fx), std::abs(g.ji_ou_y - fy));
}

// Surveys the trial position now on the board and scores it with `piece` on T.
double 試し評価(GameState& g, ComState& c, int piece, const 指し手& te, int* n) {
    勢力調査(g, c.maps);
    if (n != nullptr) ++*n;
    return 盤評価(g, c, piece, te.fc, te.fr, te.tc, te.tr);
}

// A board move: both forms are scored where promotion is optional. Pawns,
// bishops and rooks always promote when they may (keeping the better score);
// lances, knights and silvers promote only when that scores strictly higher,
// or when they could never move again unpromoted.
double 盤上手の評価(GameState& g, ComState& c, 指し手& te, int* n) {
    const int p = te.before;
    c.ugoku_koma = p;
    c.ou_kyori = 王距離(g, te.fc, te.fr);
    g.ban[te.fc][te.fr] = KARA;
    g.ban[te.tc][te.tr] = p;

    double s;
    int r = p;
    if (調査_駒成(g, te.fc, te.fr, te.tc, te.tr, p) == FLAG_OFF) {
        s = 試し評価(g, c, p, te, n);
    } else if (移動後チェック(te.tr, p) == FLAG_OFF) {
        r = g.nari_koma;
        g.ban[te.tc][te.tr] = r;
        s = 試し評価(g, c, r, te, n);
    } else {
        const int nari = g.nari_koma;
        s = 試し評価(g, c, p, te, n);
        g.ban[te.tc][te.tr] = nari;
        const double s2 = 試し評価(g, c, nari, te, n);
        if (s2 > s) {
            s = s2;
            r = nari;
        }
        if (p == HU || p == KAKU || p == SYA) r = nari;
    }

    g.ban[te.tc][te.tr] = KARA;
    g.ban[te.fc][te.fr] = p;
    te.after = r;
    return s;
}

double 打ち手の評価(GameState& g, ComState& c, 指し手& te, int* n) {
    const int p = te.before;
    c.ugoku_koma = p;
    g.ban[te.tc][te.tr] = p;
    const double s = 試し評価(g, c, p, te, n);
    g.ban[te.tc][te.tr] = KARA;
    te.after = p;
    return s;
}

bool 最善更新(ComState& c, 思考結果& res, const 指し手& te, double s) {
    if (!(s > c.saikouten)) return false;
    c.saikouten = s;
    res.found = true;
    res.te = te;
    res.score = s;
    return true;
}

}  // namespace

void 思考_準備(GameState& g, ComState& c) {
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

思考結果 思考_探索(GameState& g, ComState& c, ComHost* tick) {
    思考結果 res;
    for (int fx = 1; fx <= 9; ++fx) {
        if (tick != nullptr) tick->Timer1_Timer();
        for (int fy = 1; fy <= 9; ++fy) {
            if (g.ban[fx][fy] < HU) continue;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (移動チェック(g, fx, fy, tx, ty, g.ban[fx][fy]) != FLAG_ON) continue;
                    指し手 te{fx, fy, tx, ty, g.ban[fx][fy], 0};
                    const double s = 盤上手の評価(g, c, te, &res.candidates);
                    最善更新(c, res, te, s);
                }
            }
        }
    }

    if (c.mochi_teki_kazu_mae > 0) {
        for (int k = 1; k <= 7; ++k) {
            if (tick != nullptr) tick->Timer1_Timer();
            if (g.mochi_teki[k] <= 0) continue;
            const int p = 10 * k;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (移動チェック(g, TEKI_MOCHI_X, k, tx, ty, p) != FLAG_ON) continue;
                    指し手 te{TEKI_MOCHI_X, k, tx, ty, p, 0};
                    const double s = 打ち手の評価(g, c, te, &res.candidates);
                    // A mating drop cannot be beaten: stop at the first one.
                    if (最善更新(c, res, te, s) && c.saikouten >= HYOUKA_TSUMI) return res;
                }
            }
        }
    }
    return res;
}

思考結果 思考(GameState& g, ComState& c, ComHost* tick) {
    思考_準備(g, c);
    return 思考_探索(g, c, tick);
}

int 思考_最後の王距離(const GameState& g) {
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

double 思考_候補評価(GameState& g, ComState& c, 指し手& te, int* candidates) {
    if (te.fc < 0) {
        c.ou_kyori = 思考_最後の王距離(g);
        return 打ち手の評価(g, c, te, candidates);
    }
    return 盤上手の評価(g, c, te, candidates);
}

}  // namespace murokan
