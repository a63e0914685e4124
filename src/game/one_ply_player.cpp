// LEVEL1-3 for either side. The one-ply search only knows how to play the top
// side, so for the bottom side the position is turned round: the board turned
// by 180 degrees with every code negated, the hands and turn codes swapped.
// Its move is turned back the same way.
#include <memory>

#include "ai/com_state.h"
#include "ai/search.h"
#include "core/position.h"
#include "game/players_internal.h"

namespace murokan::players {

namespace {

// The position seen from the other side of the board.
Position mirrored(const Position& g) {
    Position m = g;
    for (int x = 1; x <= BAN_SIZE; ++x) {
        for (int y = 1; y <= BAN_SIZE; ++y) m.ban[10 - x][10 - y] = -g.ban[x][y];
    }
    for (int k = 0; k < 8; ++k) {
        m.mochi_ji[k] = g.mochi_teki[k];
        m.mochi_teki[k] = g.mochi_ji[k];
    }
    m.mochi_ji_kazu = g.mochi_teki_kazu;
    m.mochi_teki_kazu = g.mochi_ji_kazu;
    m.ji_teban = g.teki_teban;
    m.teki_teban = g.ji_teban;
    m.ji_ou_x = 10 - g.teki_ou_x;
    m.ji_ou_y = 10 - g.teki_ou_y;
    m.teki_ou_x = 10 - g.ji_ou_x;
    m.teki_ou_y = 10 - g.ji_ou_y;
    return m;
}

// A top-side move of the mirrored board as the bottom side's move.
Move mirrored_move(const Move& t) {
    Move m = t;
    m.piece = static_cast<std::int16_t>(-t.piece);
    m.x2 = static_cast<std::int8_t>(10 - t.x2);
    m.y2 = static_cast<std::int8_t>(10 - t.y2);
    if (t.x1 == TEKI_MOCHI_X) {
        m.x1 = JI_MOCHI_X;  // the same kind, from the other hand
    } else {
        m.x1 = static_cast<std::int8_t>(10 - t.x1);
        m.y1 = static_cast<std::int8_t>(10 - t.y1);
    }
    return m;
}

class OnePlyPlayer : public Player {
  public:
    OnePlyPlayer(int level, PlayerScratch* scratch) : level_(level), scratch_(scratch) {
        if (!scratch_) {
            own_ = std::make_unique<PlayerScratch>();
            scratch_ = own_.get();
        }
    }

    std::optional<Move> choose(const Position& p, const Thinking& how) override {
        // The search tries its moves on a board of its own.
        const bool bottom = bottom_to_move(p);
        Position work = bottom ? mirrored(p) : p;
        const 思考結果 r = 思考(work, scratch_->com, level_, how.tick);
        last_.score = r.score;
        if (!r.found) return std::nullopt;
        return bottom ? mirrored_move(r.te) : r.te;
    }
    Thought last_thought() const override { return last_; }

  private:
    int level_;
    PlayerScratch* scratch_;
    std::unique_ptr<PlayerScratch> own_;
    Thought last_;
};

}  // namespace

std::unique_ptr<Player> one_ply(int level, PlayerScratch* scratch) {
    return std::make_unique<OnePlyPlayer>(level, scratch);
}

}  // namespace murokan::players
