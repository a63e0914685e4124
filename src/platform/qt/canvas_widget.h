// Shows the canvas image scaled to the widget, aspect kept, smooth, sharp on
// HiDPI screens; turns mouse presses into twips.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/qt/canvas_geometry.h"
#include "platform/qt/image_canvas.h"

namespace murokan::platform {

class CanvasWidget : public QWidget {
    Q_OBJECT
  public:
    explicit CanvasWidget(ImageCanvas& canvas, QWidget* parent = nullptr);

    // Receives (button 1 left / 2 right / 4 middle, x twips, y twips).
    void setMouseHandler(std::function<void(int, double, double)> handler) {
        on_mouse_ = std::move(handler);
    }
    CanvasPlacement placement() const;
    // Paints the current canvas into `target` of the widget's size (also the
    // paint event's work, exposed for the benchmark).
    void paintInto(QPainter& painter, const QSize& size, qreal device_ratio);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    ImageCanvas& canvas_;
    std::function<void(int, double, double)> on_mouse_;
    // The canvas scaled to the current device size, rebuilt when either changes.
    QImage scaled_;
    unsigned scaled_generation_ = ~0u;
};

}  // namespace murokan::platform
