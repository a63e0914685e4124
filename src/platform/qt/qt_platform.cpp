#include "platform/qt/qt_platform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcutEvent>
#include <QTime>
#include <QUrl>
#include <functional>

#include "platform/qt/about_box.h"
#include "platform/qt/record_box.h"

namespace murokan::platform {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QMessageBox::Icon toQtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Critical:
            return QMessageBox::Critical;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

QString messageText(std::string_view text) {
    // The game's texts break lines with a bare CR (character 13); Qt's label
    // knows only LF.
    QString s = qs(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

namespace {

// The character code the game knows Esc by.
constexpr int kEscCode = 27;

// Room that a desktop's window frame takes around the client area, on the
// sides and for the title bar, before the window is shown and can tell.
constexpr int kFrameW = 16;
constexpr int kFrameH = 40;

// A menu item whose shortcut key reaches the game as a shortcut rather than
// as a click on the item: the game then opens the menus above it first, as
// the user's click through them would.
class MenuAction : public QAction {
  public:
    MenuAction(const QString& text, QObject* parent, std::function<void()> on_shortcut)
        : QAction(text, parent), on_shortcut_(std::move(on_shortcut)) {}

  protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::Shortcut) return QAction::event(e);
        // While a menu is open its keys move through the menu instead.
        if (!static_cast<QShortcutEvent*>(e)->isAmbiguous() && !QApplication::activePopupWidget())
            on_shortcut_();
        return true;
    }

  private:
    std::function<void()> on_shortcut_;
};

}  // namespace

// ------------------------------------------------------------ window

MainWindow::MainWindow(QtPlatform& owner) : owner_(owner) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ムロカン"));
    canvas_widget_ = new CanvasWidget(owner.canvas(), this);
    canvas_widget_->setMouseHandler(
        [this](int b, double x, double y) { owner_.deliverMouse(b, x, y); });
    canvas_widget_->setReleaseHandler(
        [this](int b, double x, double y) { owner_.deliverMouseUp(b, x, y); });
    setCentralWidget(canvas_widget_);
    canvas_widget_->setFocusPolicy(Qt::StrongFocus);
    // As large as the screen allows (about 830 x 660 for the canvas on a
    // 1366 x 768 screen with a taskbar), centred in its free area.
    const QScreen* scr = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect avail = scr ? scr->availableGeometry() : QRect(0, 0, 1366, 728);
    const int menu_h = menuBar()->sizeHint().height();
    const WidgetSize c =
        defaultCanvasSize(avail.width(), avail.height(), kFrameW, kFrameH + menu_h);
    resize(c.w, c.h + menu_h);
    move(avail.left() + (avail.width() - c.w - kFrameW) / 2,
         avail.top() + (avail.height() - c.h - menu_h - kFrameH) / 2);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    int code = 0;
    switch (event->key()) {
        case Qt::Key_Escape:
            code = kEscCode;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            code = 13;
            break;
        case Qt::Key_Backspace:
            code = 8;
            break;
        default:
            if (!event->text().isEmpty()) code = event->text().at(0).unicode();
    }
    if (code != 0)
        owner_.deliverKey(code);
    else
        QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (owner_.deliverClose())
        event->accept();
    else
        event->ignore();
}

// ------------------------------------------------------------ dialogs

namespace {

// Runs a modal box with the platform told of it, so that a request to quit
// ends the box rather than wait for it. A box ended that way answers as if
// dismissed: no, or OK.
int execBox(QtPlatform& owner, QDialog& box) {
    owner.enterDialog();
    const int answer = box.exec();
    owner.leaveDialog();
    return answer;
}

}  // namespace

void QtDialogs::message(std::string_view title, std::string_view text, Icon icon) {
    QMessageBox box(toQtIcon(icon), qs(title), messageText(text), QMessageBox::Ok,
                    &owner_.window());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    execBox(owner_, box);
}

bool QtDialogs::askYesNo(std::string_view title, std::string_view text, Icon icon) {
    QMessageBox box(toQtIcon(icon), qs(title), messageText(text),
                    QMessageBox::Yes | QMessageBox::No, &owner_.window());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    return execBox(owner_, box) == QMessageBox::Yes;
}

AboutChoice QtDialogs::aboutBox() {
    AboutBox box(&owner_.window());
    return execBox(owner_, box) == AboutBox::kHomePage ? AboutChoice::HomePage : AboutChoice::Ok;
}

void QtDialogs::recordBox(const RecordView& view,
                          const std::function<bool(RecordView&)>& clear) {
    RecordBox box(view, clear, &owner_.window());
    execBox(owner_, box);
}

// ------------------------------------------------------------ clock

double QtClock::now() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void QtClock::wait(double seconds) {
    if (seconds <= 0) return;
    QElapsedTimer elapsed;
    elapsed.start();
    const qint64 total = static_cast<qint64>(seconds * 1000.0 + 0.5);
    owner_.enterWait();
    // Paint events and timers are served; mouse and keys are held back.
    while (elapsed.elapsed() < total) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(total - elapsed.elapsed()), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    owner_.leaveWait();
}

// ------------------------------------------------------------ timer

QtDisplayTimer::QtDisplayTimer(QtPlatform& owner) {
    timer_.setInterval(50);
    QObject::connect(&timer_, &QTimer::timeout, [&owner] { owner.deliverTick(); });
}

void QtDisplayTimer::setEnabled(bool on) {
    if (on && !timer_.isActive()) timer_.start();
    if (!on) timer_.stop();
}

bool QtDisplayTimer::enabled() const {
    return timer_.isActive();
}

// ------------------------------------------------------------ menu

