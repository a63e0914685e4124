// Commands of the computer player: search the current position without
// playing, play the computer's turn as the game does, play a game against
// itself, and score one trial move.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "ai/com_state.h"
#include "ai/search.h"
#include "core/movegen.h"
#include "core/sfen.h"
#include "game/game.h"
#include "game/player.h"
#include "record/history.h"
#include "script/commands.h"
#include "script/output.h"

namespace murokan::script {

namespace {

// Scores are multiples of 0.1: "12.5", "-9998", "0".
std::string score_text(double s) {
    const double tenths = std::round(s * 10.0);
    char buf[32];
    if (std::fmod(tenths, 10.0) == 0) {
        std::snprintf(buf, sizeof buf, "%.0f", tenths / 10.0 + 0.0);
    } else {
        std::snprintf(buf, sizeof buf, "%.1f", tenths / 10.0);
    }
    std::string text = buf;
    return text == "-0" ? "0" : text;
}

// think: the computer of the current level chooses for the top side, as in
// the game, on a copy of the current position with scratch state and a
// searcher of its own; nothing of the game changes. Prints the move and its
// score, and for a searcher the depth reached.
void cmd_think(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    Position p = ctx.state();
    p.teban = p.teki_teban;  // the computer's side, as in the game
    const std::unique_ptr<Player> player =
        make_player(ctx.state().com_level, player_options(ctx.form->search_bounds));
    const std::optional<Move> m = player ? player->choose(p) : std::nullopt;
    if (!m) {
        print(ctx, "bestmove none");
        return;
    }
    const Thought t = player->last_thought();
    if (t.deepened) {
        print(ctx, "bestmove " + format_usi_move(*m) + " score " +
                       std::to_string(static_cast<int>(t.score)) + " depth " +
                       std::to_string(t.depth));
    } else {
        print(ctx, "bestmove " + format_usi_move(*m) + " score " + score_text(t.score));
    }
}

// The words `play` prints for the way a game ended.
const char* end_name(GameEnd e) {
    switch (e) {
        case GameEnd::king_taken:
            return "king_taken";
        case GameEnd::both_passed:
            return "both_passed";
        case GameEnd::ply_limit:
            return "ply_limit";
        case GameEnd::running:
            break;
    }
    return "running";
}

// play N: self-play. The computer of the current level plays up to N plies
// for whichever side is to move, through the game object from the current
// position; each move is stored in the history as `move` stores it, and
// printed in USI ("pass" for a side without a move). Once the game has ended:
// "end king_taken|both_passed|ply_limit winner W" (W the winner's turn code,
// 0 for a draw).
void cmd_play(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    const std::string& text = args.words[0];
    int plies = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), plies);
    if (ec != std::errc() || end != text.data() + text.size() || plies < 0) {
        print_error(ctx, "not a count of plies: " + text);
        return;
    }
    GameState& g = ctx.state();
    const std::unique_ptr<Player> player =
        make_player(g.com_level, player_options(ctx.form->search_bounds));
    if (!player) {
        print_error(ctx, "no player for com_level " + std::to_string(g.com_level));
        return;
    }
    // The history's own end is the game's ply limit.
    Game game(g, g.kifu_genzai);
    for (int i = 0; i < plies && !game.over(); ++i) {
        const std::optional<Move> m = player->choose(game.position());
        if (!m) {
            game.pass();
            print(ctx, "pass");
            continue;
        }
        if (!game.play(*m)) {
            print(ctx, "illegal " + format_usi_move(*m));
            break;
        }
        手順保存(g, ctx.hist(), m->x1, m->y1, m->x2, m->y2, m->piece, g.ban[m->x2][m->y2],
                 g.ji_jikan, g.ji_jikan, g.teki_jikan, g.teki_jikan);
        g.tesuu += 1;
        g.kifu_genzai += 1;
        static_cast<Position&>(g) = game.position();
        print(ctx, format_usi_move(*m));
    }
    static_cast<Position&>(g) = game.position();  // a pass moves the turn too
    if (game.over()) {
        print(ctx, std::string("end ") + end_name(game.end()) + " winner " +
                       std::to_string(game.winner()));
    }
}

// com: the computer's turn, exactly as the game runs it.
void cmd_com(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    ctx.form->com_ban();
}

// eval <usi>: one move of the top side scored as the search scores it
// (promotion chosen as the search chooses it, whether or not '+' is written).
void cmd_eval(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    GameState g = ctx.state();
    g.teban = g.teki_teban;  // read the move as the top side's
    Move m;
    if (const char* reason = parse_usi_move(args.words[0], g, m)) {
        print_error(ctx, std::string("bad move: ") + reason);
        return;
    }
    const bool drop = m.x1 == TEKI_MOCHI_X;
    const bool own = drop ? m.y1 >= 1 && m.y1 <= 7 && g.mochi_teki[m.y1] > 0 : m.piece >= HU;
    if (!own || 移動チェック(g, m.x1, m.y1, m.x2, m.y2, m.piece) != FLAG_ON) {
        print(ctx, "illegal");
        return;
    }
    auto c = std::make_unique<ComState>();
    思考_準備(g, *c);
    print(ctx, "score " + score_text(思考_候補評価(g, *c, m)));
}

}  // namespace

void register_com_commands(Registry& registry) {
    registry.add("think", "think", cmd_think);
    registry.add("com", "com", cmd_com);
    registry.add("eval", "eval <usi>", cmd_eval);
    registry.add("play", "play N", cmd_play);
}

}  // namespace murokan::script
