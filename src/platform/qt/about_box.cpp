#include "platform/qt/about_box.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

#include "platform/qt/pictures.h"

namespace murokan::platform {

namespace {

// The box is laid out in twips like the main window; one logical pixel here is 10 twips.
constexpr int kTwipsPerUnit = 10;
constexpr int kWidthTwips = 5055;
constexpr int kHeightTwips = 1700;

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerUnit, top / kTwipsPerUnit, width / kTwipsPerUnit,
                 height / kTwipsPerUnit);
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("バージョン情報"));
    setModal(true);
    setFixedSize(kWidthTwips / kTwipsPerUnit, kHeightTwips / kTwipsPerUnit);

    auto* home = new QPushButton(QStringLiteral("ホームページ"), this);
    home->setGeometry(twipsRect(600, 1080, 1575, 375));
    auto* ok = new QPushButton(QStringLiteral("O K"), this);
    ok->setGeometry(twipsRect(2880, 1080, 1575, 375));
    ok->setDefault(true);
    connect(home, &QPushButton::clicked, this, [this] { done(kHomePage); });
    connect(ok, &QPushButton::clicked, this, [this] { done(kOk); });

    // The background picture, drawn once at twice the box's size for HiDPI screens.
    const QSize sz = size() * 2;
    picture_ = QImage(sz, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&picture_);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wood(0, 0, 0, sz.height());
    wood.setColorAt(0, QColor(250, 228, 176));
    wood.setColorAt(1, QColor(214, 170, 100));
    p.fillRect(picture_.rect(), wood);
    Pictures pics;
    if (const QImage* title = pics.find(-3))
        p.drawImage(
            QRectF(30, 20, sz.width() * 0.55, sz.width() * 0.55 * title->height() / title->width()),
            *title);
    QFont f(Pictures::minchoFamily());
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(60, 30, 10));
    p.drawText(QRectF(sz.width() * 0.58, 30, sz.width() * 0.4, 80), Qt::AlignCenter,
               QStringLiteral("Version 1.0"));
    f.setPixelSize(26);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(sz.width() * 0.58, 110, sz.width() * 0.4, 60), Qt::AlignCenter,
               QStringLiteral("はじき将棋"));
    p.end();
    picture_.setDevicePixelRatio(2.0);
}

void AboutBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
}

}  // namespace murokan::platform
