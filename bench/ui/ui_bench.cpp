// Drawing speed of the real window: a full 画面_再描画 of the starting position
// onto the canvas image, and the paint of the scaled canvas into a 1366 x 768
// window, both after a change (rescale and copy) and without one (copy only).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "core/game_state.h"
#include "core/sfen.h"
#include "platform/qt/canvas_widget.h"
#include "platform/qt/image_canvas.h"
#include "platform/recording_platform.h"
#include "settings/options.h"
#include "ui/screen.h"

namespace {

using namespace murokan;

void ensureApp() {
    static int argc = 1;
    static char name[] = "murokan-ui-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
    (void)app;
}

// The starting position drawn through the game's own drawing procedures.
struct Scene {
    platform::RecordingPlatform fake;  // dialogs, clock, sound, menu for the links
    platform::ImageCanvas canvas;
    GameState g;
    Options opt;
    int oto_shoumetsu = 0;
    Screen screen{ScreenLinks{canvas, fake.dialogs, fake.clock, fake.sound, oto_shoumetsu,
                              fake.menu, g, opt}};
    Scene() {
        parse_sfen(kStartSfen, g);
        g.ji_teban = TEBAN_SENTE;
        g.teki_teban = TEBAN_GOTE;
        screen.画面_再描画();  // pictures are made on first use
    }
};

void BM_FullRedraw(benchmark::State& state) {
    ensureApp();
    Scene s;
    for (auto _ : state) {
        s.screen.画面_再描画();
        benchmark::DoNotOptimize(s.canvas.image().constBits());
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

// A 1366 x 768 window less its menu bar, as the canvas area.
const QSize kWindow(1366, 768 - 25);

void BM_PaintScaledAfterChange(benchmark::State& state) {
    ensureApp();
    Scene s;
    platform::CanvasWidget widget(s.canvas);
    QImage target(kWindow, QImage::Format_RGB32);
    for (auto _ : state) {
        s.canvas.picture(0, 1545, 715);  // one square changed: the scaled copy is stale
        QPainter p(&target);
        widget.paintInto(p, kWindow, 1.0);
    }
}
BENCHMARK(BM_PaintScaledAfterChange)->Unit(benchmark::kMillisecond);

void BM_PaintScaledUnchanged(benchmark::State& state) {
    ensureApp();
    Scene s;
    platform::CanvasWidget widget(s.canvas);
    QImage target(kWindow, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        widget.paintInto(p, kWindow, 1.0);
    }
}
BENCHMARK(BM_PaintScaledUnchanged)->Unit(benchmark::kMillisecond);

}  // namespace
