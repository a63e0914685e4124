// The game executable: checks for a display, then builds the Qt window, the
// sound library and Form1, and runs the window's event loop.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "flow/form1.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/record_panel_qt.h"
#include "platform/sdl/sdl_sound_library.h"

namespace {

// Qt aborts with a long report when it finds no display; say it in one line instead.
bool displayAvailable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fprintf(
            stderr,
            "murokan: no display found (DISPLAY is not set); start it from a desktop session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    murokan::platform::SdlSoundLibrary sound;
    murokan::platform::QtPlatform qt(sound);
    murokan::Form1 form(qt.platform());
    qt.setSink(&form);
    // The record panel's controls over the canvas; input waits like the window's.
    murokan::platform::RecordPanelQt panel(qt.window().canvasWidget(),
                                           [&qt] { return qt.waiting(); });
    form.attachRecordPanel(panel);
    form.Form_Load();
    if (form.quit_requested()) return 0;
    qt.window().show();
    return app.exec();
}
