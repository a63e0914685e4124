#include "script/share_fakes.h"

#include "platform/qt/share_qt.h"
#include "script/window.h"

namespace murokan::script {

std::string ScriptSaveDialog::askSavePath(std::string_view title, std::string_view suggested) {
    log_.push_back("save-dialog " + platform::quoteEventText(title) + " " +
                   platform::quoteEventText(suggested) + " -> " + platform::quoteEventText(next_));
    return std::exchange(next_, {});
}

ScriptBoardImage::ScriptBoardImage(platform::EventLog& log) : log_(log) {}
ScriptBoardImage::~ScriptBoardImage() = default;

platform::Canvas& ScriptBoardImage::fresh() {
    if (!image_) {
        ensureGuiApplication();
        image_ = std::make_unique<platform::ImageBoardImage>([this](const QImage& image) {
            log_.push_back("clipboard image " + std::to_string(image.width()) + "x" +
                           std::to_string(image.height()));
        });
    }
    return image_->fresh();
}

bool ScriptBoardImage::savePng(const platform::TwipsArea& area, int scale, std::string_view path) {
    return image_ && image_->savePng(area, scale, path);
}

void ScriptBoardImage::copyImage(const platform::TwipsArea& area, int scale) {
    if (image_) image_->copyImage(area, scale);
}

}  // namespace murokan::script
