// The installed game started as a desktop starts it: from an unrelated folder,
// with a fresh home, on the offscreen platform. It must read its wave files
// from the installed data folder (a warning box would hold the start-up before
// the settings are written), keep Murokan.ini in the user's data folder and
// nowhere else, and end cleanly when the session asks it to stop.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Starts the installed game in `start` with `env` set and the variables that
// could lead it elsewhere unset; its error output goes to `err`.
pid_t start_game(const fs::path& start, const std::vector<std::string>& env, const fs::path& err) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (chdir(start.c_str()) != 0) _exit(126);
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "HOME", "XDG_DATA_HOME",
                             "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
        unsetenv(name);
    for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
    const int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    execl(MUROKAN_INSTALLED_GAME, "murokan", static_cast<char*>(nullptr));
    _exit(127);
}

// Polls `done` every 50 ms for up to `limit`; whether it came true.
template <typename F>
bool within(std::chrono::seconds limit, F done) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// The exit status of a game asked to stop by SIGTERM; -1 when it did not end
// within the limit (it is killed then), 128 + n when signal n ended it.
int stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    if (within(30s, [&] { return waitpid(pid, &status, WNOHANG) == pid; }))
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

// Names of the files read in the folder that the inotify descriptor watches.
std::set<std::string> files_read(int fd) {
    std::set<std::string> names;
    alignas(inotify_event) char buf[8192];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) {
        for (char* p = buf; p < buf + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->len > 0) names.insert(e->name);
            p += sizeof(inotify_event) + e->len;
        }
    }
    return names;
}

std::set<fs::path> settings_files_under(const std::vector<fs::path>& roots) {
    std::set<fs::path> found;
    for (const fs::path& root : roots)
        for (const auto& entry : fs::recursive_directory_iterator(root))
            if (entry.path().filename() == "Murokan.ini") found.insert(entry.path());
    return found;
}

std::string read_text(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(InstalledGame, WorksInTheUsersDataFolderAndEndsOnRequest) {
    const fs::path data = MUROKAN_INSTALLED_DATA;
    std::set<std::string> waves;
    for (const auto& entry : fs::directory_iterator(data))
        if (entry.path().extension() == ".wav") waves.insert(entry.path().filename().string());
    ASSERT_EQ(waves.size(), 5u) << "the install should put the five wave files in " << data;
    ASSERT_TRUE(fs::exists(data / "Murokan.htm")) << "no help page in " << data;

    const fs::path scratch =
        fs::temp_directory_path() / ("murokan_installed_" + std::to_string(getpid()));
    const fs::path home = scratch / "home", start = scratch / "elsewhere", xdg = scratch / "xdg";
    for (bool with_xdg : {false, true}) {
        SCOPED_TRACE(with_xdg ? "XDG_DATA_HOME set" : "HOME alone");
        fs::remove_all(scratch);
        fs::create_directories(home);
        fs::create_directories(start);
        const fs::path working = with_xdg ? xdg / "murokan" : home / ".local/share/murokan";
        std::vector<std::string> env = {"HOME=" + home.string(), "QT_QPA_PLATFORM=offscreen",
                                        "SDL_AUDIODRIVER=dummy"};
        if (with_xdg) env.push_back("XDG_DATA_HOME=" + xdg.string());

        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(inotify_add_watch(watch, data.c_str(), IN_ACCESS), 0);
        const fs::path err = scratch / "stderr.txt";
        const pid_t game = start_game(start, env, err);
        ASSERT_GT(game, 0);
        EXPECT_TRUE(within(60s, [&] { return fs::exists(working / "Murokan.ini"); }))
            << "no settings file in " << working << "\n"
            << read_text(err);
        EXPECT_EQ(stop(game), 0) << "no clean end on SIGTERM\n" << read_text(err);

        EXPECT_EQ(files_read(watch), waves) << "the wave files were not all read from " << data;
        close(watch);
        EXPECT_EQ(settings_files_under({scratch, MUROKAN_INSTALL_PREFIX}),
                  std::set<fs::path>{working / "Murokan.ini"});
        const std::string ini = read_text(working / "Murokan.ini");
        EXPECT_EQ(std::count(ini.begin(), ini.end(), '\n'), 4) << "not the four default lines";
    }
    fs::remove_all(scratch);
}

// Without a home the game says its settings stay in the folder it started in,
// and nothing else is written: its window placement is kept for the run only,
// not at the root of the file system.
TEST(InstalledGame, WithoutAHomeWritesOnlyInTheCurrentFolder) {
    const fs::path scratch =
        fs::temp_directory_path() / ("murokan_nohome_" + std::to_string(getpid()));
    const fs::path start = scratch / "start", err = scratch / "stderr.txt";
    fs::remove_all(scratch);
    fs::create_directories(start);
    const fs::path at_root = "/.config/murokan/window.ini";
    const bool was_at_root = fs::exists(at_root);
    const pid_t game =
        start_game(start, {"QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy"}, err);
    ASSERT_GT(game, 0);
    EXPECT_TRUE(within(60s, [&] { return fs::exists(start / "Murokan.ini"); })) << read_text(err);
    EXPECT_EQ(stop(game), 0) << read_text(err);
    std::set<fs::path> written;
    for (const auto& entry : fs::recursive_directory_iterator(scratch))
        if (!entry.is_directory()) written.insert(entry.path());
    EXPECT_EQ(written, (std::set<fs::path>{start / "Murokan.ini", err}));
    if (!was_at_root) {
        EXPECT_FALSE(fs::exists(at_root)) << "the placement went to the root";
    }
    fs::remove_all(scratch);
}

}  // namespace
