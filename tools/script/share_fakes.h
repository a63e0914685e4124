// The driver's off-screen picture and save dialog (its clipboard is the one
// of the analysis fakes, a string): the save dialog answers the path a command
// gave it, and a picture put on the clipboard is logged as `clipboard image WxH`.
#pragma once

#include <memory>
#include <string>

#include "platform/board_image.h"
#include "platform/recording_platform.h"

namespace murokan::platform {
class ImageBoardImage;
}

namespace murokan::script {

class ScriptSaveDialog : public platform::SaveDialog {
  public:
    explicit ScriptSaveDialog(platform::EventLog& log) : log_(log) {}
    // The next question is answered with `path` ("" cancels).
    void answer(std::string path) { next_ = std::move(path); }
    std::string askSavePath(std::string_view title, std::string_view suggested) override;

  private:
    platform::EventLog& log_;
    std::string next_;
};

// The Qt picture, made on first use, in the driver's offscreen Qt.
class ScriptBoardImage : public platform::BoardImage {
  public:
    explicit ScriptBoardImage(platform::EventLog& log);
    ~ScriptBoardImage() override;
    platform::Canvas& fresh() override;
    bool savePng(const platform::TwipsArea& area, int scale, std::string_view path) override;
    void copyImage(const platform::TwipsArea& area, int scale) override;

  private:
    platform::EventLog& log_;
    std::unique_ptr<platform::ImageBoardImage> image_;
};

struct ScriptSharing {
    explicit ScriptSharing(platform::EventLog& log) : save(log), image(log) {}
    ScriptSaveDialog save;
    ScriptBoardImage image;
};

}  // namespace murokan::script
