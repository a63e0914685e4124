// The driver's commands, registered per subsystem. To add a subsystem's
// commands: write commands_<subsystem>.cpp with a register_<subsystem>_commands
// function, declare it here, and add one line to register_all_commands in
// command_list.cpp.
#pragma once

#include "script/registry.h"

namespace murokan::script {

// position, set, move, dump (commands_core.cpp).
void register_core_commands(Registry& registry);

// map NAME: influence maps, pin and escape marks, mate verdict (commands_maps.cpp).
void register_maps_commands(Registry& registry);

// shot, clock, tick, kept (commands_window.cpp).
void register_window_commands(Registry& registry);

// save, load (commands_record.cpp).
void register_record_commands(Registry& registry);

// text, dir, drive, file, button: the user's side of the record panel
// (commands_panel.cpp).
void register_panel_commands(Registry& registry);

// think, com, play N, eval <usi>: the computer player (commands_com.cpp).
void register_com_commands(Registry& registry);

// hint, analyse [nodes N], graph FILE.png: learning from the computer
// (commands_analysis.cpp).
void register_analysis_commands(Registry& registry);
// copy, paste TEXT, edit …, image FILE.png [2]: the 編集 menu (commands_clip.cpp).
void register_clip_commands(Registry& registry);
// menus, stats, record FILE: the ladder's menu and the player's record
// (commands_ladder.cpp).
void register_ladder_commands(Registry& registry);

// Every command of the driver (command_list.cpp).
void register_all_commands(Registry& registry);

}  // namespace murokan::script
