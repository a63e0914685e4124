// The game's icon, drawn from its own art: the 玉 koma on a tile of board
// wood. The build draws the desktop's icon files from it and the window shows
// the same picture.
#pragma once

#include <QIcon>
#include <QImage>
#include <QObject>
#include <array>
#include <atomic>
#include <future>

class QWidget;

namespace murokan::platform {

// The square sizes, in pixels, of the icon files the desktop is given.
inline constexpr std::array<int, 8> kIconSizes = {16, 24, 32, 48, 64, 128, 256, 512};

// The icon at `size` x `size` pixels, drawn for that size rather than scaled;
// transparent outside the rounded tile. Needs a QGuiApplication for the font.
QImage drawAppIcon(int size);

// The icon at every size of kIconSizes, for the window and its dialogs: drawn
// ahead on a thread of its own for the first window, then when asked for.
QIcon appIcon();

// Gives the application its icon once `first` has painted its first frame,
// drawn then on a thread of its own: neither the drawing nor the window
// system's copy of every size comes before the player sees the window. A
// window shown before that goes without an icon until it is given.
class IconAfterFirstFrame : public QObject {
  public:
    explicit IconAfterFirstFrame(QWidget& first);
    // Waits for a drawing still running, which stops after the size it draws.
    ~IconAfterFirstFrame() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void startDrawing();

    std::atomic<bool> stop_ = false;
    std::shared_future<std::array<QImage, kIconSizes.size()>> drawing_;
};

}  // namespace murokan::platform
