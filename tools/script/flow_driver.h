// The driver's side of the running program: starting it, and writing out what
// the recording platform logged (message boxes, sounds, quitting).
#pragma once

#include "script/context.h"
#include "script/registry.h"

namespace murokan::script {

// Runs Form_Load in the current directory, as the program's start does, and
// writes the events it caused. Call once, before the first command.
void start_program(Context& ctx);

// Writes every event line logged since the last call, one per line, and
// forgets them.
void print_events(Context& ctx);

// True once the program has ended (終わり, Esc, closing the window).
bool program_ended(const Context& ctx);

// click CX CY [left|right|middle], drag CX1 CY1 CX2 CY2 [left|right], menu
// NAME, answer yes|no, key CODE|NAME (commands_flow.cpp).
void register_flow_commands(Registry& registry);

}  // namespace murokan::script
