// 調査_移動不可駒: which pieces, once lifted off the board, would let an
// opposing lance, bishop, horse, rook or dragon move onto their own king's
// square. The move check refuses occupied destinations, so in practice only
// lifting the king itself can hit; the survey keeps that behaviour as it is.
#include "ai/maps.h"
#include "core/rules.h"

namespace murokan {

namespace {

bool 遠駒(int code) {
    return code == KYOU || code == KAKU || code == KAKU_NARI || code == SYA || code == SYA_NARI;
}

// Counts the pieces of the side `sign` (+1 top, -1 bottom) among the ranging
// kinds that may move onto (kx, ky) on the board as it stands.
int 遠駒到達数(const Position& g, int sign, int kx, int ky) {
    int hits = 0;
    for (int u = 1; u <= 9; ++u) {
        for (int v = 1; v <= 9; ++v) {
            const int c = g.ban[u][v];
            if (c * sign > 0 && 遠駒(c * sign) && 移動チェック(g, u, v, kx, ky, c) == FLAG_ON) {
                ++hits;
            }
        }
    }
    return hits;
}

}  // namespace

void 調査_移動不可駒(Position& g, InfluenceMaps& m) {
    m.ugokenai_teki_ari = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            m.ugokenai_ji[x][y] = 0;
            const int p = g.ban[x][y];
            if (p == KARA) continue;
            g.ban[x][y] = KARA;
            if (p <= -10) {
                if (遠駒到達数(g, +1, g.ji_ou_x, g.ji_ou_y) > 0) m.ugokenai_ji[x][y] = 1;
            } else if (p >= 10) {
                if (遠駒到達数(g, -1, g.teki_ou_x, g.teki_ou_y) > 0) m.ugokenai_teki_ari = 1;
            }
            g.ban[x][y] = p;
        }
    }
}

}  // namespace murokan
