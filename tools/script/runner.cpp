#include "script/runner.h"

#include <string>

#include "script/flow_driver.h"
#include "script/output.h"

namespace murokan::script {

void run_line(Context& ctx, const Registry& registry, std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // CR LF files
    size_t start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos || line[start] == '#') return;

    Args args;
    if (const char* reason = split_line(line, args)) {
        print_error(ctx, reason);
        return;
    }
    const Registry::Command* cmd = registry.find(args.name);
    if (cmd == nullptr) {
        print_error(ctx, "unknown command " + args.name);
        return;
    }
    args.usage = cmd->usage;
    cmd->handler(ctx, args);
    print_events(ctx);  // what the program showed or played meanwhile
}

bool run_script(Context& ctx, const Registry& registry, std::istream& in) {
    std::string line;
    // Once the program has ended (終わり, Esc) nothing more is read.
    while (!program_ended(ctx) && std::getline(in, line)) {
        run_line(ctx, registry, line);
        ctx.out->flush();
    }
    return !in.bad();
}

}  // namespace murokan::script
