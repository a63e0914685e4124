// Commands of the rules: set up a position, set a state variable, make a move,
// show the state.
#include <charconv>
#include <string>

#include "ai/engine_levels.h"
#include "core/movegen.h"
#include "core/sfen.h"
#include "record/history.h"
#include "record/record_file.h"
#include "script/commands.h"
#include "script/output.h"

namespace murokan::script {

namespace {

// position startpos | position sfen <board> <b|w|-> <hands> [<n>]
// The start is the position of 初期設定 with the bottom side to move. The new
// position becomes history entry 0 of a fresh game record.
void cmd_position(Context& ctx, const Args& args) {
    std::string sfen;
    if (args.words.size() == 1 && args.words[0] == "startpos") {
        sfen = kStartSfen;
    } else if (!args.words.empty() && args.words[0] == "sfen") {
        for (size_t i = 1; i < args.words.size(); ++i) sfen += args.words[i] + " ";
    } else {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    GameState& g = ctx.state();
    if (const char* reason = parse_sfen(sfen, g)) {
        print_error(ctx, std::string("bad sfen: ") + reason);
        return;
    }
    g.tesuu = 0;
    g.shuukyoku = 0;
    g.kifu_genzai = 0;
    初期設定_棋譜(g, ctx.hist());
}

// The game-state variables a script may set, by their names in the code.
struct Variable {
    const char* name;
    int GameState::*member;
};
constexpr Variable kVariables[] = {
    {"teban", &GameState::teban},
    {"ji_teban", &GameState::ji_teban},
    {"teki_teban", &GameState::teki_teban},
    {"taikyoku_mode", &GameState::taikyoku_mode},
    {"com_level", &GameState::com_level},
    {"shuukyoku", &GameState::shuukyoku},
    {"kifu_mode", &GameState::kifu_mode},
    {"saikai_machi", &GameState::saikai_machi},
    {"tesuu", &GameState::tesuu},
    {"hande_level", &GameState::hande_level},
    {"hande_settei", &GameState::hande_settei},
    {"hanten", &GameState::hanten},
};

// set NAME VALUE: a game-state variable, or the budget of the searching
// levels, `nodes` or `movetime` (milliseconds); either replaces the level's
// own budget until both are 0 again; neither may exceed the tools' maximum.
// `seed` fixes the levels' random draws (0: afresh for each game).
void cmd_set(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 2)) return;
    const std::string& name = args.words[0];
    const std::string& text = args.words[1];
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) {
        print_error(ctx, "not a whole number: " + text);
        return;
    }
    SearchBounds& bounds = ctx.form->search_bounds;
    if (name == "seed") {
        // The levels' random draws from now on; 0 draws afresh for each game.
        if (value < 0) {
            print_error(ctx, "a seed cannot be negative: " + text);
        } else {
            bounds.seed = static_cast<unsigned>(value);
        }
        return;
    }
    if (name == "nodes" || name == "movetime") {
        const int most = name == "nodes" ? kMaxBudgetNodes : kMaxBudgetMs;
        if (value < 0) {
            print_error(ctx, "a budget cannot be negative: " + text);
        } else if (value > most) {
            print_error(ctx, name + " is at most " + std::to_string(most) + ": " + text);
        } else if (name == "nodes") {
            bounds.nodes = value;
        } else {
            bounds.movetime_ms = value;
        }
        return;
    }
    for (const Variable& v : kVariables) {
        if (name == v.name) {
            ctx.state().*v.member = value;
            return;
        }
    }
    print_error(ctx, "unknown variable " + name);
}

// move <usi>: a move or drop of the side to move, through the rules and into
// the history as a move in play goes: 手順保存 with the clock values of the
// mouse path, tesuu + 1, the move, kifu_genzai + 1. No clocks run and nothing
// is drawn. A refused move prints "illegal"; one that no longer fits the
// history prints the message box that refuses it.
void cmd_move(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    GameState& g = ctx.state();
    Move m;
    if (const char* reason = parse_usi_move(args.words[0], g, m)) {
        print_error(ctx, std::string("bad move: ") + reason);
        return;
    }
    if (!is_legal_move(g, m)) {
        print(ctx, "illegal");
        return;
    }
    if (調査_棋譜満杯(g) == FLAG_ON) {
        const 棋譜メッセージ full = 棋譜満杯メッセージ();
        print_msg(ctx, full.title, full.text);
        return;
    }
    手順保存(g, ctx.hist(), m.x1, m.y1, m.x2, m.y2, m.piece, g.ban[m.x2][m.y2], g.ji_jikan,
             g.ji_jikan + g.keika_byou, g.teki_jikan, g.teki_jikan);
    g.tesuu += 1;
    play_move(g, m);
    g.kifu_genzai += 1;
}

// dump: the position as SFEN, then the state variables.
void cmd_dump(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    const GameState& g = ctx.state();
    print(ctx, "position sfen " + format_sfen(g));
    const auto f = [](const char* name, int value) {
        return std::string(" ") + name + "=" + std::to_string(value);
    };
    print(ctx, "state" + f("teban", g.teban) + f("ji_teban", g.ji_teban) +
                   f("teki_teban", g.teki_teban) + f("tesuu", g.tesuu) +
                   f("shuukyoku", g.shuukyoku) + f("taikyoku_mode", g.taikyoku_mode) +
                   f("kifu_mode", g.kifu_mode) + f("kifu_genzai", g.kifu_genzai) +
                   f("kifu_saishu", ctx.hist().kifu_saishu) + f("mochi_ji_kazu", g.mochi_ji_kazu) +
                   f("mochi_teki_kazu", g.mochi_teki_kazu) + f("com_level", g.com_level) +
                   f("hande_level", g.hande_level) + f("hande_settei", g.hande_settei) +
                   f("hanten", g.hanten));
}

}  // namespace

void register_core_commands(Registry& registry) {
    registry.add("position", "position startpos | position sfen <board> <b|w|-> <hands> [<n>]",
                 cmd_position);
    registry.add("set", "set NAME VALUE", cmd_set);
    registry.add("move", "move <usi>", cmd_move);
    registry.add("dump", "dump", cmd_dump);
}

}  // namespace murokan::script
