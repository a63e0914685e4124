// The evaluation of the searching levels (LEVEL4, LEVEL5). A sum of terms,
// each counted for the top side and against the bottom side, then seen from
// the side to move:
//
// - Material on the board, plain and promoted values per kind. Pieces are
//   taken by sandwiching, not by moving onto them, so a piece is worth what
//   it can block, strike and threaten rather than what it attacks.
// - Material in hand (hand_percent of the board value): a drop may go to any
//   empty square, but a piece kept in hand jams and strikes nothing.
// - King openness: each empty neighbour of a king from which a piece moving
//   towards the king would find it jammed (by a piece or the edge). A king is
//   taken only by such a strike, so these are the doors into it.
// - King threats: doors the enemy can strike through this very move. The
//   search wins at once when the side to move has one, so here they only
//   count against the side to move: a defence is owed.
// - King tropism: pieces next to or two squares from the enemy king. A king
//   that hides among its own pieces is only taken by pieces brought close.
// - King attack and mobility (optional, from the influence maps of 勢力調査):
//   enemy pieces reaching the king's neighbours, squares each side reaches.
// - Contempt (read by the search, not summed here): what a line that comes
//   back to an earlier position costs the searching side.
//
// Matches against BASELINE2 and against the searcher itself chose the
// weights. Hands at 95% with tropism 8 won 11 and drew 13 of 24 games at
// 100,000 nodes a move, where hands at 115% without tropism won 3 and drew 11
// of 14; tropism 16 or hands at 80% won less. Doubling the king weights, and
// the two optional terms (which cost a survey per position), changed nothing
// measurable in 40 games each, so those terms stay off.
#include "ai/engine_eval.h"

#include <string>

#include "core/move_line.h"
#include "core/move_patterns.h"
#include "core/movegen.h"
#include "core/rules.h"

namespace murokan {

namespace {

struct KingDoors {
    int open = 0;
    int threats = 0;
};

// Doors of the king on (kx, ky): for each direction of travel (dx, dy) the
// striker would need, the king jammed beyond and the near neighbour empty.
// A threat is an enemy (sign `enemy`) able to move onto that neighbour
// travelling along (dx, dy): the first piece behind it on the line, or a
// knight whose jump has that diagonal as its direction.
KingDoors king_doors(const Position& g, int kx, int ky, int enemy) {
    KingDoors d;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            const int bx = kx + dx, by = ky + dy;
            if (on_board(bx, by) && g.ban[bx][by] == KARA) continue;
            const int ax = kx - dx, ay = ky - dy;
            if (!on_board(ax, ay) || g.ban[ax][ay] != KARA) continue;
            d.open += 1;
            int sx = ax - dx, sy = ay - dy;
            while (on_board(sx, sy) && g.ban[sx][sy] == KARA) {
                sx -= dx;
                sy -= dy;
            }
            bool threat = on_board(sx, sy) && g.ban[sx][sy] * enemy > 0 &&
                          移動チェック(g, sx, sy, ax, ay, g.ban[sx][sy]) == FLAG_ON;
            if (!threat && dx != 0 && dy != 0) {
                const int nx = ax - dx, ny = ay - 2 * dy;
                threat = on_board(nx, ny) && g.ban[nx][ny] == KEI * enemy &&
                         移動チェック(g, nx, ny, ax, ay, g.ban[nx][ny]) == FLAG_ON;
            }
            d.threats += threat;
        }
    }
    return d;
}

// The squares within two steps of each square (itself left out), and how far
// (1 or 2, the larger of the column and row distances) each lies.
struct Neighbourhood {
    Squares near[81] = {};
    std::int8_t distance[81][81] = {};
};

constexpr Neighbourhood make_neighbourhood() {
    Neighbourhood n;
    for (int i = 0; i < 81; ++i) {
        for (int j = 0; j < 81; ++j) {
            const int dx = square_x(i) - square_x(j), dy = square_y(i) - square_y(j);
            const int ax = dx < 0 ? -dx : dx, ay = dy < 0 ? -dy : dy;
            const int far = ax > ay ? ax : ay;
            n.distance[i][j] = static_cast<std::int8_t>(far);
            if (far >= 1 && far <= 2) n.near[i] |= square_bit(j);
        }
    }
    return n;
}

