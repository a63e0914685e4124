#include "ai/engine_levels.h"

namespace murokan {

SearchLimits level_limits(int level) {
    SearchLimits l;
    l.movetime_ms = level >= kLastLevel ? 2000 : 300;
    return l;
}

}  // namespace murokan
