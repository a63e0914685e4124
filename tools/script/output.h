// How the driver writes: one line per result or event, on the context's
// output stream.
#pragma once

#include <string>
#include <string_view>

#include "script/context.h"

namespace murokan::script {

// Writes `line` and a line end.
void print(Context& ctx, std::string_view line);

// "error <reason>": a command that is unknown or malformed. The run goes on,
// and ends with a status that says a line was refused.
void print_error(Context& ctx, std::string_view reason);

// A text in double quotes with '\' and '"' escaped by a backslash and line
// breaks written as \n (and \r, \t likewise), so that every event stays on one
// line and can be read back by the same rules the script reader uses.
std::string quoted(std::string_view text);

// msg "<title>" "<text>": a message box with an OK button.
void print_msg(Context& ctx, std::string_view title, std::string_view text);

// msg "<title>" "<text>" -> yes|no: a Yes/No box and the answer it got.
void print_msg(Context& ctx, std::string_view title, std::string_view text, bool answer_yes);

}  // namespace murokan::script
