// Everything a script command works on: the whole program (Form1) running on
// the recording platform of the driver's window. Commands reach the game state
// and the history through the accessors below.
#pragma once

#include <iostream>
#include <memory>

#include "core/game_state.h"
#include "flow/form1.h"
#include "record/history.h"
#include "script/window.h"

namespace murokan::script {

struct Context {
    Context() : form(std::make_unique<Form1>(window.pf.platform)) {
        window.sink = form.get();
        form->attachRecordPanel(window.panel);  // before Form_Load, as the window does
        form->attachStudy(window.analysis.panel, window.analysis.background,
                          window.analysis.clipboard);
        form->attachSharing(window.analysis.clipboard, window.sharing.image, window.sharing.save);
        // A script plays the same game every run unless it asks otherwise
        // (`set seed 0`).
        form->search_bounds.seed = 1;
    }

    std::ostream* out = &std::cout;  // where results and events are written
    int refused = 0;                 // lines answered with "error"
    ScriptWindow window;  // the recording platform and the `shot` canvas (commands_window.cpp)
    // The program: every handler and all state. Large, so kept off the stack.
    std::unique_ptr<Form1> form;

    GameState& state() { return form->g; }
    History& hist() { return form->hist; }
};

}  // namespace murokan::script
