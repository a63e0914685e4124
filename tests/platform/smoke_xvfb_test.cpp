// The real program on a private Xvfb screen: it shows the board, takes a
// menu item's key and closes with Esc, and its window comes back at the size it was left, unless
// its place lies off the screen. SIGTERM ends it while a message box is open.
// Skipped when Xvfb (or the X11 client library) is missing.
#include <gtest/gtest.h>

#ifdef MUROKAN_HAVE_X11
// Qt first: X11 defines macros (Bool, Status) that Qt's headers must not see.
// clang-format off
#include <QImage>
#include <QRect>
#include <QSize>

#include "qt_test_app.h"
// clang-format on

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

fs::path exeDir() {
    std::error_code ec;
    return fs::read_symlink("/proc/self/exe", ec).parent_path();
}

std::string findXvfb() {
    for (const char* p : {"/usr/bin/Xvfb", "/usr/local/bin/Xvfb"})
        if (access(p, X_OK) == 0) return p;
    return {};
}

// Starts a child; returns its pid.
pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            const std::string& dir, int keep_fd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (!dir.empty() && chdir(dir.c_str()) != 0) _exit(126);
    for (const std::string& e : env) putenv(const_cast<char*>(e.c_str()));
    const int devnull = open("/dev/null", O_RDWR);
    dup2(devnull, 0);
    if (keep_fd != 1) dup2(devnull, 1);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
}

// Waits up to `limit` for the child to end; its exit status, or -1 on timeout.
int waitFor(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (Clock::now() < end) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

void stop(pid_t pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    if (waitFor(pid, std::chrono::milliseconds(2000)) == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

// The top-level window titled `title`, mapped, or 0.
Window findWindow(Display* d, const std::string& title) {
    Window root = DefaultRootWindow(d), parent = 0, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, root, &root, &parent, &children, &n)) return 0;
    Window found = 0;
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    const Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    for (unsigned i = 0; i < n && !found; ++i) {
        XWindowAttributes attr;
        if (!XGetWindowAttributes(d, children[i], &attr) || attr.map_state != IsViewable) continue;
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, children[i], netName, 0, 256, False, utf8, &type, &format, &items,
                               &after, &data) == Success &&
            data) {
            if (title == reinterpret_cast<char*>(data)) found = children[i];
            XFree(data);
        }
    }
    if (children) XFree(children);
    return found;
}

std::string readText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

QImage grab(Display* d, Window w) {
    XWindowAttributes attr;
    XGetWindowAttributes(d, w, &attr);
    XImage* xi = XGetImage(d, w, 0, 0, attr.width, attr.height, AllPlanes, ZPixmap);
    if (!xi) return {};
    QImage img(attr.width, attr.height, QImage::Format_RGB32);
    for (int y = 0; y < attr.height; ++y)
        for (int x = 0; x < attr.width; ++x) {
            const unsigned long p = XGetPixel(xi, x, y);
            img.setPixel(x, y, qRgb((p >> 16) & 0xff, (p >> 8) & 0xff, p & 0xff));
        }
    XDestroyImage(xi);
    return img;
}

// Presses and lets go of the key `sym` in window `w`.
void pressKey(Display* d, Window w, KeySym sym) {
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XKeyEvent k{};
    k.display = d;
    k.window = w;
    k.root = DefaultRootWindow(d);
    k.subwindow = None;
    k.time = CurrentTime;
    k.same_screen = True;
    k.keycode = XKeysymToKeycode(d, sym);
    k.type = KeyPress;
    XSendEvent(d, w, True, KeyPressMask, reinterpret_cast<XEvent*>(&k));
    k.type = KeyRelease;
    XSendEvent(d, w, True, KeyReleaseMask, reinterpret_cast<XEvent*>(&k));
    XFlush(d);
}

void pressEscape(Display* d, Window w) {
    pressKey(d, w, XK_Escape);
}

// A private X screen for one test, and the game started on it in a folder and
// with a configuration folder of its own, so no file of another run (or of
// the user) is read or written.
class XvfbScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string xvfb = findXvfb();
        if (xvfb.empty()) GTEST_SKIP() << "Xvfb is not installed: test skipped";
        game = exeDir() / "murokan";
        if (!fs::exists(game)) GTEST_SKIP() << "murokan is not built beside the tests";
        murokan::platform::test::ensureQtApp();
        // Xvfb picks a free display number and writes it to the pipe.
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        server = spawn({xvfb, "-displayfd", std::to_string(fds[1]), "-screen", "0", "1366x768x24",
                        "-nolisten", "tcp"},
                       {}, "", fds[1]);
        close(fds[1]);
        char buf[16] = {};
        const ssize_t got = read(fds[0], buf, sizeof buf - 1);
        close(fds[0]);
        if (got <= 0) GTEST_SKIP() << "Xvfb did not start: test skipped";
        display = ":";
        display += std::to_string(std::atoi(buf));
        dir = fs::temp_directory_path() / ("murokan_xvfb_" + std::to_string(getpid()));
        fs::create_directories(dir / "config");
        d = XOpenDisplay(display.c_str());
        ASSERT_NE(d, nullptr);
        // A window that closes while it is being looked at (a message box) is
        // an error Xlib would end the test for; the calls report it anyway.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    void TearDown() override {
        if (d) XCloseDisplay(d);
        if (app > 0) stop(app);
        stop(server);
        if (!dir.empty()) fs::remove_all(dir);
    }

    // Starts the game; its window, or 0 when none appeared.
    Window start() {
        app = spawn({game.string()},
                    {"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb", "SDL_AUDIODRIVER=dummy",
                     "XDG_CONFIG_HOME=" + (dir / "config").string(), "HOME=" + dir.string()},
                    dir.string());
        Window w = 0;
        const auto deadline = Clock::now() + std::chrono::seconds(12);
        while (!w && Clock::now() < deadline) {
            w = findWindow(d, "ムロカン");
            if (!w) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return w;
    }
    // Closes the game with Esc; its exit status, -1 when it did not end.
    int closeWithEscape(Window w) {
        pressEscape(d, w);
        const int status = waitFor(app, std::chrono::seconds(5));
        if (status != -1) app = 0;
        return status;
    }
    // Where the window lies on the screen.
    QRect geometry(Window w) {
        XWindowAttributes attr{};
        XGetWindowAttributes(d, w, &attr);
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child);
        return QRect(x, y, attr.width, attr.height);
    }

    fs::path game;
    fs::path dir;
    std::string display;
    pid_t server = 0;
    pid_t app = 0;
    Display* d = nullptr;
};

