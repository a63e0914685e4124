#include "platform/qt/share_qt.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include "platform/qt/canvas_geometry.h"
#include "platform/qt/qt_platform.h"

namespace murokan::platform {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

ImageBoardImage::ImageBoardImage(std::function<void(const QImage&)> on_copy)
    : on_copy_(std::move(on_copy)) {
    if (!on_copy_) {
        on_copy_ = [](const QImage& image) { QGuiApplication::clipboard()->setImage(image); };
    }
}

Canvas& ImageBoardImage::fresh() {
    canvas_ = std::make_unique<ImageCanvas>();
    return *canvas_;
}

QImage ImageBoardImage::cut(const TwipsArea& area, int scale) const {
    if (!canvas_) return {};
    const QRect source(twipsToPixel(area.x1), twipsToPixel(area.y1),
                       twipsToPixel(area.x2) - twipsToPixel(area.x1),
                       twipsToPixel(area.y2) - twipsToPixel(area.y1));
    const int w = imagePixels(area.x2 - area.x1, scale);
    const int h = imagePixels(area.y2 - area.y1, scale);
    return canvas_->image().copy(source).scaled(w, h, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation);
}

bool ImageBoardImage::savePng(const TwipsArea& area, int scale, std::string_view path) {
    const QImage image = cut(area, scale);
    return !image.isNull() && image.save(qs(path), "PNG");
}

void ImageBoardImage::copyImage(const TwipsArea& area, int scale) {
    const QImage image = cut(area, scale);
    if (!image.isNull()) on_copy_(image);
}

std::string QtSaveDialog::askSavePath(std::string_view title, std::string_view suggested) {
    QFileDialog dialog(&owner_.window(), qs(title), qs(suggested), QStringLiteral("PNG (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // Qt's own labels follow its translations, which may be missing: the
    // game's texts are Japanese whatever the system's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("保存する場所:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ﾌｧｲﾙ名:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ﾌｧｲﾙの種類:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("保存"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("ｷｬﾝｾﾙ"));
    owner_.enterDialog();
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    owner_.leaveDialog();
    if (!chosen) return {};
    QString path = dialog.selectedFiles().front();
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
    return path.toStdString();
}

}  // namespace murokan::platform
