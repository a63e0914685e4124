// Commands of the game record: `save` writes the history to a ".棋譜" file as
// the record panel's "RETURN" button does, `load` loads one as a click in the
// panel's file list does. Every message box they would show is printed as
// msg "<title>" "<text>".
#include <string>
#include <string_view>

#include "core/rules.h"
#include "record/record_file.h"
#include "script/commands.h"
#include "script/output.h"

namespace murokan::script {

namespace {

void print_messages(Context& ctx, const std::vector<棋譜メッセージ>& messages) {
    for (const 棋譜メッセージ& m : messages) print_msg(ctx, m.title, m.text);
}

// save <path> [<game name> <sente name> <gote name>]
// The folder of <path> plays File1's path and its file name, without
// ".棋譜", Text1. The 書込 menu item's refusals (after 反転, after a
// handicap) come first, as opening the panel would give them.
void cmd_save(Context& ctx, const Args& args) {
    if (args.words.size() != 1 && args.words.size() != 4) {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    if (const auto refusal = 調査_棋譜書込可否(ctx.state())) {
        print_messages(ctx, {*refusal});
        return;
    }
    const std::string_view path = args.words[0];
    const size_t slash = path.rfind('/');
    std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
    if (name.ends_with(棋譜_拡張子)) name.resize(name.size() - 棋譜_拡張子.size());

    棋譜書込指定 panel;
    panel.folder = slash == std::string_view::npos ? std::filesystem::path(".")
                   : slash == 0                    ? std::filesystem::path("/")
                                                   : パス_UTF8(path.substr(0, slash));
    panel.file_name = name;
    if (args.words.size() == 4) {
        panel.game_name = args.words[1];
        panel.sente_name = args.words[2];
        panel.gote_name = args.words[3];
    }
    print_messages(ctx, 書込_棋譜(ctx.state(), ctx.hist(), panel).messages);
}

// load <path>: the game is replaced by the record, or left as it was when the
// file is refused. The setup is the window's own 初期設定, as for a click in
// the file list: it also stops the clock and redraws the board.
void cmd_load(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    Form1& form = *ctx.form;
    const 棋譜読込結果 result =
        読込_棋譜(ctx.state(), ctx.hist(), パス_UTF8(args.words[0]), [&form] { form.初期設定(); });
    print_messages(ctx, result.messages);
}

}  // namespace

void register_record_commands(Registry& registry) {
    registry.add("save", "save <path> [<game name> <sente name> <gote name>]", cmd_save);
    registry.add("load", "load <path>", cmd_load);
}

}  // namespace murokan::script