TEST_F(XvfbScreen, StartsShowsTheBoardAndClosesOnEscape) {
    const Window w = start();
    ASSERT_NE(w, 0u) << "no murokan window appeared";
    // Give the first paint a moment, then look for the board's wood and the baize.
    QImage shot;
    int wood = 0, baize = 0;
    for (int attempt = 0; attempt < 20 && (wood < 1000 || baize < 1000); ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        shot = grab(d, w);
        wood = baize = 0;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2) {
                const QColor c = shot.pixelColor(x, y);
                if (c.red() > 190 && c.green() > 150 && c.blue() < 150) ++wood;
                if (c.red() < 60 && c.green() > 70 && c.green() < 140 && c.blue() < 80) ++baize;
            }
    }
    fs::create_directories("shots");
    shot.save("shots/smoke_xvfb.png");
    EXPECT_GT(wood, 1000) << "no board visible; see shots/smoke_xvfb.png";
    EXPECT_GT(baize, 1000) << "no background visible; see shots/smoke_xvfb.png";
    // ← is 戻's key: before a game it is refused in a box titled "戻る".
    pressKey(d, w, XK_Left);
    Window box = 0;
    for (int i = 0; i < 60 && !box; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        box = findWindow(d, "戻る");
    }
    EXPECT_NE(box, 0u) << "← did not reach 戻";
    if (box) pressKey(d, box, XK_Return);
    for (int i = 0; i < 40 && box && findWindow(d, "戻る"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(closeWithEscape(w), 0) << "Esc did not end the program";
}

TEST_F(XvfbScreen, TheWindowComesBackAsItWasLeftUnlessItsPlaceIsOffScreen) {
    Window w = start();
    ASSERT_NE(w, 0u) << "no murokan window appeared";
    const QRect first = geometry(w);
    const QSize resized(first.width() - 150, first.height() - 120);
    XResizeWindow(d, w, resized.width(), resized.height());
    XFlush(d);
    for (int i = 0; i < 50 && geometry(w).size() != resized; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // Qt hears of it
    ASSERT_EQ(closeWithEscape(w), 0);
    const fs::path saved = dir / "config/murokan/window.ini";
    ASSERT_TRUE(fs::exists(saved)) << "nothing was saved in the configuration folder";
    EXPECT_EQ(readText(dir / "Murokan.ini").find("width"), std::string::npos);

    w = start();
    ASSERT_NE(w, 0u);
    EXPECT_EQ(geometry(w).size(), resized) << "the size did not come back";
    ASSERT_EQ(closeWithEscape(w), 0);

    // A monitor that held the window is gone: the place lies off every screen.
    std::ofstream(saved, std::ios::trunc)
        << "[window]\nx=5000\ny=4000\nwidth=" + std::to_string(resized.width()) +
               "\nheight=" + std::to_string(resized.height()) + "\nmaximized=false\n";
    w = start();
    ASSERT_NE(w, 0u);
    EXPECT_EQ(geometry(w), first) << "an off-screen place did not fall back to the default";
    EXPECT_EQ(closeWithEscape(w), 0);
}

// The desktop's request to stop ends the game while a message box waits for
// its OK (here 戻's refusal before any game), as it does at any other time.
TEST_F(XvfbScreen, SigtermEndsTheGameWhileAMessageBoxIsOpen) {
    const Window w = start();
    ASSERT_NE(w, 0u);
    pressKey(d, w, XK_Left);
    Window box = 0;
    for (int i = 0; i < 60 && !box; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        box = findWindow(d, "戻る");
    }
    ASSERT_NE(box, 0u) << "no box to answer";
    kill(app, SIGTERM);
    const int status = waitFor(app, std::chrono::seconds(3));
    if (status != -1) app = 0;
    EXPECT_EQ(status, 0) << "SIGTERM did not end the game while a box was open";
}

}  // namespace
#else
TEST(XvfbScreen, StartsShowsTheBoardAndClosesOnEscape) {
    GTEST_SKIP() << "built without the X11 client library: test skipped";
}
#endif
