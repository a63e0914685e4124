#include "platform/qt/window_placement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/data_folders.h"

namespace murokan::platform {

namespace {

// The strip at the top of a frame that holds the title bar, and how much of it
// must lie on one screen to be grabbed with the mouse.
constexpr int kTitleStrip = 40;
constexpr int kGrabW = 100;
constexpr int kGrabH = 20;

const QString kGroup = QStringLiteral("window");

// Every key the game keeps in the file; any other is dropped when it is
// written, so that stray keys do not pile up. A new setting joins here.
const QStringList kOwnedKeys = {
    QStringLiteral("window/x"),         QStringLiteral("window/y"),
    QStringLiteral("window/width"),     QStringLiteral("window/height"),
    QStringLiteral("window/maximized"),
};

// A file larger than this was not written by the game: it counts as no saved
// placement, and is written afresh.
constexpr qint64 kMaxFileBytes = 64 * 1024;

// Coordinates and sizes beyond this lie off any screen there is; bounding
// them keeps the sums of a frame's edges within an int.
constexpr int kFar = 1 << 20;

// Whether the file may be handed to QSettings: a regular file (a FIFO would
// hold the start in open()) of a placement's size.
bool sound(const QFileInfo& file) {
    return file.isFile() && file.size() <= kMaxFileBytes;
}

}  // namespace

bool onSomeScreen(QPoint pos, QSize size, const QList<QRect>& screens) {
    const QRect strip(pos, QSize(size.width(), kTitleStrip));
    const int need_w = std::min(kGrabW, size.width());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& s) {
        const QRect on = strip.intersected(s);
        return on.width() >= need_w && on.height() >= kGrabH;
    });
}

std::optional<QRect> fitted(const Placement& p, const QList<QRect>& screens) {
    for (const QRect& s : screens) {
        if (onSomeScreen(p.pos, p.size, {s})) return QRect(p.pos, p.size.boundedTo(s.size()));
    }
    return std::nullopt;
}

QString WindowPlacement::userFile() {
    const std::filesystem::path folder =
        user_config_folder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (folder.empty()) return {};
    return QString::fromStdString((folder / "window.ini").string());
}

std::optional<Placement> WindowPlacement::load() const {
    if (file_.isEmpty() || !sound(QFileInfo(file_))) return std::nullopt;
    QSettings ini(file_, QSettings::IniFormat);
    ini.beginGroup(kGroup);
    bool ok[4] = {};
    const auto bounded = [](int v) { return std::clamp(v, -kFar, kFar); };
    Placement p;
    p.pos = QPoint(bounded(ini.value("x").toInt(&ok[0])), bounded(ini.value("y").toInt(&ok[1])));
    p.size = QSize(bounded(ini.value("width").toInt(&ok[2])),
                   bounded(ini.value("height").toInt(&ok[3])));
    p.maximized = ini.value("maximized", false).toBool();
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }) ||
        p.size.width() <= 0 || p.size.height() <= 0) {
        return std::nullopt;
    }
    return p;
}

void WindowPlacement::show(QWidget& window) const {
    const std::optional<Placement> p = load();
    if (p) {
        QList<QRect> screens;
        for (const QScreen* s : QGuiApplication::screens())
            screens.push_back(s->availableGeometry());
        if (const std::optional<QRect> place = fitted(*p, screens)) {
            window.resize(place->size().expandedTo(window.minimumSizeHint()));
            window.move(place->topLeft());
        }
    }
    if (p && p->maximized)
        window.showMaximized();
    else
        window.show();
}

void WindowPlacement::save(const QWidget& window) const {
    Placement p;
    p.maximized = window.isMaximized() || window.isFullScreen();
    if (p.maximized) {
        // The size and place it goes back to when it is no longer maximised;
        // the frame is assumed to sit around it as it sits now.
        const QRect normal = window.normalGeometry();
        p.size = normal.size();
        p.pos = normal.topLeft() - (window.geometry().topLeft() - window.pos());
    } else {
        p.size = window.size();
        p.pos = window.pos();
    }
    if (!p.size.isValid() || p.size.isEmpty() || file_.isEmpty()) return;
    const QFileInfo file(file_);
    if (file.exists() && !file.isFile()) return;
    if (file.exists() && !sound(file)) QFile::remove(file_);
    QDir().mkpath(file.absolutePath());
    QSettings ini(file_, QSettings::IniFormat);
    for (const QString& key : ini.allKeys()) {
        if (!kOwnedKeys.contains(key)) ini.remove(key);
    }
    ini.beginGroup(kGroup);
    ini.setValue("x", p.pos.x());
    ini.setValue("y", p.pos.y());
    ini.setValue("width", p.size.width());
    ini.setValue("height", p.size.height());
    ini.setValue("maximized", p.maximized);
    ini.endGroup();
    ini.sync();
}

}  // namespace murokan::platform
