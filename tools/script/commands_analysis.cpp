// Commands of learning from the computer, through the window's own menu items:
// hint (ヒント), analyse (棋譜解析, waited for) and graph (the evaluation graph
// as the panel paints it). `set nodes N` makes all three come out the same
// on any machine.
#include <charconv>
#include <cstdio>
#include <string>

#include "core/sfen.h"
#include "flow/study.h"
#include "platform/qt/eval_graph.h"
#include "script/commands.h"
#include "script/output.h"

namespace murokan::script {

namespace {

// hint: ヒント for the position on the board. Prints "hint MOVE score S" (S
// the side to move's view), or "hint none" when it was refused.
void cmd_hint(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 0)) return;
    ctx.form->menuClicked("HINT");
    const std::optional<Hint>& h = ctx.form->study().last_hint();
    if (!h) {
        print(ctx, "hint none");
        return;
    }
    print(ctx, "hint " + format_usi_move(h->move) + " score " + std::to_string(h->score));
}

std::string win_text(double win) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", win);
    return buf;
}

// analyse [nodes N]: 棋譜解析 of the game in the history, waited for. One
// line per move, "ply N move M score S win W grade G best B" (S and W 先手's
// score and win percentage after the move, G "-" when ungraded, B "-" when
// there was no search), then "analysis plies N 緩手 a 疑問手 b 悪手 c 大悪手 d".
void cmd_analyse(Context& ctx, const Args& args) {
    std::int64_t nodes = ctx.form->search_bounds.nodes;
    if (!args.words.empty()) {
        const std::string& n = args.words.size() == 2 ? args.words[1] : "";
        const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), nodes);
        if (args.words.size() != 2 || args.words[0] != "nodes" || ec != std::errc() ||
            end != n.data() + n.size() || nodes <= 0) {
            print_error(ctx, "usage: " + std::string(args.usage));
            return;
        }
    }
    const SearchBounds kept = ctx.form->search_bounds;
    ctx.form->search_bounds.nodes = nodes;
    ctx.form->menuClicked("KAISEKI");
    ctx.window.analysis.background.deliver(true);
    ctx.form->search_bounds = kept;
    const Study& study = ctx.form->study();
    for (const MoveReview& r : study.reviewed()) {
        const std::string_view grade = grade_name(r.grade);
        print(ctx, "ply " + std::to_string(r.ply) + " move " + format_usi_move(r.move) + " score " +
                       std::to_string(r.score_after) + " win " + win_text(r.win_after) + " grade " +
                       (grade.empty() ? std::string("-") : std::string(grade)) + " best " +
                       (r.best.piece == KARA ? std::string("-") : format_usi_move(r.best)));
    }
    const std::vector<int> n = grade_counts(study.reviewed());
    print(ctx, "analysis plies " + std::to_string(study.reviewed().size()) + " 緩手 " +
                   std::to_string(n[1]) + " 疑問手 " + std::to_string(n[2]) + " 悪手 " +
                   std::to_string(n[3]) + " 大悪手 " + std::to_string(n[4]));
}

// graph FILE.png [W H]: the evaluation graph of the last 棋譜解析 as the
// panel paints it, W x H pixels (640 x 240 unless given).
void cmd_graph(Context& ctx, const Args& args) {
    if (args.words.size() != 1 && args.words.size() != 3) {
        print_error(ctx, "usage: " + std::string(args.usage));
        return;
    }
    int w = 640, h = 240;
    if (args.words.size() == 3) {
        w = std::atoi(args.words[1].c_str());
        h = std::atoi(args.words[2].c_str());
        if (w < 16 || h < 16 || w > 8000 || h > 8000) {
            print_error(ctx, "graph size out of range");
            return;
        }
    }
    ensureGuiApplication();
    const platform::GraphData d = ctx.form->study().graph();
    const QImage image = platform::evalGraphImage(d, QSize(w, h));
    if (!image.save(QString::fromStdString(args.words[0]), "PNG")) {
        print_error(ctx, "cannot write " + args.words[0]);
        return;
    }
    print(ctx, "graph points " + std::to_string(d.win.size()));
}

}  // namespace

void register_analysis_commands(Registry& registry) {
    registry.add("hint", "hint", cmd_hint);
    registry.add("analyse", "analyse [nodes N]", cmd_analyse);
    registry.add("graph", "graph FILE.png [W H]", cmd_graph);
}

}  // namespace murokan::script
