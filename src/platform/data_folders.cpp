#include "platform/data_folders.h"

#include <system_error>

namespace murokan::platform {

namespace fs = std::filesystem;

// MUROKAN_DATA_FROM_PROGRAM, from the build, is where the data folder lies
// relative to the program's folder ("../share/murokan"), so that an install
// into any prefix, with bin/ or games/, finds its files.

fs::path program_folder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

fs::path installed_data_folder(const fs::path& program_dir) {
    if (program_dir.empty()) return {};
    const fs::path data = (program_dir / MUROKAN_DATA_FROM_PROGRAM).lexically_normal();
    std::error_code ec;
    return fs::is_directory(data, ec) ? data : fs::path();
}

fs::path data_folder() {
    const fs::path program = program_folder();
    const fs::path installed = installed_data_folder(program);
    return installed.empty() ? program : installed;
}

namespace {

// The game's folder under an XDG base directory `xdg`, else under its default
// `home`/`in_home`; empty when neither is an absolute path.
fs::path xdg_folder(const char* xdg, const char* home, const char* in_home) {
    // Relative values are to be ignored, as the XDG base directories ask.
    if (xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / "murokan";
    if (home && fs::path(home).is_absolute()) return fs::path(home) / in_home / "murokan";
    return {};
}

}  // namespace

fs::path user_data_folder(const char* xdg_data_home, const char* home) {
    return xdg_folder(xdg_data_home, home, ".local/share");
}

fs::path user_config_folder(const char* xdg_config_home, const char* home) {
    return xdg_folder(xdg_config_home, home, ".config");
}

}  // namespace murokan::platform
