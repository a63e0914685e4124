// The running clock of the side to move, refreshed by Timer1.
#include <cmath>

#include "flow/form1.h"
#include "ui/clock_text.h"

namespace murokan {

void Form1::Timer1_Timer() {
    if (g.shuukyoku != 0 || !pf.timer.enabled()) return;
    g.keika_byou = static_cast<float>(調査_経過秒(g.kaishi_byou, Timer()));
    const int whole = static_cast<int>(std::floor(g.keika_byou));
    if (whole == g.hyouji_byou) return;
    g.hyouji_byou = whole;
    if (g.teban == g.teki_teban) {
        screen.描画_所有時間(g.teki_teban, g.keika_byou + g.teki_jikan);
    } else if (g.teban == g.ji_teban) {
        screen.描画_所有時間(g.ji_teban, g.keika_byou + g.ji_jikan);
    }
    pf.canvas.refresh();
}

}  // namespace murokan
