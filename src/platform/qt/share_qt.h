// The clipboard, the off-screen board picture and the save dialog on Qt.
#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "platform/board_image.h"
#include "platform/clipboard.h"
#include "platform/qt/image_canvas.h"

namespace murokan::platform {

class QtPlatform;

// Draws on an ImageCanvas of its own. Needs a QGuiApplication, but no window.
class ImageBoardImage : public BoardImage {
  public:
    // `on_copy` receives the picture copyImage makes; by default it goes on
    // the system clipboard.
    explicit ImageBoardImage(std::function<void(const QImage&)> on_copy = {});
    Canvas& fresh() override;
    bool savePng(const TwipsArea& area, int scale, std::string_view path) override;
    void copyImage(const TwipsArea& area, int scale) override;
    // The picture of `area` at `scale`, as savePng writes it.
    QImage cut(const TwipsArea& area, int scale) const;

  private:
    std::unique_ptr<ImageCanvas> canvas_;
    std::function<void(const QImage&)> on_copy_;
};

// QFileDialog over the main window, as modal as the game's message boxes.
class QtSaveDialog : public SaveDialog {
  public:
    explicit QtSaveDialog(QtPlatform& owner) : owner_(owner) {}
    std::string askSavePath(std::string_view title, std::string_view suggested) override;

  private:
    QtPlatform& owner_;
};

}  // namespace murokan::platform
