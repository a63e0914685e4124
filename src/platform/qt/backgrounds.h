// The five backgrounds (drawing codes 5..9): textures over the whole canvas,
// of which a cell shows the part under it, so that neighbouring cells join
// without seams. A whole texture at canvas resolution holds 20 MB and takes 5
// million pixels to paint: the noise textures (green baize, tatami) paint only
// the part asked for and keep none of it; the others are painted whole when
// first shown and kept only while they are the one asked for.
#pragma once

#include <QImage>
#include <QRect>
#include <cstdint>
#include <map>
#include <vector>

namespace murokan::platform {

class Backgrounds {
  public:
    static bool has(int code) { return code >= 5 && code <= 9; }

    // The part `part` (canvas pixels, inside the canvas) of background
    // `code`'s texture, pixel for pixel what the whole texture holds there.
    QImage paint(int code, const QRect& part);
    // The same part painted in place on `canvas` (an RGB32 image of the
    // canvas's size), with no picture of its own in between.
    void paintOnto(QImage& canvas, int code, const QRect& part);

  private:
    // Paints `part` of the texture into `target` (RGB32), its top-left at `at`.
    void paintAt(QImage& target, QPoint at, int code, const QRect& part);
    // The whole texture of a background painted with QPainter (7..9).
    const QImage& whole(int code);
    // The noise textures draw one number per pixel, row by row: the state of
    // the generator at every 64th pixel of each row (320 KB) lets a part
    // start anywhere after a few steps.
    const std::vector<std::uint32_t>& rowStates(int code);
    void paintNoise(QImage& target, QPoint at, int code, const QRect& part);
    static void paintShapes(QImage& target, QPoint at, int code, const QRect& part);

    std::map<int, std::vector<std::uint32_t>> row_states_;
    int whole_code_ = 0;
    QImage whole_;
};

}  // namespace murokan::platform
