// The 局面 menu's ヒント, 検討 and 棋譜解析, handed to the window's Study.
#include "flow/form1.h"
#include "flow/study.h"

namespace murokan {

void Form1::HINT_Click() {
    study_->hint();
}

void Form1::KENTOU_Click() {
    study_->toggle();
}

void Form1::KAISEKI_Click() {
    study_->review();
}

void Form1::attachStudy(platform::AnalysisPanel& panel, platform::Background& background,
                        platform::Clipboard& clipboard) {
    study_->attach(panel, background, clipboard);
}

}  // namespace murokan
