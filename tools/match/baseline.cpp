// BASELINE2: a plain two-ply alpha-beta on material alone, a yardstick that
// knows nothing of this game beyond its rules. Moves whose chain takes an
// enemy piece are tried first; a taken king ends the line.
#include <memory>

#include "core/chain_forecast.h"
#include "match/players.h"

namespace murokan::match {

namespace {

constexpr int kWin = 100000;
// Values by |code| / 10, plain and promoted.
constexpr int kPlain[8] = {0, 1, 3, 4, 5, 6, 8, 10};
constexpr int kPromoted[8] = {0, 6, 6, 6, 6, 0, 11, 12};

// Board and hands, for the side to move.
int material(const GameState& g) {
    int s = 0;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) {
            const int c = g.ban[x][y];
            const int a = c < 0 ? -c : c;
            if (a < 10 || a >= OU) continue;
            const int v = a % 10 ? kPromoted[a / 10] : kPlain[a / 10];
            s += c > 0 ? v : -v;
        }
    }
    for (int k = 1; k <= 7; ++k) s += (g.mochi_teki[k] - g.mochi_ji[k]) * kPlain[k];
    return bottom_to_move(g) ? -s : s;
}

class Baseline2 : public Player {
  public:
    std::optional<Move> choose(const Position& p, const Thinking&) override {
        GameState root;
        static_cast<Position&>(root) = p;
        MoveList& list = lists_[0];
        ordered_moves(root, list);
        if (list.count == 0) return std::nullopt;
        int alpha = -kWin - 1;
        Move best = list.moves[0];
        for (const Move& m : list) {
            GameState child = root;
            play_move(child, m);
            const int s = -value(child, 1, -kWin - 1, -alpha);
            if (s > alpha) {
                alpha = s;
                best = m;
            }
        }
        return best;
    }

  private:
    // Generation order, with the moves that take an enemy piece moved to the front.
    static void ordered_moves(GameState& g, MoveList& list) {
        generate_moves(g, list);
        const int enemy = bottom_to_move(g) ? 1 : -1;
        int front = 0;
        for (int i = 0; i < list.count; ++i) {
            if (forecast_chain_take(g, list.moves[i]) * enemy > 0) {
                const Move m = list.moves[i];
                for (int j = i; j > front; --j) list.moves[j] = list.moves[j - 1];
                list.moves[front++] = m;
            }
        }
    }

    int value(GameState& g, int depth, int alpha, int beta) {
        if (g.shuukyoku != 0) return g.shuukyoku == g.teban ? kWin : -kWin;
        if (depth == 0) return material(g);
        MoveList& list = lists_[1];
        ordered_moves(g, list);
        if (list.count == 0) return material(g);
        for (const Move& m : list) {
            GameState child = g;
            play_move(child, m);
            const int s = -value(child, depth - 1, -beta, -alpha);
            if (s > alpha) alpha = s;
            if (alpha >= beta) break;
        }
        return alpha;
    }

    MoveList lists_[2];
};

}  // namespace

std::unique_ptr<Player> make_baseline2() {
    return std::make_unique<Baseline2>();
}

}  // namespace murokan::match
