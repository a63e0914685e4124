#include "platform/qt/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

#include "platform/qt/pictures.h"

namespace murokan::platform {

namespace {

// The icon is laid out on a square as high as a board cell.
constexpr double kSide = kCellPixelsH;
// The bottom player's king, the piece a player looks at first.
constexpr int kIconPiece = -80;

}  // namespace

QImage drawAppIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    Pictures pictures;
    const QImage* wood = pictures.find(0);  // the empty square's board wood
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(size / kSide, size / kSide);

    // The tile: board wood with a dark rim, rounded as desktop icons are.
    const QRectF tile(3, 3, kSide - 6, kSide - 6);
    QPainterPath rounded;
    rounded.addRoundedRect(tile, 20, 20);
    p.save();
    p.setClipPath(rounded);
    p.drawImage(tile, *wood);
    p.restore();
    p.setPen(QPen(QColor(110, 70, 30), 5));
    p.drawPath(rounded);

    // The koma, a little smaller than on the board so that the rim stays free.
    const double scale = 0.9;
    p.translate(kSide / 2, kSide / 2);
    p.scale(scale, scale);
    p.translate(-kCellPixelsW / 2.0, -kCellPixelsH / 2.0);
    paintKoma(p, QFont(Pictures::minchoFamily()), kIconPiece);
    return img;
}

namespace {

// Draws the icon whenever a size is asked for and keeps nothing: the window
// system copies what it is given, and the sizes up to 512 pixels would
// otherwise stay in memory for good.
class AppIconEngine final : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, drawAppIcon(std::min(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(drawAppIcon(std::max(1, std::min(size.width(), size.height()))));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : kIconSizes) sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine* clone() const override { return new AppIconEngine; }
    QString key() const override { return QStringLiteral("murokan-app-icon"); }
};

}  // namespace

QIcon appIcon() {
    return QIcon(new AppIconEngine);
}

}  // namespace murokan::platform
