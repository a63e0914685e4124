// murokan-icongen DIR ID: draws the game's icon into DIR/<n>x<n>/apps/ID.png
// at each size the desktop is given, as the hicolor icon theme lays them out.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "platform/qt/app_icon.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: murokan-icongen DIR ID\n");
        return 2;
    }
    // Drawing needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString id = QString::fromLocal8Bit(argv[2]);
    for (int size : murokan::platform::kIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
        const QString path = QStringLiteral("%1/%2.png").arg(folder, id);
        if (!QDir().mkpath(folder) || !murokan::platform::drawAppIcon(size).save(path)) {
            std::fprintf(stderr, "murokan-icongen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
