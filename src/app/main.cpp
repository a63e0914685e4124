// The game executable: checks for a display, then hands over to the Qt window.
#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>

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
        std::fprintf(stderr, "murokan: no display found (DISPLAY is not set); start it from a desktop session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Murokan"));
    window.resize(1200, 960);
    window.show();
    return app.exec();
}
