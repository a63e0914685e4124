// Legal move generation and playing a move, allocation-free.
#include "core/movegen.h"

namespace murokan {

bool owns_piece(const GameState& g, int code) {
    return (g.teban == g.ji_teban && code <= -10) || (g.teban == g.teki_teban && code >= 10);
}

bool bottom_to_move(const GameState& g) {
    return g.teban != TEBAN_NASHI && g.teban == g.ji_teban;
}

namespace {

bool top_to_move(const GameState& g) {
    return g.teban != TEBAN_NASHI && g.teban != g.ji_teban && g.teban == g.teki_teban;
}

Move make(int x1, int y1, int x2, int y2, int piece, bool promote) {
    return Move{static_cast<std::int8_t>(x1),     static_cast<std::int8_t>(y1),
                static_cast<std::int8_t>(x2),     static_cast<std::int8_t>(y2),
                static_cast<std::int16_t>(piece), promote};
}

void board_moves(GameState& g, MoveList& out) {
    for (int x1 = 1; x1 <= BAN_SIZE; ++x1) {
        for (int y1 = 1; y1 <= BAN_SIZE; ++y1) {
            const int code = g.ban[x1][y1];
            if (!owns_piece(g, code)) continue;
            for (int x2 = 1; x2 <= BAN_SIZE; ++x2) {
                for (int y2 = 1; y2 <= BAN_SIZE; ++y2) {
                    if (移動チェック(g, x1, y1, x2, y2, code) != FLAG_ON) continue;
                    const bool may_promote = 調査_駒成(g, x1, y1, x2, y2, code) == FLAG_ON;
                    if (may_promote) out.push(make(x1, y1, x2, y2, code, true));
                    if (移動後チェック(y2, code) == FLAG_ON) {
                        out.push(make(x1, y1, x2, y2, code, false));
                    }
                }
            }
        }
    }
}

void drops(GameState& g, MoveList& out) {
    const bool bottom = bottom_to_move(g);
    const int* hand = bottom ? g.mochi_ji : g.mochi_teki;
    調査_2歩フラグ設定(g);
    for (int kind = 1; kind <= 7; ++kind) {
        if (hand[kind] <= 0) continue;
        const int x1 = bottom ? JI_MOCHI_X : TEKI_MOCHI_X;
        const int y1 = bottom ? kind + 2 : kind;
        const int code = bottom ? -10 * kind : 10 * kind;
        for (int x2 = 1; x2 <= BAN_SIZE; ++x2) {
            for (int y2 = 1; y2 <= BAN_SIZE; ++y2) {
                if (移動チェック(g, x1, y1, x2, y2, code) == FLAG_ON) {
                    out.push(make(x1, y1, x2, y2, code, false));
                }
            }
        }
    }
}

bool legal_drop(GameState& g, const Move& m) {
    const bool bottom = bottom_to_move(g);
    if (!bottom && !top_to_move(g)) return false;
    if (m.x1 != (bottom ? JI_MOCHI_X : TEKI_MOCHI_X) || m.promote) return false;
    const int kind = bottom ? m.y1 - 2 : m.y1;
    if (kind < 1 || kind > 7) return false;
    if (m.piece != (bottom ? -10 * kind : 10 * kind)) return false;
    if ((bottom ? g.mochi_ji : g.mochi_teki)[kind] <= 0) return false;
    調査_2歩フラグ設定(g);
    return 移動チェック(g, m.x1, m.y1, m.x2, m.y2, m.piece) == FLAG_ON;
}

}  // namespace

void generate_moves(GameState& g, MoveList& out) {
    out.count = 0;
    if (!bottom_to_move(g) && !top_to_move(g)) return;
    board_moves(g, out);
    drops(g, out);
}

bool is_legal_move(GameState& g, const Move& m) {
    if (m.is_drop()) return legal_drop(g, m);
    if (m.x1 < 1 || m.x1 > BAN_SIZE || m.y1 < 1 || m.y1 > BAN_SIZE) return false;
    const int code = g.ban[m.x1][m.y1];
    if (code != m.piece || !owns_piece(g, code)) return false;
    if (移動チェック(g, m.x1, m.y1, m.x2, m.y2, code) != FLAG_ON) return false;
    if (m.promote) return 調査_駒成(g, m.x1, m.y1, m.x2, m.y2, code) == FLAG_ON;
    return 移動後チェック(m.y2, code) == FLAG_ON;
}

PlayReport play_move(GameState& g, const Move& m, int side) {
    PlayReport r;
    r.move = 駒移動(g, m.x1, m.y1, m.x2, m.y2, placed_code(m));
    if (!m.is_drop()) {
        const 方向 d = 取得_進行方向(m.x1, m.y1, m.x2, m.y2);
        r.chain = はじき連鎖(g, side, m.x2, m.y2, d);
    }
    return r;
}

PlayReport play_move(GameState& g, const Move& m) {
    const PlayReport r = play_move(g, m, g.teban);
    g.teban = -g.teban;
    return r;
}

}  // namespace murokan