void QtMenuBar::add(std::string_view parent, std::string_view name, std::string_view caption) {
    QMainWindow& w = owner_.window();
    const std::string key(name);
    if (parent.empty()) {
        QMenu* menu = w.menuBar()->addMenu(qs(caption));
        menu->setObjectName(qs(name));
        // A click on the header is an event of its own for the game.
        QObject::connect(menu, &QMenu::aboutToShow, [this, key] { owner_.deliverMenu(key); });
        menus_[key] = menu;
        return;
    }
    QMenu* menu = nullptr;
    if (auto it = menus_.find(parent); it != menus_.end()) {
        menu = it->second;
    } else if (auto ai = actions_.find(parent); ai != actions_.end() && ai->second) {
        // An item that gets children becomes a submenu.
        menu = ai->second->menu();
        if (!menu) {
            menu = new QMenu(ai->second->text(), &w);
            ai->second->setMenu(menu);
            const std::string pkey(parent);
            QObject::connect(menu, &QMenu::aboutToShow, [this, pkey] { owner_.deliverMenu(pkey); });
        }
        menus_[std::string(parent)] = menu;
    }
    if (!menu) return;
    if (caption == "-") {
        menu->addSeparator();
        return;
    }
    QAction* act = new MenuAction(qs(caption), menu, [this, key] { owner_.deliverShortcut(key); });
    menu->addAction(act);
    act->setObjectName(qs(name));
    if (auto c = checks_.find(name); c != checks_.end()) {
        act->setCheckable(true);
        act->setChecked(c->second);
    }
    QObject::connect(act, &QAction::triggered, [this, key, act] {
        // Ticks change only when the game says so, never by the click itself.
        if (act->isCheckable()) act->setChecked(checked(key));
        owner_.deliverMenu(key);
    });
    actions_[key] = act;
}

void QtMenuBar::setChecked(std::string_view name, bool on) {
    checks_[std::string(name)] = on;
    if (QAction* act = action(name)) {
        act->setCheckable(true);
        act->setChecked(on);
    }
}

void QtMenuBar::setShortcut(std::string_view name, std::string_view key) {
    if (QAction* act = action(name))
        act->setShortcut(QKeySequence(qs(key), QKeySequence::PortableText));
}

bool QtMenuBar::checked(std::string_view name) const {
    auto it = checks_.find(name);
    return it != checks_.end() && it->second;
}

QAction* QtMenuBar::action(std::string_view name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second.data();
}

// ------------------------------------------------------------ browser, app

bool QtBrowser::open(std::string_view target) {
    const QString t = qs(target);
    if (t.isEmpty()) return false;
    const QFileInfo file(t);
    const QUrl url =
        file.exists() ? QUrl::fromLocalFile(file.absoluteFilePath()) : QUrl::fromUserInput(t);
    return QDesktopServices::openUrl(url);
}

void QtApplication::quit() {
    // Leaves the main loop once the running handler has returned.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

std::intptr_t QtApplication::windowHandle() const {
    return static_cast<std::intptr_t>(owner_.window().winId());
}

// ------------------------------------------------------------ platform

QtPlatform::QtPlatform(SoundLibrary& sound)
    : window_(std::make_unique<MainWindow>(*this)),
      dialogs_(*this),
      clock_(*this),
      timer_(*this),
      menu_(*this),
      app_(*this),
      worker_(*this),
      platform_{canvas_, dialogs_, clock_, timer_, menu_, browser_, sound, app_, worker_} {
    canvas_.setChanged([this] { window_->canvasWidget().update(); });
    canvas_.setRefresh([this] {
        if (window_->isVisible()) window_->canvasWidget().repaint();
    });
}

QtPlatform::~QtPlatform() {
    canvas_.setChanged({});
    canvas_.setRefresh({});
}

template <typename F>
void QtPlatform::run(F&& f) {
    if (!sink_) return;
    ++busy_depth_;
    f(*sink_);
    --busy_depth_;
}

void QtPlatform::deliverMouse(int button, double x, double y) {
    press_delivered_ = false;
    if (waiting()) return;
    press_delivered_ = sink_ != nullptr;
    run([&](EventSink& s) { s.mouseDown(button, x, y); });
}

void QtPlatform::deliverMouseUp(int button, double x, double y) {
    const bool pressed = press_delivered_;
    press_delivered_ = false;
    if (!pressed || waiting()) return;
    run([&](EventSink& s) { s.mouseUp(button, x, y); });
}

void QtPlatform::deliverKey(int code) {
    // Esc ends the program, and so the computer's thinking.
    if (waiting() && !(thinking() && code == kEscCode)) return;
    run([&](EventSink& s) { s.keyPress(code); });
}

void QtPlatform::deliverMenu(const std::string& name) {
    if (waiting()) return;
    run([&](EventSink& s) { s.menuClicked(name); });
}

void QtPlatform::deliverShortcut(const std::string& name) {
    if (waiting() || busy_depth_ > 0) return;
    run([&](EventSink& s) { s.menuShortcut(name); });
}

void QtPlatform::deliverTick() {
    // The game takes no timer ticks in the middle of an animation pause; its
    // clock runs on while the computer thinks.
    if (waiting() && !thinking()) return;
    run([](EventSink& s) { s.timerTick(); });
}

bool QtPlatform::deliverClose() {
    // A handler is still running (e.g. a pause); the computer's thinking
    // and a message box, though, are ended by it (quitting ends every event
    // loop, the box's too).
    if (busy_depth_ > 0 && !thinking() && dialog_depth_ == 0) return false;
    if (closing_) return true;
    closing_ = true;
    run([](EventSink& s) { s.unload(); });
    return true;
}

}  // namespace murokan::platform
