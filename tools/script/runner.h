// Reading a script: one command per line.
#pragma once

#include <istream>

#include "script/context.h"
#include "script/registry.h"

namespace murokan::script {

// Runs every line of `in` through `registry`. Blank lines and lines starting
// with '#' are skipped; an unknown or malformed command prints "error <reason>",
// is counted in ctx.refused, and the run goes on. Returns false only when reading the input failed.
bool run_script(Context& ctx, const Registry& registry, std::istream& in);

// Runs one line (already without its line end).
void run_line(Context& ctx, const Registry& registry, std::string_view line);

}  // namespace murokan::script
