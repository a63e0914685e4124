// The match tool's players by name.
#include "match/players.h"

#include <cstdio>

namespace murokan::match {

std::unique_ptr<Player> make_named_player(const std::string& name, const PlayerOptions& o) {
    if (name == "BASELINE2") return make_baseline2();
    if (name == "RANDOM") return make_player(kRandomLevel, o);
    if (name == "REF5") return make_reference_player(o);
    if (name.size() < 6 || name.size() > 7 || name.compare(0, 5, "LEVEL") != 0) return nullptr;
    int level = 0;
    for (std::size_t i = 5; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return nullptr;
        level = level * 10 + (name[i] - '0');
    }
    // The random player is no level of the game; it is RANDOM.
    if (level == kRandomLevel || name[5] == '0') return nullptr;
    return make_player(level, o);
}

std::string last_cost(const Player& p) {
    const Thought t = p.last_thought();
    if (!t.deepened) return {};
    char text[96];
    std::snprintf(text, sizeof text, "nodes %lld depth %d search_ms %.1f",
                  static_cast<long long>(t.nodes), t.depth, t.seconds * 1000);
    return text;
}

}  // namespace murokan::match
