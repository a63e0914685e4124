#include "script/registry.h"

#include <cstdio>
#include <cstdlib>

#include "script/output.h"

namespace murokan::script {

namespace {

bool is_space(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

const char* split_line(std::string_view line, Args& args) {
    args = Args{};
    std::vector<std::string> words;
    size_t i = 0;
    size_t rest_at = std::string_view::npos;
    while (true) {
        while (i < line.size() && is_space(line[i])) ++i;
        if (i >= line.size()) break;
        if (words.size() == 1) rest_at = i;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    word += c;
                    continue;
                }
                if (i >= line.size()) return "unterminated quote";
                switch (line[i++]) {
                    case '\\':
                        word += '\\';
                        break;
                    case '"':
                        word += '"';
                        break;
                    case 'n':
                        word += '\n';
                        break;
                    case 'r':
                        word += '\r';
                        break;
                    case 't':
                        word += '\t';
                        break;
                    default:
                        return "bad escape in quotes";
                }
            }
            if (!closed) return "unterminated quote";
            if (i < line.size() && !is_space(line[i])) return "text right after a closing quote";
        } else {
            while (i < line.size() && !is_space(line[i])) word += line[i++];
        }
        words.push_back(std::move(word));
    }
    if (words.empty()) return "empty line";
    args.name = std::move(words.front());
    args.words.assign(std::make_move_iterator(words.begin() + 1),
                      std::make_move_iterator(words.end()));
    if (rest_at != std::string_view::npos) args.rest = trim(line.substr(rest_at));
    return nullptr;
}

void Registry::add(std::string_view name, std::string_view usage, Handler handler) {
    const auto [it, added] =
        commands_.emplace(std::string(name), Command{std::string(usage), std::move(handler)});
    if (!added) {
        std::fprintf(stderr, "murokan-script: command '%s' registered twice\n",
                     std::string(name).c_str());
        std::abort();
    }
}

const Registry::Command* Registry::find(std::string_view name) const {
    const auto it = commands_.find(name);
    return it == commands_.end() ? nullptr : &it->second;
}

bool expect_words(Context& ctx, const Args& args, size_t count) {
    if (args.words.size() == count) return true;
    print_error(ctx, "usage: " + std::string(args.usage));
    return false;
}

}  // namespace murokan::script
