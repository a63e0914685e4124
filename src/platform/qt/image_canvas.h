// The window's persistent drawing: a QImage of 10000 x 8000 twips at four twips
// a pixel. Works with no window at all (QT_QPA_PLATFORM=offscreen), which is
// how the driver's `shot` takes its pictures.
#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <future>
#include <string>

#include "platform/platform.h"
#include "platform/qt/backgrounds.h"
#include "platform/qt/pictures.h"

namespace murokan::platform {

class ImageCanvas : public Canvas {
  public:
    // Needs a QGuiApplication (for fonts). Starts filled with the form colour QBColor(2).
    ImageCanvas();

    void picture(int code, double x, double y) override;
    void text(double x, double y, std::string_view utf8, double size, int colour,
              bool bold) override;
    void rectangle(double x1, double y1, double x2, double y2, int colour) override;
    // Calls the refresh handler (the window repaints at once), if one is set.
    void refresh() override;
    // Remembers the picture a drag shows; the image itself is not touched.
    void dragPicture(int code) override { drag_code_ = code; }
    // The picture a drag shows now, at canvas resolution; nullptr for none.
    const QImage* dragImage();

    const QImage& image() const {
        awaitFill();
        return image_;
    }
    // Lets go of what is painted again when needed (the stock pictures), for
    // a window at rest; the drawing itself stays.
    void rest() { pictures_.release(); }
    // Writes the canvas as a PNG; false when it cannot be written.
    bool savePng(const std::string& path) const;
    // Bumped by every drawing call, so a viewer knows when its copy is stale.
    unsigned generation() const { return generation_; }
    // Called after every drawing call (schedule a repaint) and on refresh (repaint now).
    void setChanged(std::function<void()> on_change) { on_change_ = std::move(on_change); }
    void setRefresh(std::function<void()> on_refresh) { on_refresh_ = std::move(on_refresh); }

  private:
    void changed();
    // Waits for the fill the constructor started, once.
    void awaitFill() const {
        if (filled_.valid()) filled_.get();
    }

    QImage image_;
    // Filling 20 MB first touches every page of it, which costs the thread
    // that does it several times the filling: done on a thread of its own
    // while the window is built, and waited for by the first drawing.
    mutable std::future<void> filled_;
    Pictures pictures_;
    Backgrounds backgrounds_;
    QString family_;
    unsigned generation_ = 0;
    int drag_code_ = 0;
    std::function<void()> on_change_;
    std::function<void()> on_refresh_;
};

}  // namespace murokan::platform
