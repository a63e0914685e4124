// Commands of the ladder: the menu as the player sees it, and the player's
// record against the computer.
#include <string>

#include "script/commands.h"
#include "script/output.h"

namespace murokan::script {

namespace {

// menus: every entry of the menu bar in its order, `menu NAME "CAPTION"`,
// with `checked` when ticked (a separator's caption is "-"). The game
// disables no item, so `disabled` never follows.
void cmd_menus(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    for (const platform::MenuEntry& e : ctx.window.pf.menu.entries()) {
        std::string line = "menu " + e.name + " " + script::quoted(e.caption);
        if (ctx.window.pf.menu.checked(e.name)) line += " checked";
        print(ctx, line);
    }
}

// stats: `level L wins W losses X draws D` for every level with even games,
// then `handicap L ...` for handicap games, then `rating R next LEVELn`.
void cmd_stats(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    Form1& form = *ctx.form;
    if (!form.record_file.empty()) form.record = load_record(form.record_file);
    const PlayerRecord& r = form.record;
    for (const char* kind : {"level", "handicap"}) {
        const auto& table = kind[0] == 'l' ? r.even : r.handicap;
        for (int level = 1; level <= kLastLevel; ++level) {
            const LevelResults& s = table[level];
            if (s.games() == 0) continue;
            print(ctx, std::string(kind) + " " + std::to_string(level) + " wins " +
                           std::to_string(s.wins) + " losses " + std::to_string(s.losses) +
                           " draws " + std::to_string(s.draws));
        }
    }
    print(ctx, "rating " + std::to_string(estimate_rating(r)) + " next LEVEL" +
                   std::to_string(suggested_level(r)));
}

// record FILE: keeps the player's record in FILE from now on, as the window
// keeps it in the user's folder ("" for this run only).
void cmd_record(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    ctx.form->record_file = args.words[0];
    ctx.form->record = load_record(ctx.form->record_file);
}

}  // namespace

void register_ladder_commands(Registry& registry) {
    registry.add("menus", "menus", cmd_menus);
    registry.add("stats", "stats", cmd_stats);
    registry.add("record", "record FILE", cmd_record);
}

}  // namespace murokan::script