constexpr Neighbourhood kNeighbourhood = make_neighbourhood();

// Pieces gathered round the enemy king, top side's view: 2 for each piece
// next to it, 1 for each two squares away. Only the pieces within two of a
// king can count, so only those are looked at.
int tropism(const Position& g, const BoardSummary& s) {
    int t = 0;
    // Top pieces round the bottom king count for the top side, bottom pieces
    // round the top king against it.
    const auto near_king = [&](int kx, int ky, Squares pieces, int sign) {
        const int king = square_index(kx, ky);
        for (Squares near = pieces & kNeighbourhood.near[king]; near != 0; near &= near - 1) {
            const int i = lowest_square(near);
            const int c = g.ban[square_x(i)][square_y(i)];
            if (c == OU || c == -OU) continue;
            t += sign * (3 - kNeighbourhood.distance[king][i]);
        }
    };
    near_king(s.bx, s.by, s.top_pieces, 1);
    near_king(s.tx, s.ty, s.bottom_pieces, -1);
    return t;
}

}  // namespace

bool EvalWeights::set(const char* name, int value) {
    const std::string n = name;
    for (int k = 1; k <= 7; ++k) {
        if (n == "board" + std::to_string(k)) return board[k] = value, true;
        if (n == "promoted" + std::to_string(k)) return promoted[k] = value, true;
    }
    if (n == "hand_percent") return hand_percent = value, true;
    if (n == "king_open") return king_open = value, true;
    if (n == "king_threat") return king_threat = value, true;
    if (n == "king_tropism") return king_tropism = value, true;
    if (n == "king_attack") return king_attack = value, true;
    if (n == "mobility") return mobility = value, true;
    return false;
}

int king_strikes(const Position& g, int king_code) {
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            if (g.ban[x][y] == king_code)
                return king_doors(g, x, y, king_code > 0 ? -1 : 1).threats;
        }
    }
    return 0;
}

int king_strikes(const Position& g, const BoardSummary& s, int king_code) {
    const bool top = king_code == OU;
    // king_strikes reads the first of several kings; one king is the same.
    if ((top ? s.top_kings : s.bottom_kings) != 1) return king_strikes(g, king_code);
    return king_doors(g, top ? s.tx : s.bx, top ? s.ty : s.by, top ? -1 : 1).threats;
}

namespace {

// A code's value from the weights: plain or promoted by its last digit, 0 for
// the king, the empty square and anything else.
int value_of(const EvalWeights& w, int c) {
    const int a = c < 0 ? -c : c;
    const int kind = a / 10;
    if (kind < 1 || kind > 7) return 0;
    const int v = a % 10 ? w.promoted[kind] : w.board[kind];
    return c > 0 ? v : -v;
}

}  // namespace

Evaluator::Evaluator(const EvalWeights& w) : w_(w) {
    for (int c = -kCodeOffset; c <= kCodeOffset; ++c) value_[c + kCodeOffset] = value_of(w_, c);
}

int Evaluator::piece_value(int code) const {
    const unsigned i = static_cast<unsigned>(code + kCodeOffset);
    return i <= 2 * kCodeOffset ? value_[i] : value_of(w_, code);
}

int Evaluator::material(const Position& g) const {
    int s = 0;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) s += piece_value(g.ban[x][y]);
    }
    for (int k = 1; k <= 7; ++k) {
        s += (g.mochi_teki[k] - g.mochi_ji[k]) * w_.board[k] * w_.hand_percent / 100;
    }
    return bottom_to_move(g) ? -s : s;
}

BoardSummary Evaluator::summarize(const Position& g) const {
    BoardSummary s;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            // No test for the empty square (its value is 0): on a board
            // of scattered pieces that branch is a coin toss.
            const int c = g.ban[x][y];
            if (c == OU) s.tx = x, s.ty = y, ++s.top_kings;
            if (c == -OU) s.bx = x, s.by = y, ++s.bottom_kings;
            s.material += piece_value(c);
            if (c > 0) s.top_pieces |= square_bit(square_index(x, y));
            if (c < 0) s.bottom_pieces |= square_bit(square_index(x, y));
        }
    }
    return s;
}

