// The command table of the driver: commands are looked up by their first word.
// Each subsystem registers its own commands from its own file (see commands.h).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "script/context.h"

namespace murokan::script {

// One script line, split into words. A word may be written in double quotes
// to hold spaces, with the escapes that quoted() writes.
struct Args {
    std::string name;                // the command word
    std::vector<std::string> words;  // the words after it, quotes removed
    std::string_view rest;           // the raw text after the command word, trimmed
    std::string_view usage;          // the command's usage line, for error messages
};

// Splits a line into `args`. Returns nullptr, or the reason the line is
// malformed (an unterminated quote, a bad escape).
const char* split_line(std::string_view line, Args& args);

using Handler = std::function<void(Context&, const Args&)>;

class Registry {
  public:
    // Adds a command. `usage` is shown in the error for wrong arguments. A name
    // registered twice is a programming error and stops the program.
    void add(std::string_view name, std::string_view usage, Handler handler);

    struct Command {
        std::string usage;
        Handler handler;
    };
    // The command called `name`, or nullptr.
    const Command* find(std::string_view name) const;

  private:
    std::map<std::string, Command, std::less<>> commands_;
};

// "error usage: <usage>" and false when the command has not exactly `count`
// words after its name; true otherwise.
bool expect_words(Context& ctx, const Args& args, size_t count);

}  // namespace murokan::script
