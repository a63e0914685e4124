// murokan-study-bench: the figures of learning from the computer, taken in the
// real window (run it on a display, e.g. a private Xvfb screen). The window is
// built as the game builds it, a record is read as 読込 reads it, and then:
//   review_s       棋譜解析 of the whole record at its default budget
//   repaints_per_s the canvas's paints while it runs, the canvas asked to
//                  repaint every 10 ms (as a resize or an animation would)
//   cancel_ms     from 中止 to the work ended, the analysis restarted anew
//   hint_ms       ヒント on the start position, against its 1 s budget
//
//   murokan-study-bench RECORD.棋譜
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "flow/form1.h"
#include "flow/study.h"
#include "platform/fake_record_panel.h"
#include "platform/qt/analysis_panel_qt.h"
#include "platform/qt/qt_background.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_platform.h"
#include "platform/recording_platform.h"
#include "record/record_file.h"

namespace {

using namespace murokan;

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop until `done` or `limit_s` seconds.
template <typename F>
void spin(F done, double limit_s) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limit_s * 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

double since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: murokan-study-bench RECORD.棋譜\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as soon as it is taken
    QApplication app(argc, argv);
    platform::EventLog sounds;
    platform::RecordingSoundLibrary sound(sounds);
    platform::QtPlatform qt(sound);
    platform::AnalysisPanelQt panel(qt.window(), [&qt] { return qt.waiting(); });
    platform::QtBackground background;
    platform::QtClipboard clipboard;
    Form1 form(qt.platform());
    qt.setSink(&form);
    platform::FakeRecordPanel record_panel;
    form.attachRecordPanel(record_panel);
    form.attachStudy(panel, background, clipboard);
    form.Form_Load();
    qt.window().resize(1200, 800);
    qt.window().show();
    spin([] { return false; }, 1.0);

    // The record, read as 読込 reads it, without its message boxes.
    読込_棋譜(form.g, form.hist, パス_UTF8(argv[1]), [&form] { form.初期設定(); });
    std::printf("plies %d\n", form.hist.kifu_saishu);

    PaintCounter counter;
    qt.window().canvasWidget().installEventFilter(&counter);
    QTimer ask;
    QObject::connect(&ask, &QTimer::timeout, [&] { qt.window().canvasWidget().update(); });
    ask.start(10);

    auto t0 = std::chrono::steady_clock::now();
    form.menuClicked("KAISEKI");
    const int before = counter.paints;
    spin([&] { return !background.busy(); }, 600);
    const double review_s = since(t0);
    std::printf("review_s %.1f moves %zu repaints_per_s %.1f\n", review_s,
                form.study().reviewed().size(), (counter.paints - before) / review_s);

    form.menuClicked("KAISEKI");
    spin([] { return false; }, 2.0);
    t0 = std::chrono::steady_clock::now();
    form.study().cancelClicked();
    std::printf("cancel_ms %.1f busy_after %d\n", since(t0) * 1000, background.busy() ? 1 : 0);
    ask.stop();

    // The record's first position, 先手 to move (a new game would open its box).
    t0 = std::chrono::steady_clock::now();
    form.menuClicked("HINT");
    std::printf("hint_ms %.0f budget_ms %d found %d\n", since(t0) * 1000, kHintMs,
                form.study().last_hint() ? 1 : 0);
    form.study().stop_all();
    return 0;
}
