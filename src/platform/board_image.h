// A picture of part of the window's drawing, made off the screen: the game
// draws on a canvas of the window's size that is never shown, then writes an
// area of it as a PNG or puts it on the clipboard as an image. The file name
// comes from a save dialog.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace murokan::platform {

// An area of the canvas in twips.
struct TwipsArea {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

class BoardImage {
  public:
    virtual ~BoardImage() = default;
    // A blank canvas of the window's size (10000 x 8000 twips), cleared by
    // each call; what is drawn on it is never shown.
    virtual Canvas& fresh() = 0;
    // Writes `area` of what was drawn as a PNG at `scale` (1: 8 twips a
    // pixel, 2: 4 twips a pixel). False when the file cannot be written.
    virtual bool savePng(const TwipsArea& area, int scale, std::string_view path) = 0;
    // Puts the same picture on the clipboard as an image.
    virtual void copyImage(const TwipsArea& area, int scale) = 0;
};

class SaveDialog {
  public:
    virtual ~SaveDialog() = default;
    // Asks where to save a PNG picture, `suggested` filled in; "" when the
    // user cancelled. The answer ends in ".png".
    virtual std::string askSavePath(std::string_view title, std::string_view suggested) = 0;
};

// The picture's size in pixels for an area and a scale: at 2x exactly twice
// the size at 1x.
inline int imagePixels(double twips, int scale) {
    return static_cast<int>(twips / 8.0 + 0.5) * scale;
}

}  // namespace murokan::platform
