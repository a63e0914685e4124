// The searching levels' evaluation and the king-strike test both the
// evaluation and the search rely on. Scores are from the side to move's view,
// in hundredths of a pawn-ish unit; see engine_eval.cpp for the terms.
#pragma once

#include <cstdint>

#include "ai/maps.h"
#include "core/movegen.h"
#include "core/position.h"
#include "core/squares.h"

namespace murokan {

// The weights of the terms, by name so that the match tool can vary them.
struct EvalWeights {
    // Values of a piece on the board, by |code| / 10 (1 歩 … 7 飛), plain and promoted.
    int board[8] = {0, 100, 300, 380, 500, 560, 750, 900};
    int promoted[8] = {0, 520, 500, 500, 540, 0, 1000, 1150};
    // A piece in hand is worth its board value times hand_percent / 100.
    int hand_percent = 95;
    // Per open side of a king: an empty neighbour from which a piece striking
    // towards the king would find it jammed.
    int king_open = 12;
    // Per such side that an enemy piece can strike this very move.
    int king_threat = 150;
    // Per piece near the enemy king: 2 when next to it, 1 two squares away.
    int king_tropism = 8;
    // Per enemy piece reaching a square next to the king, from the influence
    // maps (0 leaves the survey out).
    int king_attack = 0;
    // Per square the side's pieces may move to (0 leaves it out).
    int mobility = 0;
    // Sets the weight called `name` (board1..7, promoted1..7, hand_percent,
    // king_open, king_threat, king_tropism, king_attack, mobility); false for an
    // unknown name.
    bool set(const char* name, int value);
};

// Mate scores: a king taken at ply p scores kMate - p for the winner.
inline constexpr int kMate = 30000;
inline constexpr int kMateBound = kMate - 1000;  // scores beyond this are mates

// Number of sides from which the side whose king is `king_code` (OU or -OU)
// can be struck by a board move of the other side made right now: a piece
// moving onto an empty neighbour of the king, travelling towards it, with the
// king jammed behind (by a piece or the edge). Such a move takes the king.
int king_strikes(const Position& g, int king_code);

// What the evaluation reads of the whole board: the material standing on it
// and where the kings are. The search keeps it move by move, so that a
// position is scored without a pass over all 81 squares.
struct BoardSummary {
    int material = 0;  // the board pieces' values, top side's view
    // Each side's king: its square (0, 0 without one; with several, the last
    // in column-then-row order) and how many stand.
    int tx = 0, ty = 0, bx = 0, by = 0;
    int top_kings = 0, bottom_kings = 0;
    Squares top_pieces = 0, bottom_pieces = 0;  // the squares of each side's pieces
    friend bool operator==(const BoardSummary&, const BoardSummary&) = default;
};

// king_strikes, with `s` the summary of g.
int king_strikes(const Position& g, const BoardSummary& s, int king_code);

// The evaluation with its scratch maps; one per searcher, allocation-free.
class Evaluator {
  public:
    explicit Evaluator(const EvalWeights& w = {});

    // The score of g for the side to move (g.teban). With `enemy_strikes`,
    // also king_strikes of the enemy king of the side to move, which the
    // score works out on its way.
    int evaluate(const Position& g, int* enemy_strikes = nullptr) {
        return evaluate(g, summarize(g), enemy_strikes);
    }
    // The same score, with `s` the summary of g.
    int evaluate(const Position& g, const BoardSummary& s, int* enemy_strikes = nullptr);
    // The summary of g, from every square.
    BoardSummary summarize(const Position& g) const;
    // The summary of `after`, which is `before` (summary `s`) with `m` made,
    // from the squares the move can change.
    BoardSummary summarize_after(const BoardSummary& s, const Position& before,
                                 const Position& after, const Move& m) const;
    // Material alone (board and hands), for the side to move.
    int material(const Position& g) const;

    const EvalWeights& weights() const { return w_; }

  private:
    // The board value of a code, top side's view, by code + kCodeOffset.
    static constexpr int kCodeOffset = 81;
    int piece_value(int code) const;

    EvalWeights w_;
    int value_[2 * kCodeOffset + 1];
    InfluenceMaps maps_;
};

}  // namespace murokan
