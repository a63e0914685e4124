// The canvas's fixed geometry and the transform between twips, canvas pixels
// and a widget that shows the canvas scaled with its aspect kept.
#pragma once

#include <algorithm>
#include <cmath>

namespace murokan::platform {

inline constexpr int kCanvasTwipsW = 10000;
inline constexpr int kCanvasTwipsH = 8000;
inline constexpr int kTwipsPerPixel = 4;
inline constexpr int kCanvasPixelsW = kCanvasTwipsW / kTwipsPerPixel;  // 2500
inline constexpr int kCanvasPixelsH = kCanvasTwipsH / kTwipsPerPixel;  // 2000

// Twips to canvas pixels (a fractional result rounds to the nearest pixel).
inline int twipsToPixel(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// The default size of the canvas widget: the whole canvas, aspect kept, as
// large as the screen's free area allows once the window's own frame, title
// bar and menu bar (`chrome_w` x `chrome_h`) are taken off, between a quarter
// and half of the canvas's pixels.
struct WidgetSize {
    int w = 0, h = 0;
};
inline WidgetSize defaultCanvasSize(int avail_w, int avail_h, int chrome_w, int chrome_h) {
    constexpr double kAspect = double(kCanvasPixelsW) / kCanvasPixelsH;
    double h = std::min(double(avail_h - chrome_h), (avail_w - chrome_w) / kAspect);
    h = std::clamp(h, kCanvasPixelsH / 4.0, kCanvasPixelsH / 2.0);
    const int hi = static_cast<int>(h);
    return {static_cast<int>(hi * kAspect), hi};
}

// Where the scaled canvas lies inside a widget of the given size: centred,
// as large as fits, aspect kept.
struct CanvasPlacement {
    double scale = 1.0;  // widget units per canvas pixel
    double left = 0.0, top = 0.0;
    double width = 0.0, height = 0.0;

    static CanvasPlacement forWidget(double widget_w, double widget_h) {
        CanvasPlacement p;
        p.scale = std::max(1e-6, std::min(widget_w / kCanvasPixelsW, widget_h / kCanvasPixelsH));
        p.width = kCanvasPixelsW * p.scale;
        p.height = kCanvasPixelsH * p.scale;
        p.left = (widget_w - p.width) / 2.0;
        p.top = (widget_h - p.height) / 2.0;
        return p;
    }
    // A widget position in twips (outside the canvas gives values outside 0..10000/8000).
    double toTwipsX(double wx) const { return (wx - left) / scale * kTwipsPerPixel; }
    double toTwipsY(double wy) const { return (wy - top) / scale * kTwipsPerPixel; }
    // A twips position in widget units.
    double fromTwipsX(double tx) const { return left + tx / kTwipsPerPixel * scale; }
    double fromTwipsY(double ty) const { return top + ty / kTwipsPerPixel * scale; }
};

}  // namespace murokan::platform
