// Runs every driver script in scripts/ through the built murokan-script and
// compares what it prints with the script's .expected file, line by line.
// To add a case, drop NAME.script and NAME.expected into scripts/.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/recording_platform.h"

namespace {

namespace fs = std::filesystem;

struct RunResult {
    std::string out;
    int status = -1;  // exit status, or -1 when the program did not exit normally
};

// Runs `command` through the shell and collects its standard output.
RunResult run(const std::string& command) {
    RunResult r;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return r;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status)) r.status = WEXITSTATUS(status);
    return r;
}

std::string shell_quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string read_file(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs the driver with `arguments` in a new empty working directory, so that
// files it reads at start-up (settings) never come from an earlier run. A run
// that hangs is ended, with status 124.
RunResult run_in_fresh_dir(const std::string& arguments) {
    static int serial = 0;
    const fs::path dir =
        fs::temp_directory_path() /
        ("murokan-script-test-" + std::to_string(getpid()) + "-" + std::to_string(++serial));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const RunResult r = run("cd " + shell_quoted(dir.string()) + " && timeout 120 " +
                            shell_quoted(MUROKAN_SCRIPT_BIN) + " " + arguments);
    fs::remove_all(dir);
    return r;
}

std::vector<std::string> script_names() {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(MUROKAN_SCRIPT_DIR)) {
        if (e.path().extension() == ".script") names.push_back(e.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

fs::path script_path(const std::string& name) {
    return fs::path(MUROKAN_SCRIPT_DIR) / (name + ".script");
}

// The driver's exit status for a run that printed `out`: a refused line
// ("error ...") must make it fail.
int status_for(const std::string& out) {
    const bool refused = out.rfind("error ", 0) == 0 || out.find("\nerror ") != std::string::npos;
    return refused ? 3 : 0;
}

class Script : public ::testing::TestWithParam<std::string> {};

TEST_P(Script, PrintsWhatIsExpected) {
    const fs::path script = script_path(GetParam());
    const fs::path expected = fs::path(MUROKAN_SCRIPT_DIR) / (GetParam() + ".expected");
    ASSERT_TRUE(fs::exists(expected)) << expected;

    const RunResult r = run_in_fresh_dir(shell_quoted(script.string()));
    EXPECT_EQ(r.status, status_for(r.out));
    // Whole texts, so that a failure shows a line diff.
    EXPECT_EQ(r.out, read_file(expected));
}

INSTANTIATE_TEST_SUITE_P(Driver, Script, ::testing::ValuesIn(script_names()),
                         [](const auto& info) { return info.param; });

TEST(Driver, ReadsStandardInputLikeAFile) {
    const std::string script = script_path("core_moves").string();
    const RunResult from_file = run_in_fresh_dir(shell_quoted(script));
    const RunResult from_stdin = run_in_fresh_dir("< " + shell_quoted(script));
    EXPECT_EQ(from_stdin.status, from_file.status);
    EXPECT_FALSE(from_file.out.empty());
    EXPECT_EQ(from_stdin.out, from_file.out);
}

TEST(Driver, UnreadableInputFailsQuietly) {
    const RunResult r = run_in_fresh_dir("/nonexistent/none.script 2>/dev/null");
    EXPECT_EQ(r.status, 1);
}

// A long self-play script: the driver forgets the event lines it printed, and
// the drawing it keeps stays within the recording fake's bound however long
// the script runs. (Each kept drawing call costs about a hundred bytes.)
TEST(Driver, ALongScriptKeepsItsRecordingBounded) {
    std::string script;
    for (int game = 0; game < 2; ++game) {
        script += "menu CANCEL\nmenu GOTE\n";
        for (int move = 0; move < 499; ++move) script += "com\n";
    }
    script += "kept\n";
    const fs::path file =
        fs::temp_directory_path() / ("murokan-script-long-" + std::to_string(getpid()) + ".script");
    std::ofstream(file, std::ios::binary) << script;
    const RunResult r = run_in_fresh_dir(shell_quoted(file.string()));
    fs::remove(file);
    ASSERT_EQ(r.status, 0);
    const size_t at = r.out.rfind("kept draw ");
    ASSERT_NE(at, std::string::npos)
        << r.out.substr(r.out.size() - std::min<size_t>(500, r.out.size()));
    unsigned long draw = 0, dropped = 0, events = 0, boxes = 0, waits = 0;
    ASSERT_EQ(
        std::sscanf(r.out.c_str() + at, "kept draw %lu dropped %lu events %lu boxes %lu waits %lu",
                    &draw, &dropped, &events, &boxes, &waits),
        5);
    EXPECT_GT(dropped, 0u) << "the script never reached the bound, so it tests nothing";
    EXPECT_LE(draw, murokan::platform::RECORDING_LIMIT);
    EXPECT_EQ(events, 0u);  // every line was printed, so none is kept
    EXPECT_LE(boxes, murokan::platform::RECORDING_LIMIT);
    EXPECT_LE(waits, murokan::platform::RECORDING_LIMIT);
}

// The driver's `load` sets the game up as the file list's click does, through
// the window's own setup: the board is drawn afresh. The game played before
// the load must not stay on the screen.
TEST(Driver, LoadDrawsTheBoardAfresh) {
    const fs::path dir =
        fs::temp_directory_path() / ("murokan-script-load-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const auto run_script = [&dir](const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
        return run("cd " + shell_quoted(dir.string()) + " && " + shell_quoted(MUROKAN_SCRIPT_BIN) +
                   " " + name + " 2>/dev/null");
    };
    // A record of two moves, then the untouched start as the window first draws it.
    ASSERT_EQ(
        run_script("record.script", "position startpos\nmove 7g7f\nmove 3c3d\nsave game.棋譜\n")
            .status,
        0);
    ASSERT_EQ(run_script("start.script", "shot start.png\n").status, 0);
    // Two moves played with the mouse, then the record loaded: its entry 0 is
    // the start, so the picture must equal the untouched one.
    ASSERT_EQ(run_script("loaded.script",
                         "menu START\nclick 7 7\nclick 7 6\nclick 3 3\nclick 3 4\n"
                         "load game.棋譜\nshot loaded.png\n")
                  .status,
              0);
    const std::string start = read_file(dir / "start.png");
    const std::string loaded = read_file(dir / "loaded.png");
    EXPECT_FALSE(start.empty());
    EXPECT_TRUE(start == loaded) << "the board after load differs from the start position";
    fs::remove_all(dir);
}

}  // namespace
