// The real platform: the Qt main window Form1 with its canvas, menu bar,
// message boxes, about box, Timer1, clock and browser. The sound library comes
// from outside (the SDL one), so the window can be tested without it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/qt/canvas_widget.h"
#include "platform/qt/image_canvas.h"

class QAction;
class QMenu;

namespace murokan::platform {

class QtPlatform;

// A message text as a box shows it: CR LF, a bare CR and a bare LF each end a line.
QString messageText(std::string_view text);

// The main window. Its events go to the EventSink of the platform.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QtPlatform& owner);
    CanvasWidget& canvasWidget() { return *canvas_widget_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QtPlatform& owner_;
    CanvasWidget* canvas_widget_;
};

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QtPlatform& owner) : owner_(owner) {}
    void message(std::string_view title, std::string_view text, Icon icon) override;
    bool askYesNo(std::string_view title, std::string_view text, Icon icon) override;
    AboutChoice aboutBox() override;
    void recordBox(const RecordView& view,
                   const std::function<bool(RecordView&)>& clear) override;

  private:
    QtPlatform& owner_;
};

class QtClock : public Clock {
  public:
    explicit QtClock(QtPlatform& owner) : owner_(owner) {}
    // Local time of day in seconds, with milliseconds.
    double now() override;
    // Runs a local event loop that repaints but takes no input until the time has passed.
    void wait(double seconds) override;

  private:
    QtPlatform& owner_;
};

class QtDisplayTimer : public DisplayTimer {
  public:
    explicit QtDisplayTimer(QtPlatform& owner);
    void setEnabled(bool on) override;
    bool enabled() const override;

  private:
    QTimer timer_;
};

class QtMenuBar : public MenuBar {
  public:
    explicit QtMenuBar(QtPlatform& owner) : owner_(owner) {}
    void add(std::string_view parent, std::string_view name, std::string_view caption) override;
    void setChecked(std::string_view name, bool on) override;
    bool checked(std::string_view name) const override;
    void setShortcut(std::string_view name, std::string_view key) override;
    // The action of an item, nullptr when none (for tests).
    QAction* action(std::string_view name) const;

  private:
    QtPlatform& owner_;
    std::map<std::string, QPointer<QMenu>, std::less<>> menus_;
    std::map<std::string, QPointer<QAction>, std::less<>> actions_;
    std::map<std::string, bool, std::less<>> checks_;
};

class QtBrowser : public Browser {
  public:
    // A local file path opens as a file; anything else as an address.
    bool open(std::string_view target) override;
};

class QtApplication : public Application {
  public:
    explicit QtApplication(QtPlatform& owner) : owner_(owner) {}
    void quit() override;
    std::intptr_t windowHandle() const override;

  private:
    QtPlatform& owner_;
};

// Runs the work on a thread of its own while a local event loop serves the
// window (qt_worker.cpp).
class QtWorker : public Worker {
  public:
    explicit QtWorker(QtPlatform& owner) : owner_(owner) {}
    // Should the application quit meanwhile, `stop` is set and the work is
    // waited for all the same.
    void think(const std::function<void()>& work, std::atomic<bool>& stop) override;

  private:
    QtPlatform& owner_;
};

// Owns the window and every Qt-side implementation. Needs a QApplication.
class QtPlatform {
  public:
    explicit QtPlatform(SoundLibrary& sound);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform();

    Platform& platform() { return platform_; }
    MainWindow& window() { return *window_; }
    ImageCanvas& canvas() { return canvas_; }
    QtMenuBar& menu() { return menu_; }
    // Where the window's events go; nullptr drops them.
    void setSink(EventSink* sink) { sink_ = sink; }

    // Event delivery, used by the window, the menu and the timer. Events are
    // dropped while a wait runs; closing is refused while a handler runs.
    // While the computer thinks, Timer1's ticks, Esc and closing the window
    // get through all the same, and nothing else does.
    void deliverMouse(int button, double x, double y);
    // Only the release of a press that the game was given reaches it.
    void deliverMouseUp(int button, double x, double y);
    void deliverKey(int code);
    void deliverMenu(const std::string& name);
    // Also dropped while any handler runs, as a click on the menu bar cannot
    // happen then.
    void deliverShortcut(const std::string& name);
    void deliverTick();
    // True when the window may close now (it then tells the sink to unload).
    // A message box the game waits on does not hold the closing back: the
    // box ends as if dismissed, and the handler that opened it returns.
    bool deliverClose();

    bool waiting() const { return wait_depth_ > 0; }
    void enterWait() { ++wait_depth_; }
    void leaveWait() { --wait_depth_; }
    // A think is a wait that lets the ticks, Esc and closing through.
    bool thinking() const { return think_depth_ > 0; }
    void enterThink() {
        ++think_depth_;
        enterWait();
    }
    void leaveThink() {
        leaveWait();
        --think_depth_;
    }
    // While a modal box of the game is open.
    void enterDialog() { ++dialog_depth_; }
    void leaveDialog() { --dialog_depth_; }

  private:
    // Runs one handler with the busy count held, so closing waits for it.
    template <typename F>
    void run(F&& f);

    ImageCanvas canvas_;
    std::unique_ptr<MainWindow> window_;
    QtDialogs dialogs_;
    QtClock clock_;
    QtDisplayTimer timer_;
    QtMenuBar menu_;
    QtBrowser browser_;
    QtApplication app_;
    QtWorker worker_;
    Platform platform_;
    EventSink* sink_ = nullptr;
    int wait_depth_ = 0;
    int think_depth_ = 0;
    int busy_depth_ = 0;
    int dialog_depth_ = 0;
    bool closing_ = false;
    bool press_delivered_ = false;

    friend class QtDisplayTimer;
};

}  // namespace murokan::platform
