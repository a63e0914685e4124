// Legal move generation and playing a move, allocation-free.
#include "core/movegen.h"

#include <cstdint>

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

// A set of board squares, one bit per square at (x - 1) * 9 + (y - 1), so
// that ascending bits run column by column and row by row within a column:
// the order in which 移動チェック's callers have always tried destinations.
using Squares = unsigned __int128;

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

struct Offset {
    std::int8_t dx, dy;  // dy counted forward: +1 is one row towards the enemy
};

// How each kind moves, forward as the piece's own side sees it.
struct Pattern {
    const Offset* steps;
    int step_count;
    const Offset* rays;
    int ray_count;
};

constexpr Offset kPawn[] = {{0, 1}};
constexpr Offset kKnight[] = {{-1, 2}, {1, 2}};
constexpr Offset kSilver[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Offset kGold[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}};
constexpr Offset kDiagonal[] = {{-1, 1}, {1, 1}, {-1, -1}, {1, -1}};
constexpr Offset kStraight[] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
constexpr Offset kKing[] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}};

// The pattern of a code's kind; no steps and no rays for codes that never move.
Pattern pattern_of(int code) {
    switch (code < 0 ? -code : code) {
        case HU:
            return {kPawn, 1, nullptr, 0};
        case KYOU:
            return {nullptr, 0, kPawn, 1};
        case KEI:
            return {kKnight, 2, nullptr, 0};
        case GIN:
            return {kSilver, 5, nullptr, 0};
        case KIN:
        case HU_NARI:
        case KYOU_NARI:
        case KEI_NARI:
        case GIN_NARI:
            return {kGold, 6, nullptr, 0};
        case KAKU:
            return {nullptr, 0, kDiagonal, 4};
        case KAKU_NARI:
            return {kStraight, 4, kDiagonal, 4};
        case SYA:
            return {nullptr, 0, kStraight, 4};
        case SYA_NARI:
            return {kDiagonal, 4, kStraight, 4};
        case OU:
            return {kKing, 8, nullptr, 0};
        default:
            return {nullptr, 0, nullptr, 0};
    }
}

// The empty squares the piece `code` on (x, y) may move to.
Squares destinations(const Position& g, int x, int y, int code) {
    const int forward = code > 0 ? 1 : -1;
    const Pattern p = pattern_of(code);
    Squares to = 0;
    for (int i = 0; i < p.step_count; ++i) {
        const int tx = x + p.steps[i].dx;
        const int ty = y + p.steps[i].dy * forward;
        if (on_board(tx, ty) && g.ban[tx][ty] == KARA) to |= bit(tx, ty);
    }
    for (int i = 0; i < p.ray_count; ++i) {
        const int dx = p.rays[i].dx;
        const int dy = p.rays[i].dy * forward;
        for (int tx = x + dx, ty = y + dy; on_board(tx, ty) && g.ban[tx][ty] == KARA;
             tx += dx, ty += dy) {
            to |= bit(tx, ty);
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

// For each code, whether the rules ever let it promote or ever forbid it to
// stay unpromoted, asked of 調査_駒成 and 移動後チェック once: most pieces do
// neither, and their moves need no further question.
struct PromotionCodes {
    static constexpr int kOffset = 81;
    bool asks[2 * kOffset + 1] = {};

    PromotionCodes() {
        const Position empty;
        for (int code = -kOffset; code <= kOffset; ++code) {
            for (int y1 = 1; y1 <= BAN_SIZE; ++y1) {
                for (int y2 = 1; y2 <= BAN_SIZE; ++y2) {
                    int nari = 0;
                    if (調査_駒成(empty, 1, y1, 1, y2, code, nari) == FLAG_ON ||
                        移動後チェック(y2, code) == FLAG_OFF) {
                        asks[code + kOffset] = true;
                    }
                }
            }
        }
    }

    // True unless `code` always moves unpromoted and may stop anywhere.
    bool ask(int code) const {
        const unsigned i = static_cast<unsigned>(code + kOffset);
        return i > 2 * kOffset || asks[i];
    }
};

// Which columns hold an unpromoted pawn of each side, as the two-pawn flags
// would say for the board as it stands.
struct PawnColumns {
    bool bottom[10] = {};
    bool top[10] = {};
};

// Board moves in the order sources (column, then row), destinations (column,
// then row), the promoted form before the plain one. Also gathers the empty
// squares and the pawn columns from the same scan, for the drops.
Squares board_moves(const Position& g, MoveList& out, PawnColumns& pawns) {
    static const PromotionCodes promotion;
    Squares empty = 0;
    for (int x1 = 1; x1 <= BAN_SIZE; ++x1) {
        for (int y1 = 1; y1 <= BAN_SIZE; ++y1) {
            const int code = g.ban[x1][y1];
            if (code == KARA) {
                empty |= bit(x1, y1);
                continue;
            }
            if (code == -HU) pawns.bottom[x1] = true;
            if (code == HU) pawns.top[x1] = true;
            if (!owns_piece(g, code)) continue;
            if (!promotion.ask(code)) {
                for_each_square(destinations(g, x1, y1, code), [&](int x2, int y2) {
                    out.push(make(x1, y1, x2, y2, code, false));
                });
                continue;
            }
            for_each_square(destinations(g, x1, y1, code), [&](int x2, int y2) {
                int nari = 0;
                if (調査_駒成(g, x1, y1, x2, y2, code, nari) == FLAG_ON) {
                    out.push(make(x1, y1, x2, y2, code, true));
                }
                if (移動後チェック(y2, code) == FLAG_ON)
                    out.push(make(x1, y1, x2, y2, code, false));
            });
        }
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
    const Squares empty = board_moves(g, out, pawns);
    drops(g, empty, pawns, out);
}

void generate_board_moves(const Position& g, MoveList& out) {
    out.count = 0;
    if (!bottom_to_move(g) && !top_to_move(g)) return;
    PawnColumns pawns;
    board_moves(g, out, pawns);
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
