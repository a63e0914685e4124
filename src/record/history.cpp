#include "record/history.h"

namespace murokan {

namespace {

bool 範囲内(int n) {
    return n >= 0 && n <= MAX_KIFU;
}

// True when entry n holds exactly the board and hands of g.
bool 同一局面(const GameState& g, const History& h, int n) {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (h.kifu_ban[n][x][y] != g.ban[x][y]) return false;
        }
    }
    for (int k = 1; k <= 7; ++k) {
        if (h.kifu_mochi_ji[n][k] != g.mochi_ji[k]) return false;
        if (h.kifu_mochi_teki[n][k] != g.mochi_teki[k]) return false;
    }
    return true;
}

}  // namespace

bool 手順保存(const GameState& g, History& h, int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/,
              int /*koma*/, int /*saki_koma*/, float ji_mae, float ji_ato, float teki_mae,
              float teki_ato) {
    const int n = g.kifu_genzai;
    if (!範囲内(n)) return false;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) h.kifu_ban[n][x][y] = g.ban[x][y];
    }
    for (int k = 1; k <= 7; ++k) {
        h.kifu_mochi_ji[n][k] = g.mochi_ji[k];
        h.kifu_mochi_teki[n][k] = g.mochi_teki[k];
    }
    h.kifu_ji_mae[n] = ji_mae;
    h.kifu_ji_ato[n] = ji_ato;
    h.kifu_teki_mae[n] = teki_mae;
    h.kifu_teki_ato[n] = teki_ato;
    h.kifu_saishu = n;
    return true;
}

void 初期設定_棋譜(const GameState& g, History& h) {
    // Square (0, 0) always holds KARA; it stands in for the captured-square value.
    手順保存(g, h, 0, 0, 0, 0, 0, g.ban[0][0], g.ji_jikan, g.keika_byou + g.ji_jikan, g.teki_jikan,
             g.teki_jikan);
}

int 調査_棋譜満杯(const GameState& g) {
    return g.kifu_genzai >= MAX_KIFU ? FLAG_ON : FLAG_OFF;
}

bool 保存_最新局面(const GameState& g, History& h) {
    const int n = g.kifu_genzai;
    if (!範囲内(n) || n < h.kifu_saishu) return false;
    // n == kifu_saishu: stored already unless something (a resumed game, a
    // handicap) moved the end marker onto an entry that does not hold the board.
    if (n == h.kifu_saishu && 同一局面(g, h, n)) return false;
    return 手順保存(g, h, 0, 0, 0, 0, 0, 0, g.ji_jikan, g.ji_jikan, g.teki_jikan, g.teki_jikan);
}

移動結果 調査_移動結果(const History& h, int n) {
    if (n < 1 || n > MAX_KIFU) return {};
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            const int c = h.kifu_ban[n][x][y];
            if (c != h.kifu_ban[n - 1][x][y] && c != KARA) return {x, y, c};
        }
    }
    return {};
}

void 複写_棋譜から盤(const History& h, int n, GameState& g) {
    if (!範囲内(n)) return;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) g.ban[x][y] = h.kifu_ban[n][x][y];
    }
    for (int k = 1; k <= 7; ++k) {
        g.mochi_ji[k] = h.kifu_mochi_ji[n][k];
        g.mochi_teki[k] = h.kifu_mochi_teki[n][k];
    }
}

}  // namespace murokan
