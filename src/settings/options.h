// The option state besides the menu check marks (経過時間 and BGM live only in
// their ticks): the background picture and move guidance.
#pragma once

#include "core/constants.h"

namespace murokan {

struct Options {
    int haikei = HAIKEI_MIDORI;       // background picture code 5..9
    int shidou = 0;                   // 1 while 移動指導 is ticked
    int shidou_iro = SHIDOU_IRO_OFF;  // QBColor of the guidance marks
};

}  // namespace murokan
