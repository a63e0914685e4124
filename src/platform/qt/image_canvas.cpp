#include "platform/qt/image_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "platform/qbcolor.h"
#include "platform/qt/canvas_geometry.h"
#include "platform/qt/large_image.h"

namespace murokan::platform {

namespace {

QColor toQColor(int qb) {
    const Rgb c = qbColor(qb);
    return QColor(c.r, c.g, c.b);
}

// Outlines are one screen pixel of the original window (15 twips), which at our
// resolution is four canvas pixels.
constexpr double kLineWidth = 4.0;

}  // namespace

ImageCanvas::ImageCanvas()
    : image_(makeLargeImage(kCanvasPixelsW, kCanvasPixelsH, QImage::Format_RGB32)),
      family_(Pictures::minchoFamily()) {
    filled_ = std::async(std::launch::async, [this] { image_.fill(toQColor(2)); });
    // The title shows most of them; they are painted while the window is built.
    pictures_.paintAhead();
}

void ImageCanvas::changed() {
    ++generation_;
    if (on_change_) on_change_();
}

void ImageCanvas::picture(int code, double x, double y) {
    awaitFill();
    const int px = twipsToPixel(x), py = twipsToPixel(y);
    if (Backgrounds::has(code)) {
        // The part of the whole-canvas texture under this cell.
        const QRect cell = QRect(px, py, kCellPixelsW, kCellPixelsH).intersected(image_.rect());
        if (!cell.isEmpty()) backgrounds_.paintOnto(image_, code, cell);
        changed();
        return;
    }
    const QImage* pic = pictures_.find(code);
    if (!pic) return;
    QPainter p(&image_);
    p.drawImage(QPoint(px, py), *pic);
    p.end();
    changed();
}

void ImageCanvas::text(double x, double y, std::string_view utf8, double size, int colour,
                       bool bold) {
    if (utf8.empty()) return;
    awaitFill();
    QFont f(family_);
    // A point is 20 twips; a canvas pixel is 4 twips.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size * 20.0 / kTwipsPerPixel))));
    f.setStyleStrategy(QFont::PreferAntialias);
    const QFontMetricsF m(f);
    // The position is the top-left of the text line, so the baseline lies one ascent lower.
    const QPointF baseline(x / kTwipsPerPixel, y / kTwipsPerPixel + m.ascent());
    const QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QPainter p(&image_);
    if (bold) {
        QPainterPath outline;
        outline.addText(baseline, f, s);
        fillBold(p, outline, f.pixelSize(), toQColor(colour));
    } else {
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(f);
        p.setPen(toQColor(colour));
        p.drawText(baseline, s);
    }
    p.end();
    changed();
}

void ImageCanvas::rectangle(double x1, double y1, double x2, double y2, int colour) {
    awaitFill();
    QPainter p(&image_);
    QPen pen(toQColor(colour), kLineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QPointF a(x1 / kTwipsPerPixel, y1 / kTwipsPerPixel);
    const QPointF b(x2 / kTwipsPerPixel, y2 / kTwipsPerPixel);
    p.drawRect(QRectF(a, b).normalized());
    p.end();
    changed();
}

void ImageCanvas::refresh() {
    if (on_refresh_) on_refresh_();
}

const QImage* ImageCanvas::dragImage() {
    // A background is a whole-canvas texture, not something to carry.
    if (drag_code_ == 0 || Backgrounds::has(drag_code_)) return nullptr;
    return pictures_.find(drag_code_);
}

bool ImageCanvas::savePng(const std::string& path) const {
    return image().save(QString::fromStdString(path), "PNG");
}

}  // namespace murokan::platform
