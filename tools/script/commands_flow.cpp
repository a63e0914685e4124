// Commands of the window's user: mouse clicks on cells, menu commands, the
// answer to the next Yes/No box and key presses, each delivered to Form1 the
// way the window delivers them.
#include <charconv>
#include <string>

#include "core/constants.h"
#include "script/flow_driver.h"
#include "script/output.h"

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

// click CX CY [left|right|middle]: a button pressed at the centre of cell
// (CX, CY) of the window grid. The board is 1..9 x 1..9, the bottom hand stand
// column 11, the top hand stand column -1.
void cmd_click(Context& ctx, const Args& args) {
    int cx = 0, cy = 0;
    if ((args.words.size() != 2 && args.words.size() != 3) || !parse_int(args.words[0], cx) ||
        !parse_int(args.words[1], cy) || cx < -100 || cx > 100 || cy < -100 || cy > 100) {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    int button = HIDARI_BUTTON;
    if (args.words.size() == 3) {
        const std::string& b = args.words[2];
        if (b == "left") {
            button = HIDARI_BUTTON;
        } else if (b == "right") {
            button = MIGI_BUTTON;
        } else if (b == "middle") {
            button = 4;
        } else {
            print_error(ctx, "usage: " + std::string(args.usage));
            return;
        }
    }
    ctx.window.sink->mouseDown(button, BAN_X0 + MASU_W * (cx + 0.5), BAN_Y0 + MASU_H * (cy + 0.5));
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

// key CODE: a key press with character code CODE (27 is Esc).
void cmd_key(Context& ctx, const Args& args) {
    int code = 0;
    if (!expect_words(ctx, args, 1)) return;
    if (!parse_int(args.words[0], code) || code < 0 || code > 0x10FFFF) {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    ctx.window.sink->keyPress(code);
}

}  // namespace

void register_flow_commands(Registry& registry) {
    registry.add("click", "click CX CY [left|right|middle]", cmd_click);
    registry.add("menu", "menu NAME", cmd_menu);
    registry.add("answer", "answer yes|no", cmd_answer);
    registry.add("key", "key CODE", cmd_key);
}

}  // namespace murokan::script
