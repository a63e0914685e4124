// Legal move generation and playing a move, allocation-free.
#include "core/movegen.h"

#include <cstdint>

#include "core/move_patterns.h"

namespace murokan {

bool owns_piece(const Position& g, int code) {
    return (g.teban == g.ji_teban && code <= -10) || (g.teban == g.teki_teban && code >= 10);
}

bool bottom_to_move(const Position& g) {
    return g.teban != TEBAN_NASHI && g.teban == g.ji_teban;
}

namespace {

bool top_to_move(const Position& g) {
    return g.teban != TEBAN_NASHI && g.teban != g.ji_teban && g.teban == g.teki_teban;
}

Move make(int x1, int y1, int x2, int y2, int piece, bool promote) {
    return Move{static_cast<std::int8_t>(x1),     static_cast<std::int8_t>(y1),
                static_cast<std::int8_t>(x2),     static_cast<std::int8_t>(y2),
                static_cast<std::int16_t>(piece), promote};
}

// Sets of squares (core/squares.h) run column by column and row by row within
// a column in ascending bits: the order in which 移動チェック's callers have
// always tried destinations.
constexpr Squares bit(int x, int y) {
    return Squares{1} << ((x - 1) * 9 + (y - 1));
}

constexpr Squares row_set(int y) {
    Squares s = 0;
    for (int x = 1; x <= BAN_SIZE; ++x) s |= bit(x, y);
    return s;
}

constexpr Squares column_set(int x) {
    Squares s = 0;
    for (int y = 1; y <= BAN_SIZE; ++y) s |= bit(x, y);
    return s;
}

// The empty squares the piece `code` on square number i (patterns'
// numbering) may move to, for a piece with long moves.
Squares reach(const Position& g, int i, int code) {
    using patterns::kTables;
    const patterns::Kind k = patterns::kind_of(code);
    const int side = code > 0 ? 1 : 0;
    Squares to = 0;
    const patterns::SquareList& steps = kTables.steps[k][side][i];
    for (int j = 0; j < steps.count; ++j) {
        const int s = steps.at[j];
        if (g.ban[patterns::x_of(s)][patterns::y_of(s)] == KARA) to |= Squares{1} << s;
    }
    for (int r = 0; r < kTables.ray_count[k][side]; ++r) {
        const patterns::SquareList& line = kTables.line[kTables.rays[k][side][r]][i];
        for (int j = 0; j < line.count; ++j) {
            const int s = line.at[j];
            if (g.ban[patterns::x_of(s)][patterns::y_of(s)] != KARA) break;
            to |= Squares{1} << s;
        }
    }
    return to;
}

// Calls f(x, y) for each square of `s`, in ascending bit order.
template <typename F>
void for_each_square(Squares s, F&& f) {
    while (s != 0) {
        const auto lo = static_cast<std::uint64_t>(s);
        const int i = lo != 0 ? __builtin_ctzll(lo)
                              : 64 + __builtin_ctzll(static_cast<std::uint64_t>(s >> 64));
        s &= s - 1;
        f(i / 9 + 1, i % 9 + 1);
    }
}

// For each code and pair of rows, what 調査_駒成 and 移動後チェック say of a
// board move, asked once: whether the move may promote, and whether it may
// stay unpromoted. Most pieces always stay and may stop anywhere; their moves
// need no further question.
struct PromotionCodes {
    static constexpr int kOffset = 81;
    static constexpr std::uint8_t kMayPromote = 1, kMayStay = 2;
    bool asks[2 * kOffset + 1] = {};
    std::uint8_t forms[2 * kOffset + 1][BAN_SIZE][BAN_SIZE] = {};  // [code][y1 - 1][y2 - 1]

    PromotionCodes() {
        const Position empty;
        for (int code = -kOffset; code <= kOffset; ++code) {
            for (int y1 = 1; y1 <= BAN_SIZE; ++y1) {
                for (int y2 = 1; y2 <= BAN_SIZE; ++y2) {
                    int nari = 0;
                    const bool promote = 調査_駒成(empty, 1, y1, 1, y2, code, nari) == FLAG_ON;
                    const bool stay = 移動後チェック(y2, code) == FLAG_ON;
                    forms[code + kOffset][y1 - 1][y2 - 1] =
                        (promote ? kMayPromote : 0) | (stay ? kMayStay : 0);
                    if (promote || !stay) asks[code + kOffset] = true;
                }
            }
        }
    }

