// Commands of the 編集 menu: `copy` and `paste` through the driver's
// clipboard, `edit …` for the position editor, driven by the clicks and menu
// items a user would use, and `image` for 画像保存.
#include <QImage>
#include <charconv>
#include <string>

#include "core/sfen.h"
#include "script/commands.h"
#include "script/output.h"
#include "ui/cell.h"
#include "ui/editor_palette.h"

namespace murokan::script {

namespace {

// Prints what the clipboard holds, one line each.
void print_lines(Context& ctx, std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        print(ctx, text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

// copy: コピー, then the two lines it put on the clipboard.
void cmd_copy(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    ctx.window.analysis.clipboard.setText("");
    ctx.form->menuClicked("COPY");
    print_lines(ctx, ctx.window.analysis.clipboard.text());
}

// paste TEXT: TEXT (one quoted word with its escapes, or the rest of the
// line as written) goes on the clipboard, then 貼り付け.
void cmd_paste(Context& ctx, const Args& args) {
    const bool quoted_word = args.words.size() == 1 && !args.rest.empty() && args.rest[0] == '"';
    ctx.window.analysis.clipboard.setText(quoted_word ? std::string_view(args.words[0]) : args.rest);
    ctx.form->menuClicked("PASTE");
}

// A USI square ("5i") as a cell; false when it is not one.
bool parse_square(std::string_view s, Cell& c) {
    if (s.size() != 2 || s[0] < '1' || s[0] > '9' || s[1] < 'a' || s[1] > 'i') return false;
    c = {10 - (s[0] - '0'), s[1] - 'a' + 1};
    return true;
}

// An SFEN piece ("K", "+p") as its unpromoted code and whether it is promoted.
bool parse_piece(std::string_view s, int& code, bool& promoted) {
    promoted = !s.empty() && s[0] == '+';
    if (promoted) s.remove_prefix(1);
    if (s.size() != 1) return false;
    static constexpr std::string_view kLetters = "PLNSGBRK";
    static constexpr int kCodes[] = {HU, KYOU, KEI, GIN, KIN, KAKU, SYA, OU};
    const char upper = s[0] >= 'a' && s[0] <= 'z' ? static_cast<char>(s[0] - 32) : s[0];
    const size_t i = kLetters.find(upper);
    if (i == std::string_view::npos || (promoted && (upper == 'G' || upper == 'K'))) return false;
    code = s[0] == upper ? -kCodes[i] : kCodes[i];
    return true;
}

// A side word: b the bottom side (先手), w the top side.
bool parse_side(std::string_view s, bool& bottom) {
    bottom = s == "b";
    return s == "b" || s == "w";
}

void click(Context& ctx, Cell c, int button) {
    const Twips t = cell_twips(c.x + 0.5, c.y + 0.5);
    ctx.form->mouseDown(button, t.x, t.y);
    ctx.form->mouseUp(button, t.x, t.y);
}

// The palette cell that holds `code`.
Cell palette_cell(int code) {
    for (int y = PALETTE_TOP; y < PALETTE_TOP + 8; ++y) {
        for (int x : {PALETTE_JI_X, PALETTE_TEKI_X}) {
            if (パレット_駒({x, y}) == code) return {x, y};
        }
    }
    return {0, 0};
}

// edit begin|empty|start|put SQUARE PIECE|remove SQUARE|hand SIDE PIECE N|
// turn SIDE|end|cancel|show
void cmd_edit(Context& ctx, const Args& args) {
    const std::vector<std::string>& w = args.words;
    const auto usage = [&] { print_error(ctx, "usage: " + std::string(args.usage)); };
    if (w.empty()) return usage();
    const std::string& verb = w[0];
    struct MenuVerb {
        const char* verb;
        const char* item;
    };
    static constexpr MenuVerb kMenuVerbs[] = {{"begin", "HENSHU_KAISHI"},
                                              {"empty", "HENSHU_KARA"},
                                              {"start", "HENSHU_HIRATE"},
                                              {"end", "HENSHU_OWARI"},
                                              {"cancel", "HENSHU_CHUSHI"}};
    for (const MenuVerb& m : kMenuVerbs) {
        if (verb == m.verb) {
            if (w.size() != 1) return usage();
            ctx.form->menuClicked(m.item);
            return;
        }
    }
    const 局面編集* e = ctx.form->editor();
    if (!e) {
        print_error(ctx, "not editing: edit begin first");
        return;
    }
    Cell c{};
    int code = 0;
    bool promoted = false, bottom = false;
    if (verb == "show" && w.size() == 1) {
        GameState g;
        static_cast<Position&>(g) = e->p;
        print(ctx, "edit sfen " + format_sfen(g));
    } else if (verb == "put" && w.size() == 3 && parse_square(w[1], c) &&
               parse_piece(w[2], code, promoted)) {
        if (e->p.ban[c.x][c.y] != KARA) click(ctx, c, MIGI_BUTTON);
        click(ctx, palette_cell(code), HIDARI_BUTTON);
        click(ctx, c, HIDARI_BUTTON);
        if (promoted) click(ctx, c, HIDARI_BUTTON);
    } else if (verb == "remove" && w.size() == 2 && parse_square(w[1], c)) {
        click(ctx, c, MIGI_BUTTON);
    } else if (verb == "hand" && w.size() == 4 && parse_side(w[1], bottom) &&
               parse_piece(w[2], code, promoted) && !promoted && code != OU && code != -OU) {
        int n = 0;
        const auto [end, ec] = std::from_chars(w[3].data(), w[3].data() + w[3].size(), n);
        const int kind = (code < 0 ? -code : code) / 10;
        if (ec != std::errc() || end != w[3].data() + w[3].size() ||
            !ctx.form->edit_hand(bottom, kind, n)) {
            print_error(ctx, "hand count out of range: " + w[3]);
        }
    } else if (verb == "turn" && w.size() == 2 && parse_side(w[1], bottom)) {
        if (bottom_to_move(e->p) != bottom) ctx.form->menuClicked("HENSHU_TEBAN");
    } else {
        usage();
    }
}

// image FILE.png [2]: 画像保存 at 1x (or 2x), the save dialog answering
// FILE.png; then the size of the picture written.
void cmd_image(Context& ctx, const Args& args) {
    const std::vector<std::string>& w = args.words;
    if (w.empty() || w.size() > 2 || (w.size() == 2 && w[1] != "1" && w[1] != "2")) {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    ctx.window.sharing.save.answer(w[0]);
    ctx.form->menuClicked(w.size() == 2 && w[1] == "2" ? "GAZOU2" : "GAZOU1");
    const QImage written(QString::fromStdString(w[0]));
    if (!written.isNull()) {
        print(ctx,
              "image " + std::to_string(written.width()) + "x" + std::to_string(written.height()));
    }
}

}  // namespace

void register_clip_commands(Registry& registry) {
    registry.add("copy", "copy", cmd_copy);
    registry.add("paste", "paste TEXT", cmd_paste);
    registry.add("edit",
                 "edit begin|empty|start|put SQUARE PIECE|remove SQUARE|hand SIDE PIECE N|turn "
                 "SIDE|end|cancel|show",
                 cmd_edit);
    registry.add("image", "image FILE.png [2]", cmd_image);
}

}  // namespace murokan::script
