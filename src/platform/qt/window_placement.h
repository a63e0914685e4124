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

// Where a window placed as `p` goes among the `screens` (their free areas):
// at its place, no larger than the screen its title bar is on; nothing when
// no screen shows its title bar.
std::optional<QRect> fitted(const Placement& p, const QList<QRect>& screens);

class WindowPlacement {
  public:
    // An empty `file` keeps the placement of this run only.
    explicit WindowPlacement(QString file) : file_(std::move(file)) {}
    // $XDG_CONFIG_HOME/murokan/window.ini, or ~/.config/murokan/window.ini;
    // empty without a home.
    static QString userFile();

    // What the file holds; nothing when it is missing, is no regular file of
    // a placement's size, or holds no usable size.
    std::optional<Placement> load() const;
    // Shows `window` as it was left. A position that no screen shows any more
    // leaves the window where it stands (its centred default).
    void show(QWidget& window) const;
    // Writes where `window` is now, and of the file's keys only the game's
    // own; a file that cannot be written, or is no regular file, is left be.
    void save(const QWidget& window) const;

  private:
    QString file_;
};

}  // namespace murokan::platform