    // True unless `code` always moves unpromoted and may stop anywhere.
    bool ask(int code) const {
        const unsigned i = static_cast<unsigned>(code + kOffset);
        return i > 2 * kOffset || asks[i];
    }
    // The forms of a move of `code`, which ask(code) says is asked about.
    std::uint8_t forms_of(int code, int y1, int y2) const {
        return forms[code + kOffset][y1 - 1][y2 - 1];
    }
};

// Which columns hold an unpromoted pawn of each side, as the two-pawn flags
// would say for the board as it stands.
struct PawnColumns {
    bool bottom[10] = {};
    bool top[10] = {};
};

// Board moves in the order sources (column, then row), destinations (column,
// then row), the promoted form before the plain one. With kForDrops, also
// gathers the empty squares and the pawn columns from the same scan, for the
// drops (0 and nothing otherwise).
template <bool kForDrops>
Squares board_moves(const Position& g, MoveList& out, PawnColumns& pawns) {
    static const PromotionCodes promotion;
    // owns_piece, with the turn codes compared once.
    const bool bottom_owns = g.teban == g.ji_teban, top_owns = g.teban == g.teki_teban;
    Squares empty = 0;
    for (int x1 = 1; x1 <= BAN_SIZE; ++x1) {
        std::uint32_t empty_rows = 0;  // this column's part of `empty`, bit y1 - 1
        for (int y1 = 1; y1 <= BAN_SIZE; ++y1) {
            const int code = g.ban[x1][y1];
            const int i = patterns::index_of(x1, y1);
            if (code == KARA) {
                if (kForDrops) empty_rows |= 1u << (y1 - 1);
                continue;
            }
            if (kForDrops && code == -HU) pawns.bottom[x1] = true;
            if (kForDrops && code == HU) pawns.top[x1] = true;
            if (!((bottom_owns && code <= -10) || (top_owns && code >= 10))) continue;
            const bool asks = promotion.ask(code);
            const auto add = [&](int x2, int y2) {
                if (!asks) {
                    out.push(make(x1, y1, x2, y2, code, false));
                    return;
                }
                // A code outside the table never moves, so it is never asked about here.
                const std::uint8_t forms = promotion.forms_of(code, y1, y2);
                if (forms & PromotionCodes::kMayPromote) out.push(make(x1, y1, x2, y2, code, true));
                if (forms & PromotionCodes::kMayStay) out.push(make(x1, y1, x2, y2, code, false));
            };
            const patterns::Kind k = patterns::kind_of(code);
            const int side = code > 0 ? 1 : 0;
            if (patterns::kTables.ray_count[k][side] != 0) {
                for_each_square(reach(g, i, code), add);
                continue;
            }
            // Single steps alone: the table lists them in destination order.
            const patterns::SquareList& steps = patterns::kTables.steps[k][side][i];
            for (int j = 0; j < steps.count; ++j) {
                const int x2 = patterns::x_of(steps.at[j]), y2 = patterns::y_of(steps.at[j]);
                if (g.ban[x2][y2] == KARA) add(x2, y2);
            }
        }
        if (kForDrops) empty |= Squares{empty_rows} << patterns::index_of(x1, 1);
    }
    return empty;
}

// The empty squares where a drop of `code` is allowed: no second unpromoted
// pawn of a side on a column, no pawn or lance on the last row, no knight on
// the last two rows.
Squares drop_squares(const PawnColumns& pawns, Squares empty, int code) {
    const bool top = code > 0;
    const int last = top ? 9 : 1;
    const int second_last = top ? 8 : 2;
    switch (code < 0 ? -code : code) {
        case HU: {
            const bool* pawn = top ? pawns.top : pawns.bottom;
            for (int x = 1; x <= BAN_SIZE; ++x) {
                if (pawn[x]) empty &= ~column_set(x);
            }
            return empty & ~row_set(last);
        }
        case KYOU:
            return empty & ~row_set(last);
        case KEI:
            return empty & ~row_set(last) & ~row_set(second_last);
        default:
            return empty;
    }
}

void drops(const Position& g, Squares empty, const PawnColumns& pawns, MoveList& out) {
    const bool bottom = bottom_to_move(g);
    const int* hand = bottom ? g.mochi_ji : g.mochi_teki;
    for (int kind = 1; kind <= 7; ++kind) {
        if (hand[kind] <= 0) continue;
        const int x1 = bottom ? JI_MOCHI_X : TEKI_MOCHI_X;
        const int code = bottom ? -10 * kind : 10 * kind;
        for_each_square(drop_squares(pawns, empty, code),
                        [&](int x2, int y2) { out.push(Move::drop(x1, kind, x2, y2, code)); });
    }
}

// Judged on a copy whose two-pawn flags are fresh, so that the caller's
// position is only read.
bool legal_drop(const Position& g, const Move& m) {
    const bool bottom = bottom_to_move(g);
    if (!bottom && !top_to_move(g)) return false;
    if (m.x1 != (bottom ? JI_MOCHI_X : TEKI_MOCHI_X) || m.promote) return false;
    const int kind = m.y1;
    if (kind < 1 || kind > 7) return false;
    if (m.piece != (bottom ? -10 * kind : 10 * kind)) return false;
    if ((bottom ? g.mochi_ji : g.mochi_teki)[kind] <= 0) return false;
    Position fresh = g;
    調査_2歩フラグ設定(fresh);
    return 移動チェック(fresh, m.x1, m.y1, m.x2, m.y2, m.piece) == FLAG_ON;
}

}  // namespace

void generate_moves(const Position& g, MoveList& out) {
    out.count = 0;
    if (!bottom_to_move(g) && !top_to_move(g)) return;
    PawnColumns pawns;
    const Squares empty = board_moves<true>(g, out, pawns);
    drops(g, empty, pawns, out);
}

void generate_board_moves(const Position& g, MoveList& out) {
    out.count = 0;
    if (!bottom_to_move(g) && !top_to_move(g)) return;
    PawnColumns pawns;
    board_moves<false>(g, out, pawns);
}

bool is_legal_move(const Position& g, const Move& m) {
    if (m.is_drop()) return legal_drop(g, m);
    if (m.x1 < 1 || m.x1 > BAN_SIZE || m.y1 < 1 || m.y1 > BAN_SIZE) return false;
    const int code = g.ban[m.x1][m.y1];
    if (code != m.piece || !owns_piece(g, code)) return false;
    if (移動チェック(g, m.x1, m.y1, m.x2, m.y2, code) != FLAG_ON) return false;
    int nari = 0;
    if (m.promote) return 調査_駒成(g, m.x1, m.y1, m.x2, m.y2, code, nari) == FLAG_ON;
    return 移動後チェック(m.y2, code) == FLAG_ON;
}

PlayReport play_move(Position& g, const Move& m, int side) {
    PlayReport r;
    r.move = 駒移動(g, m.x1, m.y1, m.x2, m.y2, placed_code(m));
    if (!m.is_drop()) {
        const 方向 d = 取得_進行方向(m.x1, m.y1, m.x2, m.y2);
        r.chain = はじき連鎖(g, side, m.x2, m.y2, d);
    }
    return r;
}

PlayReport play_move(Position& g, const Move& m) {
    const PlayReport r = play_move(g, m, g.teban);
    g.teban = -g.teban;
    return r;
}

void make_move(Position& g, const Move& m) {
    駒移動(g, m.x1, m.y1, m.x2, m.y2, placed_code(m));
    if (!m.is_drop()) {
        はじき連鎖_記録なし(g, g.teban, m.x2, m.y2, 取得_進行方向(m.x1, m.y1, m.x2, m.y2));
    }
    g.teban = -g.teban;
}

}  // namespace murokan