BoardSummary Evaluator::summarize_after(const BoardSummary& s, const Position& before,
                                        const Position& after, const Move& m) const {
    BoardSummary r = s;
    bool top_moved = false, bottom_moved = false;  // a king left or reached a square
    bool top_placed = false, bottom_placed = false;
    for_each_square_a_move_changes(m, [&](int x, int y) {
        const int b = before.ban[x][y], a = after.ban[x][y];
        if (a == b) return;
        r.material += piece_value(a) - piece_value(b);
        const Squares bit = square_bit(square_index(x, y));
        r.top_pieces &= ~bit;
        r.bottom_pieces &= ~bit;
        if (a > 0) r.top_pieces |= bit;
        if (a < 0) r.bottom_pieces |= bit;
        if (b == OU) --r.top_kings, top_moved = true;
        if (b == -OU) --r.bottom_kings, bottom_moved = true;
        if (a == OU) ++r.top_kings, r.tx = x, r.ty = y, top_moved = top_placed = true;
        if (a == -OU) ++r.bottom_kings, r.bx = x, r.by = y, bottom_moved = bottom_placed = true;
    });
    // A king gone, or one of several moved: which square is the last in
    // column-then-row order takes a look at the whole board.
    if ((top_moved && !(top_placed && r.top_kings == 1)) ||
        (bottom_moved && !(bottom_placed && r.bottom_kings == 1))) {
        return summarize(after);
    }
    return r;
}

int Evaluator::evaluate(const Position& g, const BoardSummary& sum, int* enemy_strikes) {
    const bool bottom = bottom_to_move(g);
    const int board_sum = sum.material;
    const int tx = sum.tx, ty = sum.ty, bx = sum.bx, by = sum.by;
    const int top_kings = sum.top_kings, bottom_kings = sum.bottom_kings;
    int in_hand = 0;
    for (int k = 1; k <= 7; ++k) {
        in_hand += (g.mochi_teki[k] - g.mochi_ji[k]) * w_.board[k] * w_.hand_percent / 100;
    }
    const int s = bottom ? -(board_sum + in_hand) : board_sum + in_hand;  // side to move's view
    int top = 0;  // the king and influence terms, top side's view
    int strikes = 0;  // on the enemy king of the side to move, when it is alone
    if (tx != 0) {
        const KingDoors d = king_doors(g, tx, ty, -1);
        top -= d.open * w_.king_open + (bottom ? 0 : d.threats * w_.king_threat);
        if (bottom) strikes = d.threats;
    }
    if (bx != 0) {
        const KingDoors d = king_doors(g, bx, by, 1);
        top += d.open * w_.king_open + (bottom ? d.threats * w_.king_threat : 0);
        if (!bottom) strikes = d.threats;
    }
    if (enemy_strikes != nullptr) {
        // king_strikes reads the first of several kings; one king is the same.
        const bool alone = (bottom ? top_kings : bottom_kings) == 1;
        *enemy_strikes = alone ? strikes : king_strikes(g, bottom ? OU : -OU);
    }
    if (w_.king_tropism != 0 && tx != 0 && bx != 0) top += tropism(g, sum) * w_.king_tropism;
    if (w_.king_attack != 0 || w_.mobility != 0) {
        Position surveyed = g;  // the survey records the kings' squares in it
        勢力調査(surveyed, maps_);
        int reach = 0;
        for (int x = 1; x <= BAN_SIZE; ++x) {
            for (int y = 1; y <= BAN_SIZE; ++y)
                reach += maps_.kiki_teki[x][y] - maps_.kiki_ji[x][y];
        }
        top += reach * w_.mobility;
        int near_top = 0, near_bottom = 0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                if (tx != 0 && on_board(tx + dx, ty + dy))
                    near_top += maps_.kiki_ji[tx + dx][ty + dy];
                if (bx != 0 && on_board(bx + dx, by + dy)) {
                    near_bottom += maps_.kiki_teki[bx + dx][by + dy];
                }
            }
        }
        top += (near_bottom - near_top) * w_.king_attack;
    }
    return s + (bottom ? -top : top);
}

}  // namespace murokan
