// Where the main window was left, so that the next start shows it there again:
// its position and size when not maximised, and whether it was maximised. Kept
// in a small file of its own in the user's configuration folder, apart from
// the game's settings file.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace murokan::platform {

struct Placement {
    QPoint pos;  // top-left corner of the frame
    QSize size;  // the window's inside, menu bar included
    bool maximized = false;
};

// True when enough of a window frame at `pos` with an inside of `size` lies on
// one of the `screens` (their free areas) for its title bar to be grabbed.
bool onSomeScreen(QPoint pos, QSize size, const QList<QRect>& screens);

class WindowPlacement {
  public:
    explicit WindowPlacement(QString file) : file_(std::move(file)) {}
    // $XDG_CONFIG_HOME/murokan/window.ini, or ~/.config/murokan/window.ini.
    static QString userFile();

    // What the file holds; nothing when it is missing or holds no usable size.
    std::optional<Placement> load() const;
    // Shows `window` as it was left. A position that no screen shows any more
    // leaves the window where it stands (its centred default).
    void show(QWidget& window) const;
    // Writes where `window` is now; a file that cannot be written is left be.
    void save(const QWidget& window) const;

  private:
    QString file_;
};

}  // namespace murokan::platform
