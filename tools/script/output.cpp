#include "script/output.h"

namespace murokan::script {

void print(Context& ctx, std::string_view line) {
    ctx.out->write(line.data(), static_cast<std::streamsize>(line.size()));
    ctx.out->put('\n');
}

void print_error(Context& ctx, std::string_view reason) {
    std::string line = "error ";
    line += reason;
    print(ctx, line);
}

std::string quoted(std::string_view text) {
    std::string s = "\"";
    for (char c : text) {
        switch (c) {
            case '\\':
                s += "\\\\";
                break;
            case '"':
                s += "\\\"";
                break;
            case '\n':
                s += "\\n";
                break;
            case '\r':
                s += "\\r";
                break;
            case '\t':
                s += "\\t";
                break;
            default:
                s += c;
        }
    }
    s += '"';
    return s;
}

void print_msg(Context& ctx, std::string_view title, std::string_view text) {
    print(ctx, "msg " + quoted(title) + " " + quoted(text));
}

void print_msg(Context& ctx, std::string_view title, std::string_view text, bool answer_yes) {
    print(ctx, "msg " + quoted(title) + " " + quoted(text) + (answer_yes ? " -> yes" : " -> no"));
}

}  // namespace murokan::script
