#include "platform/qt/app_icon.h"

#include <QApplication>
#include <QEvent>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <future>

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

using Drawn = std::array<QImage, kIconSizes.size()>;

// Draws the icon when a size is asked for and keeps nothing for long: the
// window system copies what it is given, and the sizes up to 512 pixels would
// otherwise stay in memory for good. Every size is drawn ahead once, on a
// thread, while the first window is being built; once that window has taken
// them all, later ones are drawn when asked for.
class AppIconEngine final : public QIconEngine {
  public:
    explicit AppIconEngine(std::shared_future<Drawn> ahead) : ahead_(std::move(ahead)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, take(std::min(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(take(std::max(1, std::min(size.width(), size.height()))));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : kIconSizes) sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine* clone() const override { return new AppIconEngine(ahead_); }
    QString key() const override { return QStringLiteral("murokan-app-icon"); }

  private:
    // The icon at `side` pixels: the one drawn ahead while it is kept, else drawn now.
    QImage take(int side) {
        const auto* at = std::find(kIconSizes.begin(), kIconSizes.end(), side);
        if (!ahead_.valid() || at == kIconSizes.end()) return drawAppIcon(side);
        const auto i = static_cast<std::size_t>(at - kIconSizes.begin());
        QImage img = ahead_.get()[i];
        taken_ |= 1u << i;
        if (taken_ == (1u << kIconSizes.size()) - 1) ahead_ = {};
        return img;
    }

    std::shared_future<Drawn> ahead_;
    unsigned taken_ = 0;  // bit i: size i was handed over
};

// Every size of the icon, smallest first; those left when `stop` is set
// stay empty.
Drawn drawAll(const std::atomic<bool>* stop = nullptr) {
    Drawn drawn;
    for (std::size_t i = 0; i < kIconSizes.size() && !(stop && *stop); ++i)
        drawn[i] = drawAppIcon(kIconSizes[i]);
    return drawn;
}

}  // namespace

QIcon appIcon() {
    return QIcon(
        new AppIconEngine(std::async(std::launch::async, [] { return drawAll(); }).share()));
}

IconAfterFirstFrame::IconAfterFirstFrame(QWidget& first) {
    first.installEventFilter(this);
}

IconAfterFirstFrame::~IconAfterFirstFrame() {
    // A game that ends at once does not wait for the larger sizes.
    stop_ = true;
    if (drawing_.valid()) drawing_.wait();
}

bool IconAfterFirstFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Once this frame is painted, not while it is.
        QTimer::singleShot(0, this, [this] { startDrawing(); });
    }
    return false;
}

void IconAfterFirstFrame::startDrawing() {
    drawing_ =
        std::async(std::launch::async, [this] {
            Drawn drawn = drawAll(&stop_);
            if (stop_) return drawn;
            // Handed over on the window's thread; drawing_ is set by then.
            QMetaObject::invokeMethod(
                this, [this] { QApplication::setWindowIcon(QIcon(new AppIconEngine(drawing_))); },
                Qt::QueuedConnection);
            return drawn;
        }).share();
}

}  // namespace murokan::platform
