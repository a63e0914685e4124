#include "platform/qt/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

namespace murokan::platform {

CanvasWidget::CanvasWidget(ImageCanvas& canvas, QWidget* parent)
    : QWidget(parent), canvas_(canvas) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(250, 200);
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

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintInto(p, size(), devicePixelRatioF());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton:
            button = 1;
            break;
        case Qt::RightButton:
            button = 2;
            break;
        case Qt::MiddleButton:
            button = 4;
            break;
        default:
            return;
    }
    const CanvasPlacement pl = placement();
    const QPointF at = event->position();
    if (on_mouse_) on_mouse_(button, pl.toTwipsX(at.x()), pl.toTwipsY(at.y()));
}

}  // namespace murokan::platform
