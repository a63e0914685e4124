#include "platform/qt/canvas_widget.h"

#include <malloc.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace murokan::platform {

namespace {

// The game's number of a Qt button (1 left, 2 right, 4 middle), 0 for others.
int gameButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

Qt::MouseButton qtButton(int game_button) {
    switch (game_button) {
        case 1:
            return Qt::LeftButton;
        case 2:
            return Qt::RightButton;
        case 4:
            return Qt::MiddleButton;
        default:
            return Qt::NoButton;
    }
}

}  // namespace

CanvasWidget::CanvasWidget(ImageCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(250, 200);
    release_.setSingleShot(true);
    release_.setInterval(kReleaseAfterMs);
    connect(&release_, &QTimer::timeout, this, [this] { rest(); });
}

void CanvasWidget::rest() {
    if (dragging_) return;
    scaled_ = QImage();
    scaled_generation_ = ~0u;
    canvas_.rest();
    // What was made in the heap rather than mapped on its own goes back too.
    malloc_trim(0);
}

CanvasPlacement CanvasWidget::placement() const {
    return CanvasPlacement::forWidget(width(), height());
}

void CanvasWidget::paintInto(QPainter& painter, const QSize& size, qreal device_ratio) {
    const CanvasPlacement pl = CanvasPlacement::forWidget(size.width(), size.height());
    const QRectF target(pl.left, pl.top, pl.width, pl.height);
    // Scale once per change to the device's own pixels with area averaging, so
    // text stays crisp; painting is then a plain copy.
    const QSize device(std::max(1, qRound(pl.width * device_ratio)),
                       std::max(1, qRound(pl.height * device_ratio)));
    if (scaled_.size() != device || scaled_generation_ != canvas_.generation()) {
        scaled_ = canvas_.image().scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(device_ratio);
        scaled_generation_ = canvas_.generation();
    }
    const QColor margin(24, 24, 24);
    painter.fillRect(QRectF(0, 0, size.width(), pl.top), margin);
    painter.fillRect(QRectF(0, pl.top + pl.height, size.width(), size.height()), margin);
    painter.fillRect(QRectF(0, 0, pl.left, size.height()), margin);
    painter.fillRect(QRectF(pl.left + pl.width, 0, size.width(), size.height()), margin);
    painter.drawImage(target.topLeft(), scaled_);
}

void CanvasWidget::paintDrag(QPainter& painter) {
    const QImage* pic = canvas_.dragImage();
    if (!pic) return;
    const double scale = placement().scale;
    const QSizeF size(pic->width() * scale, pic->height() * scale);
    const QRectF target(pointer_.x() - size.width() / 2, pointer_.y() - size.height() / 2,
                        size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, *pic);
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintInto(p, size(), devicePixelRatioF());
    if (dragging_) paintDrag(p);
    release_.start();
}

void CanvasWidget::endDrag() {
    held_ = 0;
    if (dragging_) {
        dragging_ = false;
        update();
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    const int button = gameButton(event->button());
    if (button == 0) return;
    endDrag();
    held_ = button;
    press_at_ = pointer_ = event->position();
    const CanvasPlacement pl = placement();
    if (on_mouse_) on_mouse_(button, pl.toTwipsX(press_at_.x()), pl.toTwipsY(press_at_.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    if (held_ == 0) return;
    // A release that went elsewhere (a message box opened by the press) ends
    // the drag without a release of its own.
    if (!(event->buttons() & qtButton(held_))) {
        endDrag();
        return;
    }
    pointer_ = event->position();
    if (!dragging_ &&
        (pointer_ - press_at_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
    }
    if (dragging_) update();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int button = gameButton(event->button());
    if (button == 0 || button != held_) return;
    endDrag();
    const CanvasPlacement pl = placement();
    const QPointF at = event->position();
    if (on_release_) on_release_(button, pl.toTwipsX(at.x()), pl.toTwipsY(at.y()));
}

}  // namespace murokan::platform
