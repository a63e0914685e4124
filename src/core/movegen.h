// Every legal move and drop of the side to move, in a fixed-size list, and
// playing one of them the way a move is made in the game: 駒移動, then for a
// board move the strike chain, then the turn passes.
#pragma once

#include <cstdint>

#include "core/game_state.h"
#include "core/rules.h"

namespace murokan {

// One move in 駒移動's own terms, the one form every part of the game passes
// a move in: the human's click, the computer's choice, the rules and the
// tools. A drop names its hand in x1 (JI_MOCHI_X the bottom hand,
// TEKI_MOCHI_X the top one) and the kind it drops in y1 (1 歩 … 7 飛), the
// same way for both hands. `piece` is the code before the move (for a drop
// the signed code it will have on the board); the code placed is
// promoted_code(piece) when `promote` is set.
struct Move {
    std::int8_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int16_t piece = KARA;
    bool promote = false;

    // A move from plain coordinates, as the board and the hands hold them.
    static constexpr Move of(int x1, int y1, int x2, int y2, int piece, bool promote) {
        return Move{static_cast<std::int8_t>(x1),     static_cast<std::int8_t>(y1),
                    static_cast<std::int8_t>(x2),     static_cast<std::int8_t>(y2),
                    static_cast<std::int16_t>(piece), promote};
    }
    // A drop of `kind` from the hand whose stand is column `hand_x`, as `piece`.
    static constexpr Move drop(int hand_x, int kind, int x2, int y2, int piece) {
        return of(hand_x, kind, x2, y2, piece, false);
    }
    bool is_drop() const { return x1 == TEKI_MOCHI_X || x1 == JI_MOCHI_X; }
    friend bool operator==(const Move&, const Move&) = default;
};

// Promotion moves a code one step away from zero.
constexpr int promoted_code(int code) {
    return code < 0 ? code - 1 : code + 1;
}

// The code that stands on the destination after the move.
constexpr int placed_code(const Move& m) {
    return m.promote ? promoted_code(m.piece) : m.piece;
}

// Room for every position that can arise: at most 7 kinds x 81 squares of
// drops plus every board move with its promoted twin stays well below this.
struct MoveList {
    static constexpr int kCapacity = 1536;
    Move moves[kCapacity];
    int count = 0;

    void push(const Move& m) {
        if (count < kCapacity) moves[count++] = m;
    }
    const Move* begin() const { return moves; }
    const Move* end() const { return moves + count; }
};

// True when `code` belongs to the side to move: the sign of the code together
// with which side's turn code teban holds.
bool owns_piece(const Position& g, int code);

// True when the side to move is the bottom side (teban = ji_teban); false for
// the top side or when no game runs.
bool bottom_to_move(const Position& g);

// Fills `out` with every legal move and drop of the side to move: board moves
// by sources in column-then-row order, each destination accepted by
// 移動チェック, a promotable move both promoted and (when the piece could still
// move) unpromoted; then drops of each held kind, 歩 first, the two-pawn rule
// judged from the board itself. No side to move gives no moves.
void generate_moves(const Position& g, MoveList& out);

// The board moves of generate_moves alone, in the same order, without the
// drops (which never start a strike chain).
void generate_board_moves(const Position& g, MoveList& out);

// True when `m` is legal for the side to move: a piece of its own (or a held
// kind, from its own hand), 移動チェック, promotion only where 調査_駒成 allows
// it and never refused where the piece could not move again; the two-pawn
// rule judged from the board itself.
bool is_legal_move(const Position& g, const Move& m);

// What playing a move changed, for the caller to show: what 駒移動 did, and
// every step of the strike chain.
struct PlayReport {
    MoveReport move;
    ChainReport chain;  // empty for a drop
};

// Plays `m` without checking it, the way every move of the game is made:
// 駒移動, then for a board move はじき連鎖 struck by the side whose turn code
// is `side` (whether a jammed piece is taken depends on it). The turn is left
// to the caller.
PlayReport play_move(Position& g, const Move& m, int side);

// Plays `m` for the side to move (side = teban), then teban := -teban.
PlayReport play_move(Position& g, const Move& m);

// play_move(g, m) for a caller that reads no report (the search): the same
// position results, and nothing is recorded on the way.
void make_move(Position& g, const Move& m);

}  // namespace murokan
