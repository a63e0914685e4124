// The installed game's working folder. Its settings file is opened by its bare
// name, so the folder the game works in is where the file lands.
#pragma once

namespace murokan::app {

// When the program runs from an install, makes the user's data folder
// ($XDG_DATA_HOME/murokan, by default ~/.local/share/murokan) if it is missing
// and works in it from then on. Started from a build tree the game stays in
// the folder it was started from. A folder that cannot be made or entered is
// reported in one line on the error output, and the game stays where it is.
void enter_working_folder();

}  // namespace murokan::app
