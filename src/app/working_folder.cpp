#include "app/working_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/data_folders.h"

namespace murokan::app {

void enter_working_folder() {
    namespace fs = std::filesystem;
    if (platform::installed_data_folder(platform::program_folder()).empty()) return;
    const fs::path folder =
        platform::user_data_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    if (folder.empty()) {
        std::fprintf(stderr,
                     "murokan: HOME is not set; the settings stay in the current folder.\n");
        return;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!ec) fs::current_path(folder, ec);
    if (ec) {
        std::fprintf(stderr,
                     "murokan: cannot use %s (%s); the settings stay in the current folder.\n",
                     folder.c_str(), ec.message().c_str());
    }
}

}  // namespace murokan::app
