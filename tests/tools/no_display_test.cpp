// The game started where no display can be reached: one clear line on the
// error output and a non-zero exit, never Qt's abort with its long report.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

struct Outcome {
    std::string err;
    int status = -1;  // exit status, or -1 when the program did not exit normally
};

// Runs the game under `env_args` (arguments for env(1)); standard output is dropped.
Outcome run_game(const std::string& env_args) {
    Outcome o;
    const std::string command =
        "env " + env_args + " '" + std::string(MUROKAN_GAME_BIN) + "' 2>&1 >/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return o;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) o.err.append(buffer, n);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status)) o.status = WEXITSTATUS(status);
    return o;
}

// An X display number with no server behind it.
std::string silent_display() {
    for (int n = 917; n < 999; ++n) {
        const std::string name = std::to_string(n);
        if (!std::filesystem::exists("/tmp/.X11-unix/X" + name)) return ":" + name;
    }
    return ":999";
}

TEST(NoDisplay, OneLineAndAFailingExit) {
    const std::string unset = "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
    const std::string silent = silent_display();
    struct {
        const char* name;
        std::string env;
        const char* says;
    } const cases[] = {
        {"nothing set", unset, "no display found"},
        {"X11 asked for, no DISPLAY", "-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb",
         "no display found"},
        {"DISPLAY names no server", "-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=" + silent,
         "does not answer"},
        {"xcb and a DISPLAY with no server",
         "-u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=" + silent, "does not answer"},
    };
    for (const auto& c : cases) {
        const Outcome o = run_game(c.env);
        EXPECT_EQ(o.status, 1) << c.name << "\n" << o.err;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.name << "\n" << o.err;
        ASSERT_FALSE(o.err.empty()) << c.name;
        EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << c.name << ": not one line\n" << o.err;
    }
}

}  // namespace
