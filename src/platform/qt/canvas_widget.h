// Shows the canvas image scaled to the widget, aspect kept, smooth, sharp on
// HiDPI screens; turns mouse presses and releases into twips, and draws the
// picture of a drag over the canvas while the pressed button is held. The
// scaled copy and the canvas's stock pictures are let go once the window
// rests: the window's own backing store still holds what it shows.
#pragma once

#include <QImage>
#include <QPointF>
#include <QTimer>
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
    using MouseHandler = std::function<void(int, double, double)>;
    void setMouseHandler(MouseHandler handler) { on_mouse_ = std::move(handler); }
    // Receives the release of the button that was pressed last, in the same terms.
    void setReleaseHandler(MouseHandler handler) { on_release_ = std::move(handler); }
    CanvasPlacement placement() const;
    // Paints the current canvas into `target` of the widget's size (also the
    // paint event's work, exposed for the benchmark).
    void paintInto(QPainter& painter, const QSize& size, qreal device_ratio);
    // True while a drag's picture is being drawn at the pointer.
    bool dragging() const { return dragging_; }
    // Whether the scaled copy of the canvas is kept now (for tests).
    bool holdsScaledCopy() const { return !scaled_.isNull(); }
    // How long the window rests after a paint before the copies go.
    static constexpr int kReleaseAfterMs = 1000;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // Paints the drag's picture centred on the pointer, at the canvas's scale.
    void paintDrag(QPainter& painter);
    void endDrag();
    // Lets the scaled copy and the stock pictures go, unless a drag is drawn.
    void rest();

    ImageCanvas& canvas_;
    MouseHandler on_mouse_;
    MouseHandler on_release_;
    // The canvas scaled to the current device size, rebuilt when either changes.
    QImage scaled_;
    unsigned scaled_generation_ = ~0u;
    QTimer release_;  // restarted by every paint
    // The press being held: its game button (0 none), where it began, where the pointer is.
    int held_ = 0;
    QPointF press_at_;
    QPointF pointer_;
    bool dragging_ = false;  // the pointer has moved away from the press
};

}  // namespace murokan::platform
