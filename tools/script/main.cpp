// murokan-script: runs the game's own code from a text script, with no window.
// Usage: murokan-script [FILE]; without FILE the script is read from standard
// input. Results and events go to standard output, one line each. The exit
// status is 3 when a line was refused ("error ..."), so that a broken script
// does not pass unnoticed; a test that means to be refused expects it.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "script/commands.h"
#include "script/context.h"
#include "script/flow_driver.h"
#include "script/runner.h"

namespace {
constexpr int kRefusedStatus = 3;
}

int main(int argc, char** argv) {
    using namespace murokan::script;
    if (argc > 2) {
        std::fprintf(stderr, "usage: murokan-script [FILE]\n");
        return 2;
    }
    Registry registry;
    register_all_commands(registry);
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "murokan-script: cannot read %s\n", argv[1]);
            return 1;
        }
    }
    Context ctx;
    start_program(ctx);  // the program starts in the current directory, as the game does
    if (!run_script(ctx, registry, argc == 2 ? static_cast<std::istream&>(file) : std::cin)) {
        std::fprintf(stderr, "murokan-script: cannot read %s\n",
                     argc == 2 ? argv[1] : "standard input");
        return 1;
    }
    return ctx.refused > 0 ? kRefusedStatus : 0;
}
