// Commands of the computer player: search the current position without
// playing, play the computer's turn as the game does, and score one trial move.
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "ai/com_state.h"
#include "ai/engine.h"
#include "ai/engine_levels.h"
#include "ai/search.h"
#include "core/movegen.h"
#include "core/sfen.h"
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

// think at LEVEL4/5: the searcher, with a table of its own, at the budget the
// game would use; prints the move, its score and the depth reached.
void think_searching(Context& ctx) {
    GameState g = ctx.state();
    g.teban = g.teki_teban;  // the computer's side, as in the game
    const auto searcher = std::make_unique<Searcher>();
    const SearchResult r = searcher->search(g, ctx.form->search_limits());
    if (!r.found) {
        print(ctx, "bestmove none");
        return;
    }
    print(ctx, "bestmove " + format_usi_move(r.move) + " score " + std::to_string(r.score) +
                   " depth " + std::to_string(r.depth));
}

// think: the computer's search at the current level on a copy of the current
// position, with scratch state of its own; nothing of the game changes.
void cmd_think(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    if (ctx.state().com_level >= kFirstSearchLevel) {
        think_searching(ctx);
        return;
    }
    GameState g = ctx.state();
    auto c = std::make_unique<ComState>();
    const 思考結果 r = 思考(g, *c);
    if (!r.found) {
        print(ctx, "bestmove none");
        return;
    }
    print(ctx, "bestmove " + format_usi_move(r.te) + " score " + score_text(r.score));
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
}

}  // namespace murokan::script
