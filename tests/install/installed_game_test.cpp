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
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A fresh folder for one run, removed afterwards.
struct Scratch {
    fs::path dir = fs::temp_directory_path() / ("murokan_installed_" + std::to_string(getpid()));
    Scratch() {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Scratch() { fs::remove_all(dir); }
};

// Starts the installed game in `start` with `set` added to this process's
// environment and `unset` taken from it; its error output goes to `err`.
pid_t start_game(const fs::path& start, const std::vector<std::string>& set,
                 const std::vector<std::string>& unset, const fs::path& err) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (chdir(start.c_str()) != 0) _exit(126);
    for (const std::string& name : unset) unsetenv(name.c_str());
    for (const std::string& e : set) putenv(const_cast<char*>(e.c_str()));
    const int null = open("/dev/null", O_RDWR);
    const int log = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(null, 0);
    dup2(null, 1);
    dup2(log, 2);
    execl(MUROKAN_INSTALLED_GAME, "murokan", static_cast<char*>(nullptr));
    _exit(127);
}

// The game's exit status once it has ended within `limit`; -1 when it has not
// (it is then killed), 128 + n when signal n ended it.
int wait_for(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    int status = 0;
    while (Clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(50ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

bool appears(const fs::path& file, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        if (fs::exists(file)) return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

// Names of the files that were read in the folder that `fd` watches.
std::set<std::string> files_read(int fd) {
    std::set<std::string> names;
    alignas(inotify_event) char buf[8192];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) {
        for (char* p = buf; p < buf + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->len > 0 && (e->mask & IN_ACCESS)) names.insert(e->name);
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
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST(InstalledGame, WorksInTheUsersDataFolderAndEndsOnRequest) {
    const fs::path data = MUROKAN_INSTALLED_DATA;
    std::set<std::string> waves;
    for (const auto& entry : fs::directory_iterator(data))
        if (entry.path().extension() == ".wav") waves.insert(entry.path().filename().string());
    ASSERT_EQ(waves.size(), 5u) << "the install should put the five wave files in " << data;
    ASSERT_TRUE(fs::exists(data / "Murokan.htm")) << "no help page in " << data;

    struct Case {
        const char* name;
        bool xdg;  // XDG_DATA_HOME set, else only HOME
    } const cases[] = {{"HOME alone", false}, {"XDG_DATA_HOME set", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Scratch scratch;
        const fs::path home = scratch.dir / "home", start = scratch.dir / "elsewhere",
                       xdg = scratch.dir / "xdg data";
        fs::create_directories(home);
        fs::create_directories(start);
        const fs::path working = c.xdg ? xdg / "murokan" : home / ".local/share/murokan";
        std::vector<std::string> set = {"HOME=" + home.string(), "QT_QPA_PLATFORM=offscreen",
                                        "SDL_AUDIODRIVER=dummy"};
        if (c.xdg) set.push_back("XDG_DATA_HOME=" + xdg.string());
        const std::vector<std::string> unset = {"DISPLAY", "WAYLAND_DISPLAY", "XDG_DATA_HOME",
                                                "XDG_CONFIG_HOME", "XDG_CACHE_HOME"};

        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        ASSERT_GE(inotify_add_watch(watch, data.c_str(), IN_ACCESS), 0);
        const fs::path err = scratch.dir / "stderr.txt";
        const pid_t game = start_game(start, set, unset, err);
        ASSERT_GT(game, 0);

        const bool written = appears(working / "Murokan.ini", 60s);
        EXPECT_TRUE(written) << "no settings file in " << working << "\n" << read_text(err);
        kill(game, SIGTERM);
        EXPECT_EQ(wait_for(game, 30s), 0) << "no clean end on SIGTERM\n" << read_text(err);

        EXPECT_EQ(files_read(watch), waves) << "the wave files were not all read from " << data;
        close(watch);
        EXPECT_EQ(settings_files_under({scratch.dir, MUROKAN_INSTALL_PREFIX}),
                  std::set<fs::path>{working / "Murokan.ini"});
        // The defaults, one line per option.
        const std::string ini = read_text(working / "Murokan.ini");
        EXPECT_EQ(std::count(ini.begin(), ini.end(), '\n'), 4) << ini;
    }
}

}  // namespace
