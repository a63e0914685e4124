// Commands of the computer's eyes: show an influence map, the pin marks, the
// escape marks or the mate verdict for the current board.
#include <string>
#include <string_view>

#include "ai/maps.h"
#include "script/commands.h"
#include "script/output.h"

namespace murokan::script {

namespace {

using MapPtr = int (InfluenceMaps::*)[10][10];

struct NamedMap {
    std::string_view name;
    MapPtr map;
};

// The survey's maps, by their names in the code.
constexpr NamedMap kSurveyMaps[] = {
    {"kiki_ji", &InfluenceMaps::kiki_ji},
    {"kiki_teki", &InfluenceMaps::kiki_teki},
    {"mamori_ji", &InfluenceMaps::mamori_ji},
    {"mamori_teki", &InfluenceMaps::mamori_teki},
    {"mamori_teki_x", &InfluenceMaps::mamori_teki_x},
    {"mamori_teki_y", &InfluenceMaps::mamori_teki_y},
    {"saijaku_ji", &InfluenceMaps::saijaku_ji},
    {"saijaku_ji_x", &InfluenceMaps::saijaku_ji_x},
    {"saijaku_ji_y", &InfluenceMaps::saijaku_ji_y},
    {"saijaku_teki", &InfluenceMaps::saijaku_teki},
    {"oute_teki", &InfluenceMaps::oute_teki},
};

// Nine lines, rows y = 1..9, each holding columns x = 1..9.
void print_map(Context& ctx, const int (&map)[10][10]) {
    for (int y = 1; y <= 9; ++y) {
        std::string line;
        for (int x = 1; x <= 9; ++x) {
            if (x > 1) line += ' ';
            line += std::to_string(map[x][y]);
        }
        print(ctx, line);
    }
}

// map NAME: surveys the current board (a fresh set of maps each time, so the
// squares the survey never resets read 0 where nothing stored one) and prints
// the map, or runs the probe the name stands for.
void cmd_map(Context& ctx, const Args& args) {
    if (!expect_words(ctx, args, 1)) return;
    const std::string& name = args.words[0];
    GameState& g = ctx.state();
    InfluenceMaps m;
    勢力調査(g, m);
    for (const NamedMap& n : kSurveyMaps) {
        if (name == n.name) {
            print_map(ctx, m.*n.map);
            return;
        }
    }
    if (name == "ugokenai_ji") {
        調査_移動不可駒(g, m);
        print_map(ctx, m.ugokenai_ji);
    } else if (name == "nigemichi") {
        消去_逃道マス(m);
        print(ctx, std::to_string(調査_自王逃道(g, m)));
        print_map(ctx, m.nigemichi_masu);
    } else if (name == "tsumi") {
        print(ctx, std::to_string(詰めかMAN(g, m)));
    } else {
        print_error(ctx, "unknown map " + name);
    }
}

}  // namespace

void register_maps_commands(Registry& registry) {
    registry.add("map",
                 "map kiki_ji|kiki_teki|mamori_ji|mamori_teki|mamori_teki_x|mamori_teki_y|"
                 "saijaku_ji|saijaku_ji_x|saijaku_ji_y|saijaku_teki|oute_teki|ugokenai_ji|"
                 "nigemichi|tsumi",
                 cmd_map);
}

}  // namespace murokan::script
