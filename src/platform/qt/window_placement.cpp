#include "platform/qt/window_placement.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <algorithm>

namespace murokan::platform {

namespace {

// The strip at the top of a frame that holds the title bar, and how much of it
// must lie on one screen to be grabbed with the mouse.
constexpr int kTitleStrip = 40;
constexpr int kGrabW = 100;
constexpr int kGrabH = 20;

const QString kGroup = QStringLiteral("window");

}  // namespace

bool onSomeScreen(QPoint pos, QSize size, const QList<QRect>& screens) {
    const QRect strip(pos, QSize(size.width(), kTitleStrip));
    const int need_w = std::min(kGrabW, size.width());
    return std::any_of(screens.begin(), screens.end(), [&](const QRect& s) {
        const QRect on = strip.intersected(s);
        return on.width() >= need_w && on.height() >= kGrabH;
    });
}

QString WindowPlacement::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/murokan/window.ini");
}

std::optional<Placement> WindowPlacement::load() const {
    if (!QFileInfo::exists(file_)) return std::nullopt;
    QSettings ini(file_, QSettings::IniFormat);
    ini.beginGroup(kGroup);
    bool ok[4] = {};
    Placement p;
    p.pos = QPoint(ini.value("x").toInt(&ok[0]), ini.value("y").toInt(&ok[1]));
    p.size = QSize(ini.value("width").toInt(&ok[2]), ini.value("height").toInt(&ok[3]));
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
        if (onSomeScreen(p->pos, p->size, screens)) {
            window.resize(p->size.expandedTo(window.minimumSizeHint()));
            window.move(p->pos);
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
    if (!p.size.isValid() || p.size.isEmpty()) return;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QSettings ini(file_, QSettings::IniFormat);
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
