// The history read as moves, and moves written into the history.
#include "record/history_game.h"

#include "core/rules.h"

namespace murokan {

namespace {

// Board and hands of history entry n, the side to move set from `bottom`.
Position entry_position(const History& h, int n, bool bottom) {
    Position p;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) p.ban[x][y] = h.kifu_ban[n][x][y];
    }
    for (int k = 1; k <= 7; ++k) {
        p.mochi_ji[k] = h.kifu_mochi_ji[n][k];
        p.mochi_teki[k] = h.kifu_mochi_teki[n][k];
    }
    p.teban = bottom ? p.ji_teban : p.teki_teban;
    整備_局面(p);
    return p;
}

// The position in view with the sides coded as entry_position codes them.
Position view_position(const GameState& g, bool bottom) {
    Position p = g;
    p.ji_teban = TEBAN_SENTE;
    p.teki_teban = TEBAN_GOTE;
    p.teban = bottom ? TEBAN_SENTE : TEBAN_GOTE;
    整備_局面(p);
    return p;
}

bool same_board_and_hands(const Position& a, const Position& b) {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (a.ban[x][y] != b.ban[x][y]) return false;
        }
    }
    for (int k = 1; k <= 7; ++k) {
        if (a.mochi_ji[k] != b.mochi_ji[k] || a.mochi_teki[k] != b.mochi_teki[k]) return false;
    }
    return true;
}

}  // namespace

bool 調査_連結手(const Position& from, const Position& to, MoveList& list, Move& found) {
    generate_moves(from, list);
    for (const Move& m : list) {
        Position p = from;
        make_move(p, m);
        if (same_board_and_hands(p, to)) {
            found = m;
            return true;
        }
    }
    return false;
}

void 整備_局面(Position& p) {
    p.mochi_ji_kazu = p.mochi_teki_kazu = 0;
    for (int k = 1; k <= 7; ++k) {
        p.mochi_ji_kazu += p.mochi_ji[k];
        p.mochi_teki_kazu += p.mochi_teki[k];
    }
    調査_2歩フラグ設定(p);
    bool ji_ou = false, teki_ou = false;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (p.ban[x][y] == -OU) p.ji_ou_x = x, p.ji_ou_y = y, ji_ou = true;
            if (p.ban[x][y] == OU) p.teki_ou_x = x, p.teki_ou_y = y, teki_ou = true;
        }
    }
    // The side whose king is gone has lost, as a king taken in play ends it.
    p.shuukyoku = !ji_ou ? p.teki_teban : !teki_ou ? p.ji_teban : 0;
}

履歴手順 取得_履歴手順(const History& h, const GameState& g) {
    const int k = g.kifu_genzai < 0 ? 0 : g.kifu_genzai > MAX_KIFU ? MAX_KIFU : g.kifu_genzai;
    const bool bottom_now = g.teban == TEBAN_NASHI ? k % 2 == 0 : g.teban == g.ji_teban;
    const bool bottom_start = bottom_now == (k % 2 == 0);

    履歴手順 game;
    game.start = k == 0 ? view_position(g, bottom_start) : entry_position(h, 0, bottom_start);
    Position at = game.start;
    MoveList list;
    for (int n = 1; n <= k; ++n) {
        const bool bottom = bottom_start == (n % 2 == 0);
        const Position next = n == k ? view_position(g, bottom) : entry_position(h, n, bottom);
        Move m;
        if (!調査_連結手(at, next, list, m)) break;
        game.moves.push_back(m);
        make_move(at, m);
    }
    return game;
}

void 設定_履歴(History& h, const 貼付結果& game) {
    const int n = static_cast<int>(game.positions.size());
    for (int i = 0; i <= n && i <= MAX_KIFU; ++i) {
        const Position& p = i == 0 ? game.start : game.positions[static_cast<size_t>(i - 1)];
        for (int x = 1; x <= BAN_SIZE; ++x) {
            for (int y = 1; y <= BAN_SIZE; ++y) h.kifu_ban[i][x][y] = p.ban[x][y];
        }
        for (int k = 1; k <= 7; ++k) {
            h.kifu_mochi_ji[i][k] = p.mochi_ji[k];
            h.kifu_mochi_teki[i][k] = p.mochi_teki[k];
        }
        h.kifu_ji_mae[i] = h.kifu_ji_ato[i] = h.kifu_teki_mae[i] = h.kifu_teki_ato[i] = 0;
    }
    h.kifu_saishu = n < MAX_KIFU ? n : MAX_KIFU;
}

}  // namespace murokan
