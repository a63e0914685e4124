#include "script/output.h"

#include "platform/recording_platform.h"

namespace murokan::script {

void print(Context& ctx, std::string_view line) {
    ctx.out->write(line.data(), static_cast<std::streamsize>(line.size()));
    ctx.out->put('\n');
}

void print_error(Context& ctx, std::string_view reason) {
    ctx.refused += 1;
    std::string line = "error ";
    line += reason;
    print(ctx, line);
}

// The same escapes as the platform's event lines, so that every msg line reads alike.
std::string quoted(std::string_view text) {
    return platform::quoteEventText(text);
}

void print_msg(Context& ctx, std::string_view title, std::string_view text) {
    print(ctx, "msg " + quoted(title) + " " + quoted(text));
}

void print_msg(Context& ctx, std::string_view title, std::string_view text, bool answer_yes) {
    print(ctx, "msg " + quoted(title) + " " + quoted(text) + (answer_yes ? " -> yes" : " -> no"));
}

}  // namespace murokan::script
