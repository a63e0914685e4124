// Commands of the window: `shot FILE.png` writes what has been drawn as a
// picture, `clock SECONDS` moves the manual clock on, `tick` runs one Timer1
// tick, `kept` tells how much the recording platform holds.
#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/qt/image_canvas.h"
#include "script/commands.h"
#include "script/output.h"
#include "script/window.h"

namespace murokan::script {

ScriptWindow::ScriptWindow() = default;
ScriptWindow::~ScriptWindow() {
    pf.canvas.forwardTo(nullptr);
}

// Qt needs one application object per process for fonts and images; the
// driver never shows a window, so it always runs on the offscreen platform.
void ensureGuiApplication() {
    if (QGuiApplication::instance()) return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "murokan-script";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

namespace {

// Paints every call recorded so far onto `target`, in order.
void replay(const std::vector<platform::DrawCall>& calls, platform::Canvas& target) {
    using Kind = platform::DrawCall::Kind;
    for (const platform::DrawCall& c : calls) {
        switch (c.kind) {
            case Kind::Picture:
                target.picture(c.code, c.x, c.y);
                break;
            case Kind::Text:
                target.text(c.x, c.y, c.text, c.size, c.colour, c.bold);
                break;
            case Kind::Rectangle:
                target.rectangle(c.x, c.y, c.x2, c.y2, c.colour);
                break;
            case Kind::Refresh:
                break;
        }
    }
}

// shot FILE.png
void cmd_shot(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    ScriptWindow& w = ctx.window;
    if (!w.image) {
        ensureGuiApplication();
        // The first shot catches up with everything drawn so far; from then on
        // the recording canvas passes each call straight on. Only the latest
        // calls are kept, so a first shot late in a long script may miss old
        // drawing that nothing has painted over since; it says so.
        if (w.pf.canvas.dropped() > 0) {
            print_error(ctx, "shot: the " + std::to_string(w.pf.canvas.dropped()) +
                                 " oldest drawing calls were not kept");
        }
        w.image = std::make_unique<platform::ImageCanvas>();
        replay(w.pf.canvas.calls(), *w.image);
        w.pf.canvas.forwardTo(w.image.get());
    }
    if (!w.image->savePng(args.words[0])) print_error(ctx, "cannot write " + args.words[0]);
}

// clock SECONDS: the system clock reading moves on by SECONDS (wrapping at midnight).
void cmd_clock(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    const std::string& s = args.words[0];
    char* end = nullptr;
    const double seconds = std::strtod(s.c_str(), &end);
    if (s.empty() || end != s.c_str() + s.size() || !(seconds >= 0) || seconds > 86400.0 * 366) {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    ctx.window.pf.clock.advance(seconds);
}

// tick: one tick of Timer1, as the window would deliver it.
void cmd_tick(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    if (!ctx.window.sink) {
        print_error(ctx, "no window to tick");
        return;
    }
    ctx.window.sink->timerTick();
}

// kept: the drawing calls the recording platform holds now (and how many it
// has forgotten), its unprinted event lines, message boxes and waits. A long
// script must not make them grow.
void cmd_kept(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    const platform::RecordingPlatform& pf = ctx.window.pf;
    print(ctx, "kept draw " + std::to_string(pf.canvas.calls().size()) + " dropped " +
                   std::to_string(pf.canvas.dropped()) + " events " +
                   std::to_string(pf.events.size()) + " boxes " +
                   std::to_string(pf.dialogs.messages().size()) + " waits " +
                   std::to_string(pf.clock.waits().size()));
}

}  // namespace

void register_window_commands(Registry& registry) {
    registry.add("shot", "shot FILE.png", cmd_shot);
    registry.add("clock", "clock SECONDS", cmd_clock);
    registry.add("tick", "tick", cmd_tick);
    registry.add("kept", "kept", cmd_kept);
}

}  // namespace murokan::script
