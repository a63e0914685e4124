// Where the game's files are, told from where the running program sits. A
// build tree keeps the wave files and the help page beside the program; an
// installed game keeps them in its shared data folder and works in a folder of
// the user's own.
#pragma once

#include <filesystem>

namespace murokan::platform {

// The folder of the running program; empty when it cannot be told.
std::filesystem::path program_folder();

// The shared data folder that the install puts beside a program in
// `program_dir` (`<prefix>/share/murokan` for `<prefix>/bin`); empty when
// there is none, as in a build tree.
std::filesystem::path installed_data_folder(const std::filesystem::path& program_dir);

// Where the wave files and the help page are looked for when the current
// folder lacks them: the installed data folder, else the program's own folder.
std::filesystem::path data_folder();

// The installed game's working folder: `<xdg_data_home>/murokan` when that is
// an absolute path, else `<home>/.local/share/murokan`; empty when neither is
// usable. Either argument may be null (an unset variable).
std::filesystem::path user_data_folder(const char* xdg_data_home, const char* home);

// The game's folder among the user's configuration: `<xdg_config_home>/murokan`
// when that is an absolute path, else `<home>/.config/murokan`; empty when
// neither is usable, so that nothing lands at the root of the file system.
std::filesystem::path user_config_folder(const char* xdg_config_home, const char* home);

}  // namespace murokan::platform
