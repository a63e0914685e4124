// Everything a script command works on. Commands reach the game only through
// the accessors below, so that when the whole window object (Form1) moves in
// here, with the game state and the history as its members, the accessors are
// the only lines that change.
#pragma once

#include <iostream>
#include <memory>

#include "core/game_state.h"
#include "record/history.h"
#include "script/window.h"

namespace murokan::script {

struct Context {
    GameState game;
    std::unique_ptr<History> history = std::make_unique<History>();  // large: kept off the stack
    std::ostream* out = &std::cout;  // where results and events are written
    ScriptWindow window;  // the recording platform and the `shot` canvas (commands_window.cpp)

    GameState& state() { return game; }
    History& hist() { return *history; }
};

}  // namespace murokan::script
