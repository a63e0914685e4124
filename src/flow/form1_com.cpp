// The computer's turn as the player sees it: the thinking indicator and the
// running clock while it chooses, then its move, which is played like the
// human's (form1_turn.cpp), or its pass. The computer always plays the top
// side of the game the board shows.
#include <optional>

#include "flow/form1.h"
#include "flow/study.h"

namespace murokan {

void Form1::com_ban() {
    {
        const Game& game = game_for_turn(g.teki_teban);
        if (game.end() == GameEnd::king_taken) return;
        // The ply limit is told before the computer starts to think.
        if (history_full_refused(game, Mover::computer)) return;
    }
    study_->computer_thinks();  // 検討 would take a core from the computer

    g.kaishi_byou = Timer();
    if (keika_on()) timer_start();
    screen.描画_思考中();
    pf.canvas.refresh();  // the indicator shows for the whole search

    // The computer thinks on a copy of the game's position, but the board's
    // own two-pawn flags are brought up to it all the same, as its thinking
    // always did: the marks of a hand selection still standing from before
    // are erased by reading them.
    調査_2歩フラグ設定(g);
    PlayerOptions options = com_options();
    options.scratch = &com;
    const std::unique_ptr<Player> player = make_player(g.com_level, options);
    const Position position = game_for_turn(g.teki_teban).position();
    // The clock keeps moving while the computer thinks: a long thinker leaves
    // the window's own Timer1 running, the one-ply levels tick it themselves.
    std::optional<Move> m;
    if (player && player->thinks_long()) {
        m = think_on_worker(*player, position);
    } else if (player) {
        auto tick = [this] { Timer1_Timer(); };
        Thinking how;
        how.tick = tick;
        m = player->choose(position, how);
    }
    // Esc or closing the window ended the program while it thought.
    if (quit_requested_) return;
    // A search shorter than one of Timer1's ticks saw none: without this one
    // the turn's time would still be the human's, and the computer's total
    // would grow by it.
    if (player && player->thinks_long()) Timer1_Timer();
    Game& game = game_for_turn(g.teki_teban);
    if (!m || !game.legal(*m)) {
        // Nothing to play (a move the game refuses is none): the turn passes,
        // and the board and the history stay as they are.
        game.pass();
        static_cast<Position&>(g) = game.position();
        screen.消去_思考中();
        com_hand_over();
        return;
    }
    play_turn(*m, Mover::computer);
}

}  // namespace murokan
