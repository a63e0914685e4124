// Commands of the window's user: mouse clicks and drags on cells, menu
// commands, the answer to the next Yes/No box and key presses, each delivered
// to Form1 the way the window delivers them.
#include <charconv>
#include <string>

#include "core/constants.h"
#include "script/flow_driver.h"
#include "script/output.h"
#include "ui/cell.h"

namespace murokan::script {

void start_program(Context& ctx) {
    ctx.form->Form_Load();
    print_events(ctx);
}

void print_events(Context& ctx) {
    platform::EventLog& events = ctx.window.pf.events;
    for (const std::string& line : events) print(ctx, line);
    // A printed line is never needed again; keeping them would make a long
    // script grow with every move.
    events.clear();
}

bool program_ended(const Context& ctx) {
    return ctx.form->quit_requested();
}

namespace {

// A whole decimal number, sign allowed; false for anything else.
bool parse_int(const std::string& s, int& value) {
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data(), end, value);
    return ec == std::errc() && p == end;
}

// Reads `count` cells (CX CY pairs) from the first words and the optional
// button word after them; false, with the usage printed, for anything else.
bool parse_cells(Context& ctx, const Args& args, std::size_t count, Cell* cells, int& button) {
    const std::size_t n = args.words.size();
    bool ok = n == 2 * count || n == 2 * count + 1;
    for (std::size_t i = 0; ok && i < count; ++i) {
        ok = parse_int(args.words[2 * i], cells[i].x) &&
             parse_int(args.words[2 * i + 1], cells[i].y);
        ok = ok && cells[i].x >= -100 && cells[i].x <= 100 && cells[i].y >= -100 &&
             cells[i].y <= 100;
    }
    button = HIDARI_BUTTON;
    if (ok && n == 2 * count + 1) {
        const std::string& b = args.words[n - 1];
        if (b == "left") {
            button = HIDARI_BUTTON;
        } else if (b == "right") {
            button = MIGI_BUTTON;
        } else if (b == "middle" && count == 1) {
            button = 4;
        } else {
            ok = false;
        }
    }
    if (!ok) print_error(ctx, "usage: " + std::string(args.usage));
    return ok;
}

// The centre of a cell, where the driver's pointer presses it.
Twips centre(Cell c) {
    return cell_twips(c.x + 0.5, c.y + 0.5);
}

// click CX CY [left|right|middle]: a button pressed at the centre of cell
// (CX, CY) of the window grid and let go there. The board is 1..9 x 1..9,
// the bottom hand stand column 11, the top hand stand column -1.
void cmd_click(Context& ctx, const Args& args) {
    Cell at{0, 0};
    int button = 0;
    if (!parse_cells(ctx, args, 1, &at, button)) return;
    const Twips p = centre(at);
    ctx.window.sink->mouseDown(button, p.x, p.y);
    ctx.window.sink->mouseUp(button, p.x, p.y);
}

// drag CX1 CY1 CX2 CY2 [left|right]: a button pressed at the centre of the
// first cell, held while the pointer moves, and let go over the second.
void cmd_drag(Context& ctx, const Args& args) {
    Cell cells[2] = {{0, 0}, {0, 0}};
    int button = 0;
    if (!parse_cells(ctx, args, 2, cells, button)) return;
    const Twips from = centre(cells[0]), to = centre(cells[1]);
    ctx.window.sink->mouseDown(button, from.x, from.y);
    ctx.window.sink->mouseUp(button, to.x, to.y);
}

// menu NAME: a menu header or item clicked, by control name.
void cmd_menu(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    if (!ctx.form->dispatchMenu(args.words[0])) print_error(ctx, "no menu item " + args.words[0]);
}

// answer yes|no: how the next Yes/No box is answered (Yes when not told).
void cmd_answer(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    const std::string& a = args.words[0];
    if (a != "yes" && a != "no") {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    ctx.window.pf.dialogs.queueAnswer(a == "yes");
}

// key CODE|NAME: a key press with character code CODE (27 is Esc), or a key
// by its name: Esc, or a menu item's shortcut key as Qt writes it (Left,
// Right, Home, F1, Ctrl+S, Ctrl+O), which reaches the item as the window's
// shortcut does. Names are matched exactly.
void cmd_key(Context& ctx, const Args& args) {
    int code = 0;
    if (!expect_words(ctx, args, 1)) return;
    const std::string& word = args.words[0];
    if (word == "Esc") {
        ctx.window.sink->keyPress(27);
    } else if (const platform::MenuEntry* item = ctx.window.pf.menu.findShortcut(word)) {
        ctx.window.sink->menuShortcut(item->name);
    } else if (parse_int(word, code) && code >= 0 && code <= 0x10FFFF) {
        ctx.window.sink->keyPress(code);
    } else {
        print_error(ctx, "usage: " + std::string(args.usage));
    }
}

}  // namespace

void register_flow_commands(Registry& registry) {
    registry.add("click", "click CX CY [left|right|middle]", cmd_click);
    registry.add("drag", "drag CX1 CY1 CX2 CY2 [left|right]", cmd_drag);
    registry.add("menu", "menu NAME", cmd_menu);
    registry.add("answer", "answer yes|no", cmd_answer);
    registry.add("key", "key CODE", cmd_key);
}

}  // namespace murokan::script
