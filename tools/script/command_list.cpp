// THE list of command groups. One line per subsystem's registration function.
#include "script/commands.h"
#include "script/flow_driver.h"

namespace murokan::script {

void register_all_commands(Registry& registry) {
    register_core_commands(registry);
    register_maps_commands(registry);
    register_com_commands(registry);
    register_window_commands(registry);
    register_flow_commands(registry);
    register_record_commands(registry);
    register_panel_commands(registry);
    register_analysis_commands(registry);
    register_clip_commands(registry);
    register_ladder_commands(registry);
}

}  // namespace murokan::script
