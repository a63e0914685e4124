// Form1's construction, its window events and the small helpers every handler uses.
#include "flow/form1.h"

#include "flow/study.h"

namespace murokan {

Form1::Form1(platform::Platform& platform)
    : pf(platform),
      screen(
          ScreenLinks{pf.canvas, pf.dialogs, pf.clock, pf.sound, oto_shoumetsu, pf.menu, g, opt}) {
    build_menu();
    study_ = std::make_shared<Study>(*this);
}

void Form1::keyPress(int code) {
    Form_KeyPress(code);
    study_->after_event();
}
void Form1::timerTick() {
    Timer1_Timer();
}
void Form1::unload() {
    Form_Unload();
}

void Form1::timer_stop() {
    pf.timer.setEnabled(false);
}
void Form1::timer_start() {
    pf.timer.setEnabled(true);
}

float Form1::Timer() {
    return static_cast<float>(pf.clock.now());
}

void Form1::msg(std::string_view text, std::string_view title) {
    pf.dialogs.message(title, text, platform::Icon::None);
}

bool Form1::keika_on() const {
    return pf.menu.checked("KEIKA");
}

void Form1::play(int buffer) {
    pf.sound.dsPlay(buffer);
}

}  // namespace murokan
