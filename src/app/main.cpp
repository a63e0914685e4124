// The game executable: checks for a display, works in the user's data folder
// when installed, then builds the Qt window, the sound library and Form1, and
// runs the window's event loop.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "app/quit_signals.h"
#include "app/working_folder.h"
#include "flow/form1.h"
#include "platform/qt/analysis_panel_qt.h"
#include "platform/qt/app_icon.h"
#include "platform/qt/qt_background.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/record_panel_qt.h"
#include "platform/qt/share_qt.h"
#include "platform/data_folders.h"
#include "platform/qt/window_placement.h"
#include "platform/sdl/sdl_sound_library.h"

namespace {

// True when a local socket listens at `path` (a leading '@' names an abstract socket).
bool socketAnswers(const std::string& path) {
    sockaddr_un addr{};
    if (path.size() >= sizeof addr.sun_path) return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.data(), path.size());
    if (path[0] == '@') addr.sun_path[0] = '\0';
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const socklen_t len = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    const bool ok = connect(fd, reinterpret_cast<const sockaddr*>(&addr), len) == 0;
    close(fd);
    return ok;
}

// Whether the X server that DISPLAY names answers. Only a local display
// (":0", "unix:0.0") is tried; a remote one is left for Qt to reach.
bool x11Answers(const char* display) {
    if (!display || !*display) return false;
    const std::string d = display;
    const size_t colon = d.rfind(':');
    if (colon == std::string::npos) return true;
    const std::string host = d.substr(0, colon);
    if (!host.empty() && host != "unix") return true;
    const std::string number = d.substr(colon + 1, d.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return true;
    const std::string path = "/tmp/.X11-unix/X" + number;
    return socketAnswers("@" + path) || socketAnswers(path);
}

// Qt aborts with a long report when it finds no display; the caller says it in
// one line instead. A platform other than X11 or Wayland (offscreen, vnc, …)
// needs no display; X11 needs a server that answers.
bool displayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool have_wayland = wayland && *wayland;
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) {
        const std::string name = platform;
        if (name.rfind("xcb", 0) == 0) return x11Answers(x11);
        if (name.rfind("wayland", 0) != 0) return true;
        return have_wayland;
    }
    return have_wayland || x11Answers(x11);
}

}  // namespace

int main(int argc, char** argv) {
    murokan::app::QuitSignals quit_signals;
    if (!displayAvailable()) {
        const char* x11 = std::getenv("DISPLAY");
        if (x11 && *x11) {
            std::fprintf(stderr,
                         "murokan: the display %s does not answer; start it from a desktop "
                         "session.\n",
                         x11);
        } else {
            std::fprintf(stderr,
                         "murokan: no display found (DISPLAY is not set); start it from a desktop "
                         "session.\n");
        }
        return 1;
    }
    murokan::app::enter_working_folder();
    murokan::platform::SdlSoundLibrary sound;
    QApplication app(argc, argv);
    // The audio device opens while the window is built, not after it; not
    // while Qt starts, as opening SDL2_mixer's libraries would hold up the
    // loading of Qt's own plugins.
    sound.openAhead();
    // The desktop matches the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(MUROKAN_APP_ID));
    murokan::platform::QtPlatform qt(sound);
    // 検討 and 棋譜解析: their panel beside the board, their thread, the
    // clipboard; made before Form1, which stops their work when it goes.
    murokan::platform::AnalysisPanelQt analysis_panel(qt.window(), [&qt] { return qt.waiting(); });
    murokan::platform::QtBackground background;
    murokan::platform::QtClipboard clipboard;
    murokan::Form1 form(qt.platform());
    qt.setSink(&form);
    // The record panel's controls over the canvas; input waits like the window's.
    murokan::platform::RecordPanelQt panel(qt.window().canvasWidget(),
                                           [&qt] { return qt.waiting(); });
    form.attachRecordPanel(panel);
    form.attachStudy(analysis_panel, background, clipboard);
    // The board picture and its save dialog for the 編集 menu; its コピー and
    // 貼り付け share the clipboard above.
    murokan::platform::ImageBoardImage board_image;
    murokan::platform::QtSaveDialog save_dialog(qt);
    form.attachSharing(clipboard, board_image, save_dialog);
    quit_signals.watch([&qt] { return qt.window().close(); });
    // The player's record lives beside the window's placement, in the
    // user's own folder, never beside the game's settings or records.
    if (const std::filesystem::path folder = murokan::platform::user_config_folder(
            std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
        !folder.empty()) {
        form.record_file = folder / "record.ini";
    }
    form.Form_Load();
    if (form.quit_requested()) return 0;
    // The icon is drawn once the window shows; the title itself does not wait for it.
    murokan::platform::IconAfterFirstFrame icon(qt.window().canvasWidget());
    // The window comes back where the user left it last time.
    const murokan::platform::WindowPlacement placement(
        murokan::platform::WindowPlacement::userFile());
    placement.show(qt.window());
    const int status = app.exec();
    placement.save(qt.window());
    return status;
}
